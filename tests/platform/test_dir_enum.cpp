#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <QtTest>

#include "platform/dir_enum.h"
#include "support/faulty_fs.h"
#include "support/testdir.h"

using namespace velmora::platform;

class TestDirEnum : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { ::close(0); }  // as a program without standard input: 0 is reused

  // A folder of files, a folder and links to each and to nowhere: what each entry is, as
  // "name:F" (folder) or "name:f", sorted; or the error. Faults: see FaultyFileSystem.
  void readFolder_data() {
    QTest::addColumn<bool>("untyped");  // no entry types
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("listed");
    const QString all = "..a:f dangling:f file:f sub:F tofile:f tosub:F";
    QTest::newRow("typed") << false << "" << all;
    QTest::newRow("untyped") << true << "" << all;
    QTest::newRow("untyped, unknown kinds are files")
        << true << "stat 0 EIO" << QString(all).replace(":F", ":f");
    QTest::newRow("no kernel file system answer") << false << "statfs 0 EIO" << all;
    QTest::newRow("not readable") << false << "open 1 EACCES" << QString("Permission denied");
    QTest::newRow("read error ends the folder") << false << "entries 1 EIO" << QString();
  }
  void readFolder() {
    QFETCH(bool, untyped);
    QFETCH(QString, fault);
    QFETCH(QString, listed);
    TestDir t;
    t.createFile("file"), t.createFile("..a"), t.createDir("sub");  // ..a: not the parent
    for (const auto& [link, target] :
         {std::pair{"tofile", "file"}, {"tosub", "sub"}, {"dangling", "x"}})
      t.createLink(link, target);
    FaultyFileSystem fs;
    fs.untyped = untyped;
    fs.fail(fault.toStdString());
    FolderListing listing;
    const Status read = ReadFolder(t.path(), listing);
    QStringList got;
    for (std::size_t i = 0; i < listing.size(); ++i)
      got << QString(listing.NameField(i).data()) +
                 (listing.Kind(i) == EntryKind::Folder ? ":F" : ":f");
    got.sort();
    QCOMPARE(read.ok() ? got.join(' ') : QString::fromStdString(read.message()), listed);
    QCOMPARE(listing.id.has_value(), read.ok() && !fault.contains("stat 0"));
  }

  // Folders at the path limit and past it, opened a piece at a time; the errors of a
  // folder missing far up, of one name longer than the limit and of a file.
  void longPaths() {
    TestDir t;
    std::string dir = t.path() + "/";
    int fd = ::open(t.path().c_str(), O_DIRECTORY);
    while (dir.size() < PATH_MAX) {  // names of up to 200 bytes until the path is PATH_MAX
      const std::size_t left = PATH_MAX - dir.size();  // a name and its separator; never 1
      const std::string name(left == 202 ? 100 : std::min<std::size_t>(left - 1, 200), 'd');
      ::mkdirat(fd, name.c_str(), 0755);
      const int next = ::openat(fd, name.c_str(), O_DIRECTORY);
      ::close(fd), fd = next, dir += name + "/";
    }
    ::mkdirat(fd, "e", 0755), ::close(::openat(fd, "e/f", O_CREAT | O_WRONLY, 0644)), ::close(fd);
    t.createFile("file");
    const std::size_t open = openDescriptors();
    for (const auto& [path, listed] : std::vector<std::pair<std::string, std::string>>{
             {dir, "e"},
             {dir + "e/", "f"},
             {dir + "/e/", "f"},  // a separator just past the limit
             {t / "x" + dir.substr(t.path().size() + 2) + "e/", "No such file or directory"},
             {"/" + std::string(PATH_MAX + 10, 'n') + "/", "File name too long"},
             {t / "file", "Not a directory"}}) {
      FolderListing listing;
      errno = EIO;
      const Status read = ReadFolder(path, listing);
      QCOMPARE(read.ok() ? std::string(listing.NameField(0).data()) : read.message(), listed);
    }
    QCOMPARE(openDescriptors(), open);
  }

  // devtmpfs, which calls itself tmpfs, found in the mount table by its device.
  void devtmpfsInTheMountTable() {
    const std::string table =
        "22 1 0:5 / /dev rw,nosuid shared:2 - devtmpfs udev rw\n"
        "23 22 0:6 / /dev/shm rw - tmpfs tmpfs rw\n"
        "24 1 0:50 / /x rw - tmpfs devtmpfs rw";  // a source of that name
    QVERIFY(ListsDevtmpfs(table, makedev(0, 5)));
    for (const dev_t other : {makedev(0, 6), makedev(0, 50), makedev(5, 0), makedev(22, 1)})
      QVERIFY(!ListsDevtmpfs(table, other));
    QVERIFY(!ListsDevtmpfs("0:5 - devtmpfs x", makedev(0, 5)));
  }
};

QTEST_GUILESS_MAIN(TestDirEnum)
#include "test_dir_enum.moc"
