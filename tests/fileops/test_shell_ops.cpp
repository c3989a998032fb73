#include <fcntl.h>
#include <sys/stat.h>

#include <QtTest>

#include "fileops/shell_ops.h"
#include "support/faulty_fs.h"
#include "support/scripted_dialogs.h"
#include "support/testdir.h"

using namespace velmora;

struct World {
  TestDir dir;
  ScriptedDialogs dialogs;
  RecordingLauncher launcher;
  platform::Shell shell{dialogs, launcher};
  fileops::Batch batch;
};

static struct stat statOf(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st), st;
}

static void setTime(const std::string& path, time_t time) {
  const struct timespec times[2] = {{time, 0}, {time, 0}};
  ::utimensat(AT_FDCWD, path.c_str(), times, 0);
}

static const std::string kBig = std::string(3 << 20, 'x') + "end";  // three writes of a copy

class TestShellOps : public QObject {
  Q_OBJECT
  TestDir home_;  // HOME and XDG_DATA_HOME for the whole run: GLib reads them once

 private slots:
  void initTestCase() {
    ::close(0);  // as a program started without standard input: 0 is a descriptor like any
    qputenv("HOME", QByteArray::fromStdString(home_.path()));
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(home_ / "data"));
  }

  // c(opy), m(ove) or r(ename) FROM TO ("|": a NUL byte), faults (FaultyFileSystem), then
  // " = " and how the error window's text ends, "+" when the target is made all the same.
  // A failure names the file, and leaves the source as it was and nothing else behind.
  void operations_data() {
    QTest::addColumn<QString>("op");
    const QString same = " = : source and target are the same file",
                  eio = " = : Input/output error", gone = " = : No such file or directory",
                  denied = " = : Permission denied", nul = " = : the name holds a NUL byte",
                  notFile = " = : it is not a regular file", isDir = " = : Is a directory",
                  taken = " = : a file of that name already exists";
    for (const QString& row : QStringList{
             "copy:c a dst/a",
             "short writes:c a dst/a short",
             "interrupted reads:c a dst/a read 2 EINTR",
             "an empty file:c c dst/c",
             "without unnamed files:c a dst/a open 2 EOPNOTSUPP",
             "unnamed files refused:c a dst/a open 2 EINVAL",
             "unnamed files, no folder:c a dst/a open 2 EISDIR",
             "without /proc:c a dst/a link 1 ENOENT",
             "named copy, naming fails:c a dst/a open 2 EINVAL, rename 1 EACCES" + denied,
             "without unnamed files, full:c a dst/a open 2 EOPNOTSUPP, write 2 ENOSPC = : No space "
             "left on device",
             "unreadable:c a dst/a open 1 EACCES" + denied,
             "read error:c a dst/a read 2 EIO" + eio,
             "full:c a dst/a write 3 ENOSPC = : No space left on device",
             "flush fails:c a dst/a fsync 1 EIO" + eio,
             "mode refused:c a dst/a chmod 1 EPERM = : Operation not permitted",
             "naming fails:c a dst/a link 0 EACCES" + denied,
             "close fails, yet complete and named:c a dst/a close 1 EIO = +: Input/output error",
             "onto itself:c a a" + same,
             "vanished:c gone dst/a" + gone,
             "FIFO:c fifo dst/f" + notFile,
             "link to /dev/zero:c zero dst/z" + notFile,
             "a folder:c dst x" + isDir,
             "onto a folder:c a dst" + isDir,
             "NUL in the source:c a|/../b dst/a" + nul,
             "move:m a dst/a",
             "move refused:m a dst/a rename 1 EACCES" + denied,
             "move onto a folder:m a dst" + isDir,
             "across file systems:m a dst/a rename 1 EXDEV",
             "link across:m link dst/l rename 1 EXDEV",
             "link across, refused:m link dst/l rename 1 EXDEV, symlink 1 EACCES" + denied,
             "across, full:m a dst/a rename 1 EXDEV, write 2 ENOSPC = : No space left on device",
             "across, source stays:m a dst/a rename 1 EXDEV, unlink 0 EACCES = +but cannot remove "
             "it: Permission denied",
             "rename:r a b",
             "to itself:r a a",
             "no no-replace renames:r a b rename 1 EINVAL",
             "no links either:r a b rename 1 EINVAL, link 1 EPERM",
             "taken meanwhile:r a b rename 1 EEXIST" + taken,
             "taken, as the link finds:r a b rename 1 EINVAL, link 1 EEXIST" + taken,
             "onto a hard link:r a hard" + same,
             "NUL in the target:r a b|" + nul})
      QTest::newRow(row.section(':', 0, 0).toUtf8()) << row.section(':', 1);
  }
  void operations() {
    QFETCH(QString, op);
    World w;
    const TestDir& d = w.dir;
    d.createFile("a", kBig), d.createFile("c");
    ::chmod((d / "a").c_str(), 0640);
    setTime(d / "a", 1000000000);
    QVERIFY(::link((d / "a").c_str(), (d / "hard").c_str()) == 0 &&
            ::mkfifo((d / "fifo").c_str(), 0600) == 0);
    d.createLink("zero", d.zeroDevice()), d.createLink("link", "../some target");
    // Our hidden copies: one a crash left over a day ago goes with the next copy into its
    // folder that needs a hidden copy; one ten minutes short of a day stays, and so does a
    // user's file that only begins like ours.
    for (const std::string name :
         {"dst/.velmora-copy-1-0", "dst/.velmora-copy-1-1", "dst/.velmora-copy-notes.txt"})
      d.createFile(name),
          setTime(d / name, ::time(nullptr) - (name.ends_with("1") ? 85800 : 87000));
    const auto tree = [&] {
      QStringList names;
      for (const std::string folder : {"", "dst/"})
        for (const std::string& name : entriesOf(d / folder))
          if (name != ".velmora-copy-1-0") names << QString::fromStdString(folder + name);
      return names.sort(), names;
    };
    const QString reason = op.section(" = ", 1), call = op.section(" = ", 0, 0);
    const QStringList part = call.split(' ');
    std::string from = d / part[1].toStdString(), to = d / part[2].toStdString();
    for (std::string* path : {&from, &to}) std::replace(path->begin(), path->end(), '|', '\0');
    if (!reason.isEmpty()) w.dialogs.error();
    QStringList after = tree();
    const std::size_t open = openDescriptors();
    FaultyFileSystem fs;
    fs.shortWrites = call.endsWith("short");
    fs.fail(call.section(' ', 3).toStdString());
    const platform::Status status =
        part[0] == "r" ? fileops::ShellRename(w.shell, from, to)
                       : (part[0] == "m" ? fileops::ShellMove : fileops::ShellCopy)(
                             w.shell, w.batch, from, to);
    QCOMPARE(status.ok(), reason.isEmpty());
    QVERIFY(w.dialogs.allAnswered());
    QCOMPARE(openDescriptors(), open);
    if (status.ok() || reason.startsWith('+')) after << part[2];
    if (status.ok() && part[0] != "c") after.removeOne(part[1]);
    after.removeDuplicates(), after.sort();
    QCOMPARE(tree(), after);
    const bool moved = status.ok() && part[0] != "c" && part[1] == "a";
    QCOMPARE(d.read(moved ? part[2].toStdString() : "a"), kBig);
    if (status.ok() && part[1] == "a") QCOMPARE(d.read(part[2].toStdString()), kBig);  // whole
    QCOMPARE(statOf(d / "dst/.velmora-copy-1-0").st_mode == 0, call.contains(" open 2 E"));
    if (!status.ok()) {
      const std::string shown = w.dialogs.shown()[0].text,
                        named = to.find('\0') != to.npos ? to : from;
      QVERIFY2(QString::fromStdString(shown).endsWith(reason.mid(reason.startsWith('+'))) &&
                   shown.find(named.substr(0, named.find('\0'))) != shown.npos,
               shown.c_str());
    } else if (part[1] == "a") {  // a copy keeps the permissions and the time
      QCOMPARE(statOf(to).st_mode & 07777, 0640u);
      QCOMPARE(statOf(to).st_mtim.tv_sec, time_t{1000000000});
    } else if (part[1] == "link") {
      QCOMPARE(::readlink(to.c_str(), std::string(32, 0).data(), 32), ssize_t{14});
    }
  }

  // Into the home trash; where no trash takes the file, deleted only when the user says
  // so. What is no file is skipped without a word. The name ("shm/...": where no trash is;
  // "|": a NUL byte); the answer to "Delete it permanently?" ("-": not asked), faults and
  // the end: D(one), K(ept), S(kipped), F(ailed).
  void trash_data() {
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QString>("answer");
    for (const char* row :
         {"odd name:caf\xE9 -x\n.txt:- D", "dangling link, as a link:dangling:- D",
          "a folder:folder:- S", "vanished:gone:- S", "NUL:a|b:- F", "no trash, kept:shm/a:n K",
          "no trash, deleted:shm/a:y D", "no trash, read-only:shm/a:y unlink 0 EROFS F"}) {
      const QList<QByteArray> part = QByteArray(row).split(':');
      QTest::newRow(part[0]) << QByteArray(part[1]).replace('|', '\0') << QString(part[2]);
    }
  }
  void trash() {
    QFETCH(QByteArray, name);
    QFETCH(QString, answer);
    World w;
    QTemporaryDir shm("/dev/shm/velmora-test-XXXXXX");
    const bool noTrash = name.startsWith("shm/"), made = name != "gone" && !name.contains('\0');
    if (noTrash && statOf(shm.path().toStdString()).st_dev == statOf(w.dir.path()).st_dev)
      QSKIP("no second file system at /dev/shm");
    const std::string path = noTrash ? shm.path().toStdString() + "/a" : w.dir / name.toStdString();
    if (name == "dangling" || name == "folder")
      name == "folder" ? w.dir.createDir("folder") : w.dir.createLink("dangling", "nowhere");
    else if (made)
      ::close(::creat(path.c_str(), 0644));
    if (answer[0] != '-') w.dialogs.yesNo(answer[0] == 'y');
    if (answer.endsWith('F')) w.dialogs.error();
    FaultyFileSystem fs;
    fs.fail(answer.mid(2).chopped(1).toStdString());
    const platform::Status status = fileops::ShellDelete(w.shell, path);
    QVERIFY(w.dialogs.allAnswered());
    const bool failed = !w.dialogs.shown().empty() && w.dialogs.shown().back().kind == "error";
    QCOMPARE(status.ok()         ? 'D'
             : status.NotFound() ? 'S'
             : failed            ? 'F'
                                 : 'K',
             answer.back().toLatin1());
    QCOMPARE(statOf(path).st_mode != 0, made && !answer.endsWith('D'));
    if (noTrash)
      QVERIFY(
          w.dialogs.shown()[0].text.starts_with("\"" + path + "\" cannot be moved to the trash ("));
    else if (answer.endsWith('D'))
      QCOMPARE(S_ISLNK(statOf(home_ / "data/Trash/files/" + name.toStdString()).st_mode),
               name == "dangling");
  }
};

QTEST_GUILESS_MAIN(TestShellOps)
#include "test_shell_ops.moc"
