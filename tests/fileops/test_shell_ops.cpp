#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QtTest>
#include <csignal>
#include <filesystem>

#include "fileops/shell_ops.h"
#include "platform/visible_text.h"
#include "support/scripted_dialogs.h"
#include "support/testdir.h"

using namespace velmora;
using platform::Answer;
using platform::Outcome;
using Names = std::vector<std::string>;

namespace {

// One test's world: a folder, scripted dialogs and the shell over them.
struct World {
  TestDir dir;
  ScriptedDialogs dialogs;
  RecordingLauncher launcher;
  platform::Shell shell{dialogs, launcher};
  platform::Batch batch;
};

bool exists(const std::string& path) {
  struct stat st;
  return ::lstat(path.c_str(), &st) == 0;
}

void setTimes(const std::string& path, time_t when) {
  const struct timespec times[2] = {{when, 0}, {when, 0}};
  ::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW);
}

struct stat statOf(const std::string& path) {
  struct stat st {};
  ::lstat(path.c_str(), &st);
  return st;
}

// Copy or move, chosen by a table column.
Outcome copyOrMove(bool move, World& w, const std::string& from, const std::string& to) {
  return (move ? fileops::ShellMove : fileops::ShellCopy)(w.shell, w.batch, from, to);
}

// Runs run while writes beyond bytes fail with EFBIG: a disk that fills midway, without root.
Outcome limited(rlim_t bytes, const std::function<Outcome()>& run) {
  struct rlimit old {};
  ::getrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, SIG_IGN);
  const struct rlimit limit = {bytes, old.rlim_max};
  ::setrlimit(RLIMIT_FSIZE, &limit);
  const Outcome outcome = run();
  ::setrlimit(RLIMIT_FSIZE, &old);
  return outcome;
}

const Names kOddNames = {"plain.txt",       "with blank.txt", "per%cent #hash.txt", "new\nline.txt",
                         "caf\xE9\xFF.txt", ".dotfile",       "-leading-dash"};

}  // namespace

class TestShellOps : public QObject {
  Q_OBJECT
  TestDir home_;  // HOME and XDG_DATA_HOME for the whole run: GLib reads them once
  std::string trash_;

  // The trashed name whose .trashinfo records original, or empty.
  std::string trashedAs(const std::string& original) {
    for (const auto& info : entriesOf(trash_ + "/info")) {
      const auto lines =
          QByteArray::fromStdString(home_.read("data/Trash/info/" + info)).split('\n');
      if (lines.size() > 1 &&
          QByteArray::fromPercentEncoding(lines[1].mid(5)).toStdString() == original)
        return info.substr(0, info.size() - std::string_view(".trashinfo").size());
    }
    return {};
  }

 private slots:
  void initTestCase() {
    const QByteArray home = QByteArray::fromStdString(home_.path());
    qputenv("HOME", home);
    qputenv("XDG_DATA_HOME", home + "/data");
    trash_ = home.toStdString() + "/data/Trash";
  }

