#include <dirent.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QtTest>
#include <csignal>

#include "fileops/shell_ops.h"
#include "platform/visible_text.h"
#include "support/scripted_dialogs.h"
#include "support/testdir.h"

using namespace velmora;
using fileops::FileExists;
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

std::string percentDecoded(const std::string& s) {
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '%' && i + 2 < s.size()) {
      out.push_back(static_cast<char>(std::stoi(s.substr(i + 1, 2), nullptr, 16)));
      i += 2;
    } else {
      out.push_back(s[i]);
    }
  }
  return out;
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

std::string linkOf(const std::string& path) {
  char buffer[256];
  const ssize_t n = ::readlink(path.c_str(), buffer, sizeof buffer);
  return n < 0 ? std::string() : std::string(buffer, static_cast<std::size_t>(n));
}

// Copy or move, chosen by a table column.
Outcome copyOrMove(bool move, World& w, const std::string& from, const std::string& to) {
  return (move ? fileops::ShellMove : fileops::ShellCopy)(w.shell, w.batch, from, to);
}

// Writes beyond bytes fail with EFBIG while it lives: a disk that fills midway, without root.
struct FileSizeLimit {
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, SIG_IGN);
    const struct rlimit limit = {bytes, old.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &old); }
  struct rlimit old {};
};

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
      if (lines.size() < 3 || lines[0] != "[Trash Info]" || !lines[2].startsWith("DeletionDate="))
        continue;
      if (percentDecoded(lines[1].mid(5).toStdString()) == original) {
        return info.substr(0, info.size() - std::string_view(".trashinfo").size());
      }
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

  // Must run first: the trash does not exist yet.
  void firstDeleteMakesTheTrash() {
    World w;
    TestDir cwd;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(cwd.path()));
    QVERIFY(!exists(trash_));
    w.dir.createFile("first.txt", "x");
    QCOMPARE(fileops::ShellDelete(w.shell, w.dir / "first.txt"), Outcome::Done);
    QDir::setCurrent(previous);
    QCOMPARE(trashedAs(w.dir / "first.txt"), std::string("first.txt"));
    QCOMPARE(entriesOf(cwd.path()), Names{});
    QCOMPARE(w.dialogs.summary(), std::string());
  }

  void deleteToTrash_data() {
    QTest::addColumn<QByteArray>("name");
    for (const auto& n : kOddNames)
      QTest::newRow(QByteArray::fromStdString(n).toPercentEncoding())
          << QByteArray::fromStdString(n);
    QTest::newRow("dangling link, trashed as a link") << QByteArray("dangling");
  }
  void deleteToTrash() {
    QFETCH(QByteArray, name);
    World w;
    const std::string file = name.toStdString();
    if (name == "dangling") w.dir.createLink(file, "nowhere");
    else w.dir.createFile(file, "content");
    QCOMPARE(fileops::ShellDelete(w.shell, w.dir / file), Outcome::Done);
    QVERIFY(!exists(w.dir / file));
    const std::string trashed = trashedAs(w.dir / file);
    QCOMPARE(QByteArray::fromStdString(trashed), name);
    QCOMPARE(S_ISLNK(statOf(trash_ + "/files/" + trashed).st_mode), name == "dangling");
    QCOMPARE(w.dialogs.summary(), std::string());
  }

  // The home trash is on another file system: the file goes to its own mount's trash.
  void deleteOnAnotherMount() {
    World w;
    SmallFileSystem disk(w.dir / "disk", 1 << 20, SmallFileSystem::Kind::Ext2);
    if (!disk.mounted()) QSKIP(disk.skipReason().c_str());
    w.dir.createFile("disk/away.txt", "a");
    QCOMPARE(fileops::ShellDelete(w.shell, w.dir / "disk/away.txt"), Outcome::Done);
    const std::string trash = "disk/.Trash-" + std::to_string(::getuid());
    QCOMPARE(entriesOf(w.dir / trash + "/files"), Names{"away.txt"});
    QCOMPARE(w.dir.read(trash + "/info/away.txt.trashinfo").substr(0, 26),
             std::string("[Trash Info]\nPath=away.txt"));
  }

  void nothingToActOnIsSkippedSilently() {
    World w;
    w.dir.createDir("folder");
    for (const std::string& path : {w.dir / "gone.txt", w.dir / "folder", std::string()}) {
      QVERIFY(!FileExists(path));
      QCOMPARE(fileops::ShellDelete(w.shell, path), Outcome::Skipped);
    }
    for (const auto function : {platform::FileFunction::Copy, platform::FileFunction::Move,
                                platform::FileFunction::Rename})
      QCOMPARE(w.shell.Run({function, "", w.dir / "x", 0}, w.batch), Outcome::Skipped);
    QVERIFY(exists(w.dir / "folder"));
    QCOMPARE(w.dialogs.summary(), std::string());
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
    QCOMPARE(w.dialogs.summary(), std::string());
    QCOMPARE(exists(from), !move);
    QCOMPARE(w.dir.read("dst/" + name.toStdString()), std::string("payload"));
    QCOMPARE(statOf(to).st_mode & 07777, 0640u);
    QCOMPARE(statOf(to).st_mtim.tv_sec, time_t{1000000000});
    QCOMPARE(entriesOf(w.dir / "dst"), Names{name.toStdString()});
  }

  // Three files onto three older ones, answered y(es), Y(es to all), n(o), N(o to all),
  // c(ancel); outcomes D(one), S(kipped), C(ancelled). Cancel ends the batch.
  void replaceAnswersInABatch_data() {
    QTest::addColumn<bool>("move");
    QTest::addColumn<QString>("answers");
    QTest::addColumn<QString>("outcomes");
    QTest::addColumn<QString>("targets");  // what each target holds afterwards
    for (const bool move : {false, true}) {
      const QByteArray op = move ? "move, " : "copy, ";
      QTest::newRow(op + "yes to all") << move << "Y" << "DDD" << "new new new";
      QTest::newRow(op + "no to all") << move << "N" << "SSS" << "old old old";
      QTest::newRow(op + "no, yes, no") << move << "nyn" << "SDS" << "old new old";
      QTest::newRow(op + "yes, then cancel") << move << "yc" << "DC" << "new old old";
    }
  }
  void replaceAnswersInABatch() {
    QFETCH(bool, move);
    QFETCH(QString, answers);
    QFETCH(QString, outcomes);
    QFETCH(QString, targets);
    World w;
    const std::string codes = "yYnNc";
    for (const QChar a : answers) w.dialogs.replace(Answer(codes.find(a.toLatin1())));
    QString got, held;
    for (const char* name : {"a", "b", "c"}) {
      w.dir.createFile(name, "new");
      w.dir.createFile(std::string("dst/") + name, "old");
      if (!got.endsWith('C'))
        got += QLatin1Char("DFSC"[int(copyOrMove(move, w, w.dir / name, w.dir / "dst/" + name))]);
      held += QString::fromStdString(w.dir.read(std::string("dst/") + name)) + " ";
      QCOMPARE(exists(w.dir / name), !move || !got.endsWith('D'));
    }
    QCOMPARE(got, outcomes);
    QCOMPARE(held.trimmed(), targets);
    QVERIFY(w.dialogs.allAnswered());
    QVERIFY(w.dialogs.shown()[0].text.find(w.dir / "dst/a") != std::string::npos);
    QCOMPARE(entriesOf(w.dir / "dst"), (Names{"a", "b", "c"}));
  }

  // Refused with one error window naming the file; nothing in the folder changes.
  // "|" stands for a NUL byte.
  void refusals_data() {
    QTest::addColumn<char>("op");  // c(opy), m(ove), r(ename), d(elete)
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("named");
    QTest::addColumn<QString>("reason");
    const QString same = "same file", gone = "No such file or directory";
    const QString special = "not a regular file", nul = "NUL byte";
    QTest::newRow("copy onto itself") << 'c' << "a" << "a" << "a" << same;
    QTest::newRow("move onto a hard link") << 'm' << "a" << "hard" << "a" << same;
    QTest::newRow("copy through another path") << 'c' << "a" << "sub/../a" << "a" << same;
    QTest::newRow("copy, vanished") << 'c' << "gone" << "sub/gone" << "gone" << gone;
    QTest::newRow("move, vanished") << 'm' << "gone" << "sub/gone" << "gone" << gone;
    QTest::newRow("rename, vanished") << 'r' << "gone" << "sub/gone" << "gone" << gone;
    QTest::newRow("rename onto a file") << 'r' << "a" << "b" << "a" << "already exists";
    QTest::newRow("copy of a FIFO") << 'c' << "fifo" << "sub/f" << "fifo" << special;
    QTest::newRow("copy of a link to /dev/zero") << 'c' << "zero" << "sub/z" << "zero" << special;
    QTest::newRow("copy of a folder") << 'c' << "sub" << "x" << "sub" << "Is a directory";
    QTest::newRow("copy, NUL in the source") << 'c' << "a|/../b" << "sub/a" << "a|/../b" << nul;
    QTest::newRow("move, NUL in the target") << 'm' << "a" << "c|x" << "c|x" << nul;
    QTest::newRow("rename, NUL in the target") << 'r' << "a" << "c|x" << "c|x" << nul;
    QTest::newRow("delete, NUL") << 'd' << "a|x" << "" << "a|x" << nul;
  }
  void refusals() {
    QFETCH(char, op);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, named);
    QFETCH(QString, reason);
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
    const Outcome outcome = op == 'd'   ? fileops::ShellDelete(w.shell, source)
                            : op == 'r' ? fileops::ShellRename(w.shell, source, target)
                                        : copyOrMove(op == 'm', w, source, target);
    QCOMPARE(outcome, Outcome::Failed);
    QVERIFY(w.dialogs.allAnswered());
    const QString shown = QString::fromStdString(w.dialogs.shown()[0].text);
    QVERIFY2(shown.contains(reason), qPrintable(shown));
    QVERIFY2(shown.contains(platform::VisibleText(path(named)).c_str()),
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
    if (cancel) w.dialogs.cancelProgressAt(2);
    else w.dialogs.error();
    Names during;
    w.dialogs.duringProgress = [&] { during = entriesOf(w.dir / "dst"); };
    Outcome outcome;
    {
      const FileSizeLimit limit(cancel ? RLIM_INFINITY : 1 << 20);
      outcome = fileops::ShellCopy(w.shell, w.batch, w.dir / "big.bin", w.dir / "dst/big.bin");
    }
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
    for (const char* name : {".velmora-copy-1-0", ".velmora-copy-1-1", ".other-copy"})
      w.dir.createFile(std::string("dst/") + name, "partial");
    setTimes(w.dir / "dst/.velmora-copy-1-0", now - 2 * 24 * 3600);
    setTimes(w.dir / "dst/.other-copy", now - 2 * 24 * 3600);
    setTimes(w.dir / "dst/.velmora-copy-1-1", now - 3600);
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
    if (across && (!shm.isValid() || statOf(shm.path().toStdString()).st_dev ==
                                         statOf(w.dir.path()).st_dev))
      QSKIP("no second file system at /dev/shm");
    const std::string to = (across ? shm.path().toStdString() : w.dir.path()) + "/moved";
    if (link) w.dir.createLink("it", "../some target");
    else w.dir.createFile("it", "content");
    ::chmod((w.dir / "it").c_str(), 0604);
    setTimes(w.dir / "it", 1000000000);
    if (limit != 0) w.dialogs.error();
    Outcome outcome;
    {
      const FileSizeLimit fsize(limit != 0 ? rlim_t(limit) : RLIM_INFINITY);
      outcome = fileops::ShellMove(w.shell, w.batch, w.dir / "it", to);
    }
    QCOMPARE(outcome, limit != 0 ? Outcome::Failed : Outcome::Done);
    QVERIFY(w.dialogs.allAnswered());
    QCOMPARE(exists(w.dir / "it"), limit != 0);
    QCOMPARE(exists(to), limit == 0);
    if (limit != 0) return;
    QCOMPARE(linkOf(to), std::string(link ? "../some target" : ""));
    if (link) return;
    QCOMPARE(statOf(to).st_mtim.tv_sec, time_t{1000000000});
    QCOMPARE(statOf(to).st_mode & 07777, 0604u);
  }

  void permissionFailures_data() {
    QTest::addColumn<QString>("case_");
    QTest::newRow("read-only target folder") << "readonly";
    QTest::newRow("unreadable source") << "unreadable";
  }
  void permissionFailures() {
    QFETCH(QString, case_);
    World w;
    w.dir.createFile("a.txt", "a");
    w.dir.createDir("dst");
    ::chmod((w.dir / (case_ == "readonly" ? "dst" : "a.txt")).c_str(),
            case_ == "readonly" ? 0555 : 0);
    RUN_UNPRIVILEGED(shown, [&] {
      ScriptedDialogs dialogs;
      RecordingLauncher launcher;
      platform::Shell shell(dialogs, launcher);
      platform::Batch batch;
      dialogs.error();
      static_cast<void>(fileops::ShellCopy(shell, batch, w.dir / "a.txt", w.dir / "dst/a.txt"));
      return dialogs.summary() + ": " + (dialogs.shown().empty() ? "" : dialogs.shown()[0].text);
    });
    QVERIFY2(shown.rfind("error: ", 0) == 0, shown.c_str());
    QVERIFY2(shown.find("Permission denied") != std::string::npos, shown.c_str());
    QCOMPARE(entriesOf(w.dir / "dst"), Names{});
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
      ScriptedDialogs dialogs;
      RecordingLauncher launcher;
      platform::Shell shell(dialogs, launcher);
      dialogs.yesNo(deletePermanently);
      const Outcome outcome = fileops::ShellDelete(shell, w.dir / "stuck.txt");
      return "DFSC"[int(outcome)] + (": " + dialogs.shown()[0].text);
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
    QTest::newRow("plain") << "/home/u/Photos" << "/home/u/Photos";
    QTest::newRow("trailing separator") << "/home/u/Photos/" << "/home/u/Photos";
    QTest::newRow("root") << "/" << "/";
    QTest::newRow("cancel") << "" << "";
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
