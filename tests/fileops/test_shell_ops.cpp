#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QtTest>

#include "fileops/shell_ops.h"
#include "support/faulty_fs.h"
#include "support/scripted_dialogs.h"
#include "support/testdir.h"

using namespace velmora;
using platform::Answer;
using Names = std::vector<std::string>;

namespace {

// One test's world: a folder, scripted dialogs and the shell over them.
struct World {
  TestDir dir;
  ScriptedDialogs dialogs;
  RecordingLauncher launcher;
  platform::Shell shell{dialogs, launcher};
  fileops::Batch batch;
};

struct stat statOf(const std::string& path) {
  struct stat st {};
  ::lstat(path.c_str(), &st);
  return st;
}
bool exists(const std::string& path) { return statOf(path).st_mode != 0; }

// "|" in a table's path stands for a NUL byte.
std::string bytes(const TestDir& dir, const QString& relative) {
  std::string path = dir / relative.toStdString();
  std::replace(path.begin(), path.end(), '|', '\0');
  return path;
}

const std::string kBig = std::string(3 << 20, 'x') + "end";  // three writes of a copy

}  // namespace

class TestShellOps : public QObject {
  Q_OBJECT
  TestDir home_;  // HOME and XDG_DATA_HOME for the whole run: GLib reads them once

