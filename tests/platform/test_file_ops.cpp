#include <fcntl.h>
#include <grp.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <QtTest>

#include "platform/file_ops.h"
#include "support/faulty_fs.h"
#include "support/testdir.h"

using namespace velmora::platform;

static void setTime(const std::string& path, time_t time) {
  const struct timespec times[2] = {{time, 0}, {time, 0}};
  ::utimensat(AT_FDCWD, path.c_str(), times, 0);
}

static const std::string kBig = std::string(3 << 20, 'x') + "end";  // three writes of a copy

class TestFileOps : public QObject {
  Q_OBJECT
 private slots:
  // As a program started without standard input: descriptor 0 is handed out like any other.
  void initTestCase() { ::close(0); }

  // c(opy), m(ove), r(ename) or b(ack: moved back by Undo as if a Move To had put it at FROM)
  // FROM TO ("|": a NUL byte), faults (FaultyFileSystem), then " = " and how the error message
  // ends, "+" when the target is made all the same.
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
             "link across, unreadable:m link dst/l rename 1 EXDEV, readlink 1 EIO" + eio,
             "across, full:m a dst/a rename 1 EXDEV, write 2 ENOSPC = : No space left on device",
             "across, source stays:m a dst/a rename 1 EXDEV, unlink 0 EACCES = +but cannot remove "
             "it: Permission denied",
             "back:b a dst/a",
             "back, no no-replace renames:b a dst/a rename 1 EINVAL",
             "back across file systems, into the folder it came from:b a dst/a rename 1 EXDEV",
             "link back across:b link dst/l rename 1 EXDEV",
             "back across, full:b a dst/a rename 1 EXDEV, write 2 ENOSPC = : No space left on "
             "device",
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
    TestDir d;
    d.createFile("a", kBig), d.createFile("c");
    ::chmod((d / "a").c_str(), 0640), setTime(d / "a", 1000000000);
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
    QStringList after = tree();
    const Moved marked = part[0] == "b" ? MarkMoved(from, to) : Moved{};
    const std::size_t open = openDescriptors();
    FaultyFileSystem fs;
    fs.shortWrites = call.endsWith("short");
    fs.fail(call.section(' ', 3).toStdString());
    const Status status = part[0] == "r"   ? Rename(from, to)
                          : part[0] == "b" ? MoveBack(marked)
                                           : (part[0] == "m" ? Move : Copy)(from, to, false, {});
    QCOMPARE(status.ok(), reason.isEmpty());
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
      const std::string& shown = status.message();
      const std::string named = to.find('\0') != to.npos ? to : from;
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

  // The real system behind the planted faults (root only: test_root_smoke runs it): as nobody,
  // onto a small disk, an unreadable file and one too big are refused and leave nothing behind.
  void copyAsUserOntoAFullDisk() {
    TestDir t;
    t.createFile("unreadable", "a"), t.createFile("big", std::string(1 << 17, 'x'));
    t.createDir("dst");
    if (qEnvironmentVariableIsEmpty("VELMORA_ROOT_SMOKE") || ::geteuid() != 0 ||
        ::mount("tmpfs", (t / "dst").c_str(), "tmpfs", 0, "size=64k") != 0)
      QSKIP("a tmpfs of its own needs root");
    const auto unmount = qScopeGuard([&] { ::umount2((t / "dst").c_str(), MNT_DETACH); });
    QVERIFY(::chmod((t / "unreadable").c_str(), 0) == 0 && ::chmod((t / "dst").c_str(), 0777) == 0);
    const pid_t child = ::fork();
    if (child == 0) {  // as "nobody", for whom permissions count
      if (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(2);
      std::string reasons;  // how each failure's message ends
      for (const std::string name : {"unreadable", "big"}) {
        const std::string m = Copy(t / name, t / ("dst/" + name), false).message();
        reasons += m.substr(m.rfind(": ")) + "|";
      }
      const bool met = reasons == ": Permission denied|: No space left on device|";
      ::_exit(met ? 0 : (std::fputs(reasons.c_str(), stderr), 1));
    }
    int status = -1;
    QVERIFY(child > 0 && ::waitpid(child, &status, 0) == child);
    QCOMPARE(status, 0);
    QCOMPARE(entriesOf(t / "dst"), std::vector<std::string>{});
  }
};

QTEST_GUILESS_MAIN(TestFileOps)
#include "test_file_ops.moc"
