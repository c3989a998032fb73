#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <fstream>

#include <QtTest>

#include "platform/dir_enum.h"
#include "platform/file_facts.h"
#include "platform/files.h"
#include "platform/folder_watch.h"
#include "platform/paths.h"
#include "platform/visible_text.h"
#include "support/faulty_fs.h"
#include "support/testdir.h"

using namespace velmora::platform;

// Folder watches the kernel holds for this process.
static int KernelWatches() {
  int n = 0;
  for (const std::string& fd : entriesOf("/proc/self/fdinfo")) {
    std::ifstream in("/proc/self/fdinfo/" + fd);
    for (std::string line; std::getline(in, line);) n += line.starts_with("inotify wd:");
  }
  return n;
}

class TestFiles : public QObject {
  Q_OBJECT
 private slots:
  // As a program started without standard input: descriptor 0 is handed out like any other.
  void initTestCase() { ::close(0); }

  // Whether the copy is portable, XDG_CONFIG_HOME, HOME ("-": unset), and the folder chosen.
  void storeDirectory_data() {
    QTest::addColumn<QByteArrayList>("v");
    for (const QByteArray& row :
         QByteArray("portable copy: portable /x /h /opt/v;XDG set: - /cfg /h /cfg/velmora;default: "
                    "- - /h /h/.config/velmora;relative XDG ignored: - cfg /h /h/.config/velmora;"
                    "nowhere else: - - - /opt/v;home is the root: - - / /.config/velmora")
             .split(';'))
      QTest::newRow(row.split(':')[0]) << row.mid(row.indexOf(": ") + 2).split(' ');
  }
  void storeDirectory() {
    QFETCH(QByteArrayList, v);
    const auto arg = [&](int i) { return v[i] == "-" ? nullptr : v[i].constData(); };
    QCOMPARE(ChooseStoreDirectory("/opt/v", v[0] != "-", arg(1), arg(2)), v[3].toStdString());
  }
  // An installed copy (its metainfo file found) makes its folder, parents first.
  void installedStoreDirectoryIsMade() {
    TestHome home;
    qunsetenv("XDG_CONFIG_HOME");
    FaultyFileSystem fs;
    fs.fail("access 1 0");
    QCOMPARE(StoreDirectory(), home / ".config/velmora");
    QCOMPARE(entriesOf(home / ".config"), std::vector<std::string>{"velmora"});
  }