  void deleteToTrash_data() {
    QTest::addColumn<QByteArray>("name");
    for (const auto& n : kOddNames)
      QTest::newRow(QByteArray::fromStdString(n).toPercentEncoding())
          << QByteArray::fromStdString(n);
    QTest::newRow("dangling link, trashed as a link") << QByteArray("dangling");
  }
  // The first row makes the trash, where it belongs and not in the working folder.
  void deleteToTrash() {
    QFETCH(QByteArray, name);
    World w;
    TestDir cwd;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(cwd.path()));
    const std::string file = name.toStdString();
    name == "dangling" ? w.dir.createLink(file, "nowhere") : w.dir.createFile(file, "content");
    QCOMPARE(fileops::ShellDelete(w.shell, w.dir / file), Outcome::Done);
    QDir::setCurrent(previous);
    QCOMPARE(entriesOf(cwd.path()), Names{});
    QVERIFY(!exists(w.dir / file));
    const std::string trashed = trashedAs(w.dir / file);
    QCOMPARE(QByteArray::fromStdString(trashed), name);
    QCOMPARE(S_ISLNK(statOf(trash_ + "/files/" + trashed).st_mode), name == "dangling");
  }

  void nothingToActOnIsSkippedSilently() {
    World w;
    w.dir.createDir("folder");
    for (const std::string& path : {w.dir / "gone.txt", w.dir / "folder", std::string()}) {
      QVERIFY(!fileops::FileExists(path));
      QCOMPARE(fileops::ShellDelete(w.shell, path), Outcome::Skipped);
    }
    QVERIFY(exists(w.dir / "folder"));
  }

  void copyAndMoveKeepNamesModeAndTime_data() {
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<bool>("move");
    for (const auto& n : kOddNames) {
      const QByteArray tag = QByteArray::fromStdString(n).toPercentEncoding();
      QTest::newRow("copy " + tag) << QByteArray::fromStdString(n) << false;
      QTest::newRow("move " + tag) << QByteArray::fromStdString(n) << true;
    }
  }
  void copyAndMoveKeepNamesModeAndTime() {
    QFETCH(QByteArray, name);
    QFETCH(bool, move);
    World w;
    const std::string from = w.dir / ("src/" + name.toStdString());
    const std::string to = w.dir / ("dst/" + name.toStdString());
    w.dir.createFile("src/" + name.toStdString(), "payload");
    w.dir.createDir("dst");
    ::chmod(from.c_str(), 0640);
    setTimes(from, 1000000000);
    QCOMPARE(copyOrMove(move, w, from, to), Outcome::Done);
    QCOMPARE(exists(from), !move);
    QCOMPARE(w.dir.read("dst/" + name.toStdString()), std::string("payload"));
    QCOMPARE(statOf(to).st_mode & 07777, 0640u);
    QCOMPARE(statOf(to).st_mtim.tv_sec, time_t{1000000000});
    QCOMPARE(entriesOf(w.dir / "dst"), Names{name.toStdString()});
  }

  // Three files onto three older ones: the answers y(es), Y(es to all), n(o), N(o to all),
  // c(ancel); the outcomes D(one), S(kipped), C(ancelled); what the targets hold: n(ew), o(ld).
  void replaceAnswersInABatch_data() {
    QTest::addColumn<bool>("move");
    QTest::addColumn<QString>("script");  // answers, outcomes, targets
    for (const bool move : {false, true}) {
      const QByteArray op = move ? "move, " : "copy, ";
      QTest::newRow(op + "yes to all") << move << QString("Y DDD nnn");
      QTest::newRow(op + "no to all") << move << QString("N SSS ooo");
      QTest::newRow(op + "no, yes, no") << move << QString("nyn SDS ono");
      QTest::newRow(op + "yes, then cancel") << move << QString("yc DC noo");
    }
  }
  void replaceAnswersInABatch() {
    QFETCH(bool, move);
    QFETCH(QString, script);
    World w;
    const QStringList expected = script.split(' ');
    for (const QChar a : expected[0]) w.dialogs.replace(Answer(QString("yYnNc").indexOf(a)));
    QString got, held;
    for (const char* name : {"a", "b", "c"}) {
      w.dir.createFile(name, "new");
      w.dir.createFile(std::string("dst/") + name, "old");
      if (!got.endsWith('C'))
        got += QLatin1Char("DFSC"[int(copyOrMove(move, w, w.dir / name, w.dir / "dst/" + name))]);
      held += w.dir.read(std::string("dst/") + name) == "new" ? 'n' : 'o';
      QCOMPARE(exists(w.dir / name), !move || !got.endsWith('D'));
    }
    QCOMPARE(got, expected[1]);
    QCOMPARE(held, expected[2]);
    QVERIFY(w.dialogs.allAnswered());
    QVERIFY(w.dialogs.shown()[0].text.find(w.dir / "dst/a") != std::string::npos);
    QCOMPARE(entriesOf(w.dir / "dst"), (Names{"a", "b", "c"}));
  }

  // Refused with one error window naming the file (the one with a NUL byte, else the
  // source); nothing in the folder changes. "|" stands for a NUL byte.
  void refusals_data() {
    QTest::addColumn<QString>("op");  // c(opy), m(ove), r(ename) or d(elete), from, to
    QTest::addColumn<QString>("reason");
    const QString same = "same file", gone = "No such file or directory", nul = "NUL byte";
    const QString special = "not a regular file", taken = "already exists", dir = "Is a directory";
    QTest::newRow("copy onto itself") << QString("c a a") << same;
    QTest::newRow("move onto a hard link") << QString("m a hard") << same;
    QTest::newRow("copy through another path") << QString("c a sub/../a") << same;
    QTest::newRow("copy, vanished") << QString("c gone sub/gone") << gone;
    QTest::newRow("move, vanished") << QString("m gone sub/gone") << gone;
    QTest::newRow("rename, vanished") << QString("r gone sub/gone") << gone;
    QTest::newRow("a name hiding its end") << QString("c gone\u202Etxt.sh\n sub/x") << gone;
    QTest::newRow("rename onto a file") << QString("r a b") << taken;
    QTest::newRow("copy of a FIFO") << QString("c fifo sub/f") << special;
    QTest::newRow("copy of a link to /dev/zero") << QString("c zero sub/z") << special;
    QTest::newRow("copy of a folder") << QString("c sub x") << dir;
    QTest::newRow("copy, NUL in the source") << QString("c a|/../b sub/a") << nul;
    QTest::newRow("move, NUL in the target") << QString("m a c|x") << nul;
    QTest::newRow("rename, NUL in the target") << QString("r a c|x") << nul;
    QTest::newRow("delete, NUL") << QString("d a|x -") << nul;
  }
  void refusals() {
    QFETCH(QString, op);
    QFETCH(QString, reason);
    const QStringList parts = op.split(' ');
    const QString from = parts[1], to = parts[2];
    World w;
    const auto path = [&](const QString& relative) {
      std::string bytes = w.dir / relative.toStdString();
      std::replace(bytes.begin(), bytes.end(), '|', '\0');
      return bytes;
    };
    w.dir.createFile("a", "keep");
    w.dir.createFile("b", "b");
    w.dir.createDir("sub");
    w.dir.createLink("zero", "/dev/zero");
    QCOMPARE(::link((w.dir / "a").c_str(), (w.dir / "hard").c_str()), 0);
    QCOMPARE(::mkfifo((w.dir / "fifo").c_str(), 0600), 0);
    const Names before = entriesOf(w.dir.path());
    w.dialogs.error();
    const std::string source = path(from), target = path(to);
    const Outcome outcome = op[0] == 'd'   ? fileops::ShellDelete(w.shell, source)
                            : op[0] == 'r' ? fileops::ShellRename(w.shell, source, target)
                                           : copyOrMove(op[0] == 'm', w, source, target);
    QCOMPARE(outcome, Outcome::Failed);
    QVERIFY(w.dialogs.allAnswered());
    const QString shown = QString::fromStdString(w.dialogs.shown()[0].text);
    QVERIFY2(shown.contains(reason) && !shown.contains(QChar(0x202E)), qPrintable(shown));
    QVERIFY2(shown.contains(platform::VisibleText(path(to.contains('|') ? to : from)).c_str()),
             qPrintable(shown));
    QCOMPARE(w.dir.read("a"), std::string("keep"));
    QCOMPARE(entriesOf(w.dir.path()), before);
    QCOMPARE(entriesOf(w.dir / "sub"), Names{});
  }

  // A copy being written has no name; cancelled or failed, it leaves nothing and the
  // file it was to replace stays as it was.
  void interruptedCopyLeavesNothing_data() {
    QTest::addColumn<bool>("cancel");
    QTest::newRow("cancelled") << true;
    QTest::newRow("disk full midway") << false;
  }
  void interruptedCopyLeavesNothing() {
    QFETCH(bool, cancel);
    World w;
    w.dir.createFile("big.bin", std::string(3 << 20, 'b'));
    w.dir.createFile("dst/big.bin", "old");
    w.dialogs.replace(Answer::Yes);
    if (!cancel) w.dialogs.error();
    w.dialogs.cancelProgressAt(cancel ? 2 : -1);
    Names during;
    w.dialogs.duringProgress = [&] { during = entriesOf(w.dir / "dst"); };
    const Outcome outcome = limited(cancel ? RLIM_INFINITY : 1 << 20, [&] {
      return fileops::ShellCopy(w.shell, w.batch, w.dir / "big.bin", w.dir / "dst/big.bin");
    });
    QCOMPARE(outcome, cancel ? Outcome::Cancelled : Outcome::Failed);
    QVERIFY(w.dialogs.allAnswered());
    if (!cancel) QVERIFY(w.dialogs.shown()[1].text.find("File too large") != std::string::npos);
    QCOMPARE(during, Names{"big.bin"});
    QCOMPARE(w.dir.read("dst/big.bin"), std::string("old"));
    QCOMPARE(entriesOf(w.dir / "dst"), Names{"big.bin"});
  }

  // What a crash left: our hidden copies untouched for a day go with the next copy.
  void staleHiddenCopiesAreRemoved() {
    World w;
    const time_t now = ::time(nullptr);
    for (const auto& [name, age] : {std::pair{"dst/.velmora-copy-1-0", 2 * 24 * 3600},
                                    {"dst/.velmora-copy-1-1", 3600},
                                    {"dst/.other-copy", 2 * 24 * 3600}}) {
      w.dir.createFile(name, "partial");
      setTimes(w.dir / name, now - age);
    }
    w.dir.createFile("a.txt", "a");
    QCOMPARE(fileops::ShellCopy(w.shell, w.batch, w.dir / "a.txt", w.dir / "dst/a.txt"),
             Outcome::Done);
    QCOMPARE(entriesOf(w.dir / "dst"), (Names{".other-copy", ".velmora-copy-1-1", "a.txt"}));
  }

  // /dev/shm is a file system of its own on most systems; no root needed.
  void moveAcrossFileSystems_data() {
    QTest::addColumn<bool>("link");
    QTest::addColumn<bool>("across");
    QTest::addColumn<int>("limit");  // bytes a write may reach, 0 for no limit
    QTest::newRow("file") << false << true << 0;
    QTest::newRow("link") << true << true << 0;
    QTest::newRow("link, same file system") << true << false << 0;
    QTest::newRow("file that does not fit: it stays") << false << true << 4;
  }
  void moveAcrossFileSystems() {
    QFETCH(bool, link);
    QFETCH(bool, across);
    QFETCH(int, limit);
    World w;
    QTemporaryDir shm("/dev/shm/velmora-test-XXXXXX");
    if (across &&
        (!shm.isValid() || statOf(shm.path().toStdString()).st_dev == statOf(w.dir.path()).st_dev))
      QSKIP("no second file system at /dev/shm");
    const std::string to = (across ? shm.path().toStdString() : w.dir.path()) + "/moved";
    link ? w.dir.createLink("it", "../some target") : w.dir.createFile("it", "content");
    ::chmod((w.dir / "it").c_str(), 0604);
    setTimes(w.dir / "it", 1000000000);
    if (limit != 0) w.dialogs.error();
    const Outcome outcome = limited(limit != 0 ? rlim_t(limit) : RLIM_INFINITY, [&] {
      return fileops::ShellMove(w.shell, w.batch, w.dir / "it", to);
    });
    QCOMPARE(outcome, limit != 0 ? Outcome::Failed : Outcome::Done);
    QVERIFY(w.dialogs.allAnswered());
    QCOMPARE(exists(w.dir / "it"), limit != 0);
    QCOMPARE(exists(to), limit == 0);
    if (limit != 0) return;
    std::error_code noLink;
    QCOMPARE(std::filesystem::read_symlink(to, noLink).string(), link ? "../some target" : "");
    if (link) return;
    QCOMPARE(statOf(to).st_mtim.tv_sec, time_t{1000000000});
    QCOMPARE(statOf(to).st_mode & 07777, 0604u);
  }

  void permissionFailures() {
    World w;
    w.dir.createFile("unreadable", "a");
    w.dir.createFile("readable", "b");
    w.dir.createDir("dst");
    w.dir.createDir("readonly");
    ::chmod((w.dir / "unreadable").c_str(), 0);
    ::chmod((w.dir / "readonly").c_str(), 0555);
    RUN_UNPRIVILEGED(shown, [&] {
      World u;
      u.dialogs.error().error();
      const Outcome a = fileops::ShellCopy(u.shell, u.batch, w.dir / "unreadable", w.dir / "dst/a");
      const Outcome b =
          fileops::ShellCopy(u.shell, u.batch, w.dir / "readable", w.dir / "readonly/b");
      if (a != Outcome::Failed || b != Outcome::Failed || !u.dialogs.allAnswered())
        return std::string();
      return u.dialogs.shown()[0].text + "\n" + u.dialogs.shown()[1].text;
    });
    QCOMPARE(QString::fromStdString(shown).count("Permission denied"), 2);
    QCOMPARE(entriesOf(w.dir / "dst"), Names{});
    QCOMPARE(entriesOf(w.dir / "readonly"), Names{});
  }

  // The user decides; a file that cannot reach the trash is never deleted silently.
  void trashThatCannotBeWritten_data() {
    QTest::addColumn<bool>("deletePermanently");
    QTest::newRow("keep it") << false;
    QTest::newRow("delete it") << true;
  }
  void trashThatCannotBeWritten() {
    QFETCH(bool, deletePermanently);
    World w;
    ::chmod(w.dir.path().c_str(), 0777);
    w.dir.createFile("stuck.txt", "s");
    const std::string info = trash_ + "/info";
    QCOMPARE(::chmod(info.c_str(), 0555), 0);
    RUN_UNPRIVILEGED(shown, [&] {
      World u;
      u.dialogs.yesNo(deletePermanently);
      const Outcome outcome = fileops::ShellDelete(u.shell, w.dir / "stuck.txt");
      return "DFSC"[int(outcome)] + (": " + u.dialogs.shown()[0].text);
    });
    ::chmod(info.c_str(), 0755);
    QCOMPARE(shown[0], deletePermanently ? 'D' : 'S');
    QVERIFY2(shown.find("cannot be moved to the trash (") != std::string::npos, shown.c_str());
    QVERIFY2(shown.find("). Delete it permanently?") != std::string::npos, shown.c_str());
    QCOMPARE(exists(w.dir / "stuck.txt"), !deletePermanently);
  }

  void openDocumentHandsOverAUrl_data() {
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<QByteArray>("url");  // empty: refused, nothing handed over
    QTest::newRow("plain") << QByteArray("/home/u/a.txt") << QByteArray("file:///home/u/a.txt");
    QTest::newRow("blank, quote, percent, hash")
        << QByteArray("/d/a b\"%#.txt") << QByteArray("file:///d/a%20b%22%25%23.txt");
    QTest::newRow("leading dash, newline")
        << QByteArray("/d/-x\ny") << QByteArray("file:///d/-x%0Ay");
    QTest::newRow("not UTF-8") << QByteArray("/d/caf\xE9") << QByteArray("file:///d/caf%E9");
    QTest::newRow("UTF-8") << QByteArray("/d/é") << QByteArray("file:///d/%C3%A9");
    QTest::newRow("address") << QByteArray("https://example.org/a?b=c")
                             << QByteArray("https://example.org/a?b=c");
    QTest::newRow("NUL") << QByteArray("/d/a\0b", 6) << QByteArray();
  }
  void openDocumentHandsOverAUrl() {
    QFETCH(QByteArray, target);
    QFETCH(QByteArray, url);
    World w;
    QCOMPARE(w.shell.OpenDocument(target.toStdString()), !url.isEmpty());
    QCOMPARE(w.launcher.urls, url.isEmpty() ? Names{} : Names{url.toStdString()});
  }

  void pickFolder_data() {
    QTest::addColumn<QString>("picked");
    QTest::addColumn<QString>("path");
    QTest::newRow("plain") << QString("/home/u/Photos") << QString("/home/u/Photos");
    QTest::newRow("trailing separator") << QString("/home/u/Photos/") << QString("/home/u/Photos");
    QTest::newRow("root") << QString("/") << QString("/");
    QTest::newRow("cancel") << QString() << QString();
  }
  void pickFolder() {
    QFETCH(QString, picked);
    QFETCH(QString, path);
    World w;
    w.dialogs.pickFolder(picked.toStdString());
    QCOMPARE(QString::fromStdString(w.shell.PickFolder("Select a folder")), path);
  }
};

QTEST_GUILESS_MAIN(TestShellOps)
#include "test_shell_ops.moc"