 private slots:
  void initTestCase() {
    qputenv("HOME", QByteArray::fromStdString(home_.path()));
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(home_ / "data"));
  }

  // c(opy) or m(ove) FROM TO, with one call failing; the error window's text ends with
  // the reason, and nothing is left half done: the source stays, no copy is seen.
  void copyAndMove_data() {
    QTest::addColumn<QString>("op");      // c(opy) or m(ove) FROM TO, then a fault (FaultyFileSystem)
    QTest::addColumn<QString>("reason");  // how the error window's text ends; empty: done
    const auto row = [](const char* name, const char* op, const char* reason) {
      QTest::newRow(name) << QString(op) << QString(reason);
    };
    const char *full = ": No space left on device", *eio = ": Input/output error";
    const char *denied = ": Permission denied", *nul = ": the name holds a NUL byte";
    row("copy", "c a dst/a", "");
    row("copy, short writes", "c a dst/a short", "");
    row("copy without unnamed files", "c a dst/a open 3 EOPNOTSUPP", "");
    row("copy without /proc", "c a dst/a link 1 ENOENT", "");
    row("copy, source not readable", "c a dst/a open 1 EACCES", denied);
    row("copy, read-only target", "c a dst/a open 3 EROFS", ": Read-only file system");
    row("copy, read error", "c a dst/a read 2 EIO", eio);
    row("copy, disk full at the third write", "c a dst/a write 3 ENOSPC", full);
    row("copy, a write that takes nothing", "c a dst/a write 1 0", full);
    row("copy, flush fails", "c a dst/a fsync 1 EIO", eio);
    row("copy, close fails", "c a dst/a close 2 EIO", eio);
    row("copy, naming fails", "c a dst/a link 0 EACCES", denied);
    row("copy onto itself", "c a a", ": source and target are the same file");
    row("copy through another path", "c a dst/../a", "same file");
    row("copy, vanished", "c gone dst/a", ": No such file or directory");
    row("copy of a FIFO", "c fifo dst/f", ": it is not a regular file");
    row("copy of a link to /dev/zero", "c zero dst/z", ": it is not a regular file");
    row("copy of a folder", "c dst x", ": Is a directory");
    row("copy onto a folder", "c a dst", ": Is a directory");
    row("copy, NUL in the source", "c a|/../b dst/a", nul);
    row("move", "m a dst/a", "");
    row("move onto a hard link", "m a hard", "same file");
    row("move without no-replace renames", "m a dst/a rename 1 EINVAL", "");
    row("move, vanished", "m gone dst/a", ": No such file or directory");
    row("move, NUL in the target", "m a dst/|x", nul);
    row("move, refused", "m a dst/a rename 1 EACCES", denied);
    row("move across file systems", "m a dst/a rename 1 EXDEV", "");
    row("move a link across", "m link dst/l rename 1 EXDEV", "");
    row("move across, disk full", "m a dst/a rename 1 EXDEV, write 2 ENOSPC", full);
    row("move across, source stays", "m a dst/a rename 1 EXDEV, unlink 0 EACCES",
        "but cannot remove it: Permission denied");
  }
  void copyAndMove() {
    QFETCH(QString, op);
    QFETCH(QString, reason);
    World w;
    w.dir.createFile("a", kBig);
    ::chmod((w.dir / "a").c_str(), 0640);
    const struct timespec times[2] = {{1000000000, 0}, {1000000000, 0}};
    ::utimensat(AT_FDCWD, (w.dir / "a").c_str(), times, 0);
    w.dir.createDir("dst");
    w.dir.createLink("zero", "/dev/zero");
    w.dir.createLink("link", "../some target");
    QCOMPARE(::link((w.dir / "a").c_str(), (w.dir / "hard").c_str()), 0);
    QCOMPARE(::mkfifo((w.dir / "fifo").c_str(), 0600), 0);
    const QStringList part = op.split(' ');
    const std::string from = bytes(w.dir, part[1]), to = bytes(w.dir, part[2]);
    const bool move = part[0] == "m";
    if (!reason.isEmpty()) w.dialogs.error();
    const Names before = entriesOf(w.dir.path());
    FaultyFileSystem fs;
    fs.shortWrites = op.endsWith("short");
    fs.fail(op.section(' ', 3).toStdString());
    const platform::Status status = (move ? fileops::ShellMove : fileops::ShellCopy)(
        w.shell, w.batch, from, to);
    QCOMPARE(status.ok(), reason.isEmpty());
    QVERIFY(w.dialogs.allAnswered());
    QCOMPARE(exists(from), part[1] != "gone" && (!move || !status.ok()));
    if (status.ok()) {
      QCOMPARE(entriesOf(w.dir / "dst"), Names{part[2].mid(4).toStdString()});
      char content[32] = {};
      if (part[1] == "link") {
        QCOMPARE(::readlink(to.c_str(), content, sizeof content), ssize_t{14});
        return;
      }
      QCOMPARE(w.dir.read(part[2].toStdString()), kBig);
      QCOMPARE(statOf(to).st_mode & 07777, 0640u);
      QCOMPARE(statOf(to).st_mtim.tv_sec, time_t{1000000000});
      return;
    }
    const std::string shown = w.dialogs.shown()[0].text;
    QVERIFY2(QString::fromStdString(shown).endsWith(reason), shown.c_str());
    QVERIFY2(shown.find(platform::Quoted(to.find('\0') != to.npos ? to : from)) != shown.npos,
             shown.c_str());
    QCOMPARE(w.dir.read("a"), kBig);
    QCOMPARE(entriesOf(w.dir.path()), before);
    // A copy whose close fails is complete and named; the source of a move stays.
    QCOMPARE(entriesOf(w.dir / "dst").size(), op.contains("close") || reason.contains("remove"));
  }

  // Three files onto three older ones: the answers y(es), Y(es to all), n(o), N(o to all),
  // c(ancel); how each ended: D(one), K(ept), C(ancelled); what the targets hold: n(ew), o(ld).
  void replaceAnswersInABatch_data() {
    QTest::addColumn<bool>("move");
    QTest::addColumn<QString>("script");  // answers, endings, targets
    for (const bool move : {false, true}) {
      const QByteArray op = move ? "move, " : "copy, ";
      QTest::newRow(op + "yes to all") << move << QString("Y DDD nnn");
      QTest::newRow(op + "no to all") << move << QString("N KKK ooo");
      QTest::newRow(op + "no, yes, no") << move << QString("nyn KDK ono");
      QTest::newRow(op + "yes, then cancel") << move << QString("yc DC noo");
    }
    QTest::newRow("copy, cancelled midway") << false << QString("y! C ooo");
  }
  void replaceAnswersInABatch() {
    QFETCH(bool, move);
    QFETCH(QString, script);
    World w;
    const QStringList expected = script.split(' ');
    for (const QChar a : expected[0]) {
      if (a == '!') w.dialogs.cancelProgressAt(2);
      else w.dialogs.replace(Answer(QString("yYnNc").indexOf(a)));
    }
    QString got, held;
    for (const char* name : {"a", "b", "c"}) {
      w.dir.createFile(name, kBig);
      w.dir.createFile(std::string("dst/") + name, "old");
      if (!got.endsWith('C')) {
        const auto status = (move ? fileops::ShellMove : fileops::ShellCopy)(
            w.shell, w.batch, w.dir / name, w.dir / "dst/" + name);
        got += status.ok() ? 'D' : status.error() == ECANCELED ? 'C' : 'K';
      }
      held += w.dir.read(std::string("dst/") + name) == "old" ? 'o' : 'n';
    }
    QCOMPARE(got, expected[1]);
    QCOMPARE(held, expected[2]);
    QVERIFY(w.dialogs.allAnswered());
    QCOMPARE(w.dialogs.shown()[0].text,
             "A file named \"" + w.dir / "dst/a" + "\" already exists. Replace it?");
    QCOMPARE(entriesOf(w.dir / "dst"), (Names{"a", "b", "c"}));
  }

  void rename_data() {
    QTest::addColumn<QString>("op");      // FROM TO, then a fault
    QTest::addColumn<QString>("reason");  // empty: done
    const QString taken = ": a file of that name already exists";
    QTest::newRow("plain") << "a b" << "";
    QTest::newRow("to itself") << "a a" << "";
    QTest::newRow("without no-replace renames") << "a b rename 1 EINVAL" << "";
    QTest::newRow("without links either") << "a b rename 1 EINVAL, link 1 EPERM" << "";
    QTest::newRow("taken meanwhile") << "a b rename 1 EEXIST" << taken;
    QTest::newRow("taken meanwhile, by a link") << "a b rename 1 EINVAL, link 1 EEXIST" << taken;
    QTest::newRow("onto a file") << "a c" << taken;
    QTest::newRow("onto a hard link") << "a h" << ": source and target are the same file";
    QTest::newRow("vanished") << "gone b" << ": No such file or directory";
    QTest::newRow("refused") << "a b rename 1 EACCES" << ": Permission denied";
    QTest::newRow("NUL") << "a b|" << ": the name holds a NUL byte";
  }
  void rename() {
    QFETCH(QString, op);
    QFETCH(QString, reason);
    World w;
    w.dir.createFile("a", "a");
    w.dir.createFile("c", "c");
    QCOMPARE(::link((w.dir / "a").c_str(), (w.dir / "h").c_str()), 0);
    if (!reason.isEmpty()) w.dialogs.error();
    FaultyFileSystem fs;
    fs.fail(op.section(' ', 2).toStdString());
    const platform::Status status =
        fileops::ShellRename(w.shell, bytes(w.dir, op.section(' ', 0, 0)), bytes(w.dir, op.section(' ', 1, 1)));
    QCOMPARE(status.ok(), reason.isEmpty());
    QVERIFY(w.dialogs.allAnswered());
    QCOMPARE(w.dir.read(op.section(' ', status.ok() ? 1 : 0, status.ok() ? 1 : 0).toStdString()),
             std::string(op.startsWith("gone") ? "" : "a"));
    if (!status.ok())
      QVERIFY2(QString::fromStdString(w.dialogs.shown()[0].text).endsWith(reason),
               w.dialogs.shown()[0].text.c_str());
  }

  // Into the home trash, or, where no trash takes the file, deleted only when the user
  // says so. What FileExists says is no file is skipped without a word.
  void trash_data() {
    QTest::addColumn<QByteArray>("name");  // "shm/..." lies where no trash is
    QTest::addColumn<QString>("answer");   // to "Delete it permanently?": y, n, - (not asked)
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("ending");  // D(one), K(ept), S(kipped), F(ailed: shown)
    QTest::newRow("odd name") << QByteArray("caf\xE9 -x\n.txt") << "-" << "" << "D";
    QTest::newRow("dangling link, as a link") << QByteArray("dangling") << "-" << "" << "D";
    QTest::newRow("a folder") << QByteArray("folder") << "-" << "" << "S";
    QTest::newRow("vanished") << QByteArray("gone") << "-" << "" << "S";
    QTest::newRow("NUL") << QByteArray("a\0b", 3) << "-" << "" << "F";
    QTest::newRow("no trash, kept") << QByteArray("shm/a") << "n" << "" << "K";
    QTest::newRow("no trash, deleted") << QByteArray("shm/a") << "y" << "" << "D";
    QTest::newRow("no trash, read-only") << QByteArray("shm/a") << "y" << "unlink 0 EROFS" << "F";
  }
  void trash() {
    QFETCH(QByteArray, name);
    QFETCH(QString, answer);
    QFETCH(QString, fault);
    QFETCH(QString, ending);
    World w;
    QTemporaryDir shm("/dev/shm/velmora-test-XXXXXX");
    const bool noTrash = name.startsWith("shm/");
    if (noTrash && statOf(shm.path().toStdString()).st_dev == statOf(w.dir.path()).st_dev)
      QSKIP("no second file system at /dev/shm");
    const std::string path =
        noTrash ? shm.path().toStdString() + "/a" : w.dir / name.toStdString();
    if (name == "dangling") w.dir.createLink("dangling", "nowhere");
    else if (name == "folder") w.dir.createDir("folder");
    const bool made = name != "gone" && !name.contains('\0');
    if (made && name != "dangling" && name != "folder") ::close(::creat(path.c_str(), 0644));
    if (answer != "-") w.dialogs.yesNo(answer == "y");
    if (ending == "F") w.dialogs.error();
    FaultyFileSystem fs;
    fs.fail(fault.toStdString());
    const platform::Status status = fileops::ShellDelete(w.shell, path);
    QVERIFY(w.dialogs.allAnswered());
    QCOMPARE(QString(status.ok() ? 'D' : status.error() == ENOENT ? 'S'
                     : w.dialogs.summary().ends_with("error") ? 'F' : 'K'), ending);
    QCOMPARE(exists(path), made && ending != "D");
    if (answer != "-")
      QCOMPARE(w.dialogs.shown()[0].text,
               "\"" + path + "\" cannot be moved to the trash (Trashing on system internal "
               "mounts is not supported). Delete it permanently?");
    if (ending == "D" && !noTrash)
      QCOMPARE(S_ISLNK(statOf(home_ / "data/Trash/files/" + name.toStdString()).st_mode),
               name == "dangling");
  }

  // What a crash left: our hidden copies untouched for a day go with the next copy.
  void staleHiddenCopiesAreRemoved() {
    World w;
    const time_t now = ::time(nullptr);
    for (const auto& [name, age] : {std::pair{"dst/.velmora-copy-1-0", 2 * 24 * 3600},
                                    {"dst/.velmora-copy-1-1", 3600},
                                    {"dst/.other-copy", 2 * 24 * 3600}}) {
      w.dir.createFile(name, "partial");
      const struct timespec times[2] = {{now - age, 0}, {now - age, 0}};
      ::utimensat(AT_FDCWD, (w.dir / name).c_str(), times, 0);
    }
    w.dir.createFile("a.txt", "a");
    QVERIFY(fileops::ShellCopy(w.shell, w.batch, w.dir / "a.txt", w.dir / "dst/a.txt").ok());
    QCOMPARE(entriesOf(w.dir / "dst"), (Names{".other-copy", ".velmora-copy-1-1", "a.txt"}));
  }

  void openDocumentHandsOverAUrl_data() {
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<QByteArray>("url");  // empty: refused, nothing handed over
    QTest::newRow("blank, quote, percent, hash, dash, newline")
        << QByteArray("/d/-a b\"%#\n.txt") << QByteArray("file:///d/-a%20b%22%25%23%0A.txt");
    QTest::newRow("not UTF-8, UTF-8") << QByteArray("/d/caf\xE9é") << QByteArray("file:///d/caf%E9%C3%A9");
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

  void pickFolderTrimsTheSeparator() {
    World w;
    for (const char* picked : {"/home/u/Photos//", "/", ""}) w.dialogs.pickFolder(picked);
    for (const char* path : {"/home/u/Photos", "/", ""})
      QCOMPARE(w.shell.PickFolder("Select a folder"), std::string(path));
  }
};

QTEST_GUILESS_MAIN(TestShellOps)
#include "test_shell_ops.moc"