  // A folder of files, a folder and links to each and to nowhere: what each entry is, as
  // "name:F" (folder) or "name:f", sorted; or the error. Faults: see FaultyFileSystem.
  void readFolder_data() {
    QTest::addColumn<QString>("fault");  // "untyped": no entry types
    QTest::addColumn<QString>("listed");
    const QString all = "..a:f dangling:f file:f sub:F tofile:f tosub:F";
    QTest::newRow("typed") << "" << all;
    QTest::newRow("untyped") << "untyped" << all;
    QTest::newRow("untyped, unknown kinds are files")
        << "untyped stat 0 EIO" << QString(all).replace(":F", ":f");
    QTest::newRow("no kernel file system answer") << "statfs 0 EIO" << all;
    QTest::newRow("not readable") << "open 1 EACCES" << QString("Permission denied");
    QTest::newRow("read error ends the folder") << "entries 1 EIO" << QString();
  }
  void readFolder() {
    QFETCH(QString, fault);
    QFETCH(QString, listed);
    TestDir t;
    t.createFile("file"), t.createFile("..a"), t.createDir("sub");  // ..a: not the parent
    for (const auto& [link, target] :
         {std::pair{"tofile", "file"}, {"tosub", "sub"}, {"dangling", "x"}})
      t.createLink(link, target);
    FaultyFileSystem fs;
    fs.untyped = fault.startsWith("untyped");
    fs.fail(fault.remove("untyped").toStdString());
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

  // A file's folder, also in the root and without one, and the program's own; a path
  // without its trailing separators, the root kept; a file written whole gives back every
  // descriptor; a folder is told from a file, a link to one, nothing and a name holding
  // NUL; a failed read leaves nothing read.
  void parentFolderAndFailedRead() {
    QCOMPARE(ParentFolder("/a") + ParentFolder("a") + ParentFolder("/x/y"), "/./x");
    QCOMPARE(WithoutTrailingSeparator("//") + WithoutTrailingSeparator("/a//"), "//a");
    QCOMPARE(ApplicationDirectory(), QCoreApplication::applicationDirPath().toStdString());
    TestDir t;
    const std::size_t open = openDescriptors();
    QVERIFY(ReplaceFile(t / "f", "some bytes").ok() && openDescriptors() == open);
    t.createLink("l", t.path());
    const std::pair<std::string, char> folders[] = {
        {t / "l", 'y'}, {t / "f", 'f'}, {t / "no", 'n'}, {t / std::string(1, 0), '?'}};
    for (const auto& [path, kind] : folders) {
      const Status is = IsFolder(path);
      QCOMPARE(is.ok() ? 'y' : is.NotAFolder() ? 'f' : is.NotFound() ? 'n' : '?', kind);
    }
    FaultyFileSystem fs;
    fs.fail("read 2 EIO");
    std::string bytes = "old";
    QVERIFY(!ReadWholeFile(t / "f", bytes, 100).ok() && bytes.empty());
  }

  // A watch let go takes only its own events along. A watched folder removed is told once by
  // its parent, by name, and once by itself, and is forgotten; its going does not take the
  // watch made again on the same path. The kernel lets go too.
  void watchesLetGo() {
    const int before = KernelWatches();
    TestDir t;
    t.createDir("a/sub");
    const std::unique_ptr<FolderWatcher> w = MakeFolderWatcher();
    const std::string sub = t / "a/sub/";
    QVERIFY(w->Watch(t / "a/").status.ok() && w->Watch(sub).status.ok() && w->Unwatch(sub));
    t.createFile("a/x");
    std::vector<FolderEvent> events;
    for (int i = 0; i < 3 && events.empty(); ++i) events = w->Wait(std::chrono::seconds(2));
    QVERIFY(!events.empty() && events[0].kind == FolderEvent::Kind::Added);
    QVERIFY(std::all_of(events.begin(), events.end(), [](const auto& e) { return e.name == "x"; }));
    QVERIFY(w->Watch(sub).status.ok() && ::rmdir(sub.c_str()) == 0);
    QVERIFY(::mkdir(sub.c_str(), 0700) == 0 && w->Watch(sub).status.ok());
    QStringList told;  // all at hand: the kernel queued them as each call returned
    for (const FolderEvent& e : w->Wait(std::chrono::milliseconds(100)))
      told << QString("%1 %2%3 %4")
                  .arg(int(e.kind))
                  .arg(e.folder.c_str(), e.name.c_str())
                  .arg(e.isFolder);
    told.sort();
    using K = FolderEvent::Kind;
    const QString gone = QString::fromStdString(t / "a/sub");
    QCOMPARE(told, (QStringList{QString("%1 %2 1").arg(int(K::Added)).arg(gone),
                                QString("%1 %2 1").arg(int(K::Removed)).arg(gone),
                                QString("%1 %2/ 1").arg(int(K::SelfGone)).arg(gone)}));
    QVERIFY(w->Unwatch(sub) && w->Watch(sub).status.ok() && ::rmdir(sub.c_str()) == 0);
    (void)w->Wait(std::chrono::milliseconds(100));
    QVERIFY(!w->Unwatch(sub));  // forgotten once gone
    QCOMPARE(KernelWatches(), before + 1);
  }

  // Facts of names in a folder: a dangling link as itself; a name gone, empty or holding a
  // NUL byte not known; no fd kept.
  void readFacts() {
    TestDir t;
    t.createFile("d/a", "123"), t.createLink("d/l", "nowhere");
    const std::size_t open = openDescriptors();
    using namespace std::string_view_literals;
    const std::string_view names[] = {"", "a\0x"sv, "a", "l", "gone"};
    FileFacts facts[5];
    ReadFacts(t / "d", names, facts);
    QCOMPARE(openDescriptors(), open);
    const struct stat a = statOf(t / "d/a");
    QVERIFY(!facts[0].Known() && !facts[1].Known());  // never the facts of "a"
    QCOMPARE(facts[2], (FileFacts{3, a.st_mtim.tv_sec * 1'000'000'000 + a.st_mtim.tv_nsec}));
    QVERIFY(facts[3].size == 7 && !facts[4].Known());
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

  // Whatever could hide or fake a name is shown escaped.
  void visibleText() {
    const std::string bytes =
        "Été \xF0\x9F\x93\xB7 inv\xE2\x80\xAEtxt a\xE2\x81\xA6"
        "b\xE2\x80\x8B "
        "\n\t\x1B x\xC2\x85 caf\xE9 \xC0\xAF \xED\xA0\x80 " +
        std::string(1, '\0') + "a\xE2\x80 \x7F\xE2\x81\xA0";
    QCOMPARE(VisibleText(bytes),
             "Été \xF0\x9F\x93\xB7 inv\\u202Etxt a\\u2066b\\u200B \\n\\t\\u001B x\\u0085 "
             "caf\\xE9 \\xC0\\xAF \\xED\\xA0\\x80 \\u0000a\\xE2\\x80 \\u007F\\u2060");
    const std::string x(119, 'x');  // a long path is cut before the character at its limit
    QCOMPARE(ShortVisiblePath(x + "\xC3\xA9y"), x + "...");
  }
};

QTEST_GUILESS_MAIN(TestFiles)
#include "test_files.moc"
