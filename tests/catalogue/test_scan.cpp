#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QtTest>
#include <map>
#include <random>

#include "catalogue/scan.h"
#include "support/testdir.h"

using namespace velmora;
using catalogue::ScanFolder;
using platform::EntryKind;
using Paths = std::vector<std::string>;

namespace {

// A file system held in memory, listing entries in exactly the order given.
class FakeDirectories : public platform::DirectoryEnumerator {
 public:
  struct Entry {
    std::string field;
    EntryKind kind;
  };
  void add(const std::string& dir, std::vector<Entry> entries, std::uint64_t inode = 0) {
    folders_[dir] = {std::move(entries), inode};
  }
  int ReadFolder(const std::string& dir, platform::FolderListing& out) const override {
    out.Clear();
    const auto it = folders_.find(dir);
    if (it == folders_.end()) return ENOENT;
    if (it->second.inode != 0) out.id = platform::FolderId{1, it->second.inode};
    for (const Entry& e : it->second.entries) out.Add(e.field, e.kind);
    return 0;
  }

 private:
  struct Folder {
    std::vector<Entry> entries;
    std::uint64_t inode;
  };
  std::map<std::string, Folder> folders_;
};

constexpr EntryKind F = EntryKind::File;
constexpr EntryKind D = EntryKind::Folder;

Paths scan(const std::string& path, const platform::DirectoryEnumerator& dirs,
           unsigned threads = 1) {
  return ScanFolder(path, dirs, threads).ToVector();
}

Paths scanReal(const std::string& path, unsigned threads = 2) {
  return ScanFolder(path, platform::SystemDirectories(), threads).ToVector();
}

Paths sorted(Paths p) {
  std::sort(p.begin(), p.end());
  return p;
}

std::size_t depthOf(const std::string& path) {
  return static_cast<std::size_t>(std::count(path.begin(), path.end(), '/'));
}

}  // namespace

class TestScan : public QObject {
  Q_OBJECT
 private slots:
  void trimAtNul_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("padding") << QByteArray("a.txt\0\0\0", 8) << QByteArray("a.txt");
    QTest::newRow("stale bytes after NUL") << QByteArray("ab\0old", 6) << QByteArray("ab");
    QTest::newRow("no NUL") << QByteArray("abc") << QByteArray("abc");
    QTest::newRow("leading NUL kept") << QByteArray("\0abc", 4) << QByteArray("\0abc", 4);
    QTest::newRow("empty") << QByteArray() << QByteArray();
  }
  void trimAtNul() {
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, expected);
    const auto out = catalogue::TrimAtNul(
        std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
    QCOMPARE(QByteArray(out.data(), static_cast<qsizetype>(out.size())), expected);
  }

  void filesBeforeSubfoldersInFoundOrder() {
    FakeDirectories fs;
    fs.add("/F/", {{"b.txt", F}, {"Sub", D}, {"a.txt", F}});
    fs.add("/F/Sub/", {{"c.txt", F}});
    QCOMPARE(scan("/F", fs), (Paths{"/F/b.txt", "/F/a.txt", "/F/Sub/c.txt"}));
  }

  void levelByLevel() {
    FakeDirectories fs;
    fs.add("/F/", {{"Sub1", D}, {"Sub2", D}});
    fs.add("/F/Sub1/", {{"Deep", D}});
    fs.add("/F/Sub1/Deep/", {{"x.txt", F}});
    fs.add("/F/Sub2/", {{"y.txt", F}});
    QCOMPARE(scan("/F", fs), (Paths{"/F/Sub2/y.txt", "/F/Sub1/Deep/x.txt"}));
  }

  void rootPathForms_data() {
    QTest::addColumn<QString>("path");
    QTest::newRow("plain") << "/F";
    QTest::newRow("trailing separator") << "/F/";
    QTest::newRow("surrounding blanks") << "  /F  ";
    QTest::newRow("blanks and separator") << " /F/ ";
  }
  void rootPathForms() {
    QFETCH(QString, path);
    FakeDirectories fs;
    fs.add("/F/", {{"a", F}});
    QCOMPARE(scan(path.toStdString(), fs), (Paths{"/F/a"}));
  }

  void namesAreUsedExactly() {
    FakeDirectories fs;
    fs.add("/F/", {{" notes.txt", F},
                   {std::string("pad.txt\0\0\0", 10), F},
                   {".profile", F},
                   {".git", D},
                   {".hidden dir", D},
                   {" lead", D},
                   {"trail ", D}});
    fs.add("/F/.git/", {{"HEAD", F}});
    fs.add("/F/ lead/", {{"x", F}});
    fs.add("/F/trail /", {{"y", F}});
    QCOMPARE(scan("/F", fs),
             (Paths{"/F/ notes.txt", "/F/pad.txt", "/F/.profile", "/F/ lead/x", "/F/trail /y"}));
  }

  void unreadableFolderIsPassedOver() {
    FakeDirectories fs;
    fs.add("/F/", {{"gone", D}, {"ok", D}, {"a", F}});
    fs.add("/F/ok/", {{"b", F}});
    QCOMPARE(scan("/F", fs), (Paths{"/F/a", "/F/ok/b"}));
    QCOMPARE(scan("/missing", fs), Paths{});
  }

  // An empty path must not turn into "/" and walk the whole disk.
  void emptyPathListsNothing() {
    FakeDirectories fs;
    fs.add("/", {{"etc", F}});
    QCOMPARE(scan("", fs), Paths{});
    QCOMPARE(scan("   ", fs), Paths{});
  }

  void linkBackIntoTheWalkIsNotEntered() {
    FakeDirectories fs;
    fs.add("/F/", {{"a", F}, {"loop", D}, {"side", D}}, 1);
    fs.add("/F/loop/", {{"a", F}, {"loop", D}}, 1);  // same folder as /F/
    fs.add("/F/side/", {{"b", F}, {"back", D}}, 2);
    fs.add("/F/side/back/", {{"c", F}}, 2);  // the folder itself
    QCOMPARE(scan("/F", fs), (Paths{"/F/a", "/F/side/b"}));
  }

  // Reading ahead on several threads must not change a single position.
  void threadsGiveTheSameList() {
    FakeDirectories fs;
    std::mt19937 random(7);
    std::vector<std::string> dirs{"/R/"};
    for (std::size_t i = 0; i < dirs.size() && dirs.size() < 3000; ++i) {
      std::vector<FakeDirectories::Entry> entries;
      const auto n = 4 + random() % 12;
      for (std::uint32_t k = 0; k < n; ++k) {
        const std::string name = "n" + std::to_string(k);
        if (random() % 3 == 0) {
          entries.push_back({name, D});
          dirs.push_back(dirs[i] + name + "/");
        } else {
          entries.push_back({name, F});
        }
      }
      fs.add(dirs[i], std::move(entries), i + 1);
    }
    const Paths serial = scan("/R", fs, 1);
    QVERIFY(serial.size() > 1000);
    for (unsigned threads : {2u, 3u, 8u}) QCOMPARE(scan("/R", fs, threads), serial);
  }

  void realTreeBreadthFirst() {
    TestDir t;
    t.createFile("a.txt");
    t.createFile(".profile");
    t.createFile(".hidden/inside.txt");
    t.createFile("Sub1/Deep/x.txt");
    t.createFile("Sub1/Deep/Deeper/z.txt");
    t.createFile("Sub2/y.txt");
    t.createFile(" lead.txt");
    t.createDir("empty");
    t.createLink("linked-file", "a.txt");
    t.createLink("dangling", "nowhere");
    t.createLink("Sub2/to-sub1", "../Sub1");
    const Paths found = scanReal(t.path());
    const Paths expected = {t / " lead.txt",
                            t / ".profile",
                            t / "Sub1/Deep/Deeper/z.txt",
                            t / "Sub1/Deep/x.txt",
                            t / "Sub2/to-sub1/Deep/Deeper/z.txt",
                            t / "Sub2/to-sub1/Deep/x.txt",
                            t / "Sub2/y.txt",
                            t / "a.txt",
                            t / "dangling",
                            t / "linked-file"};
    QCOMPARE(sorted(found), expected);
    QVERIFY(std::is_sorted(
        found.begin(), found.end(),
        [](const std::string& a, const std::string& b) { return depthOf(a) < depthOf(b); }));
    QCOMPARE(scanReal(t.path(), 1), found);
  }

  void realLinkLoopsEnd() {
    TestDir t;
    t.createFile("top.txt");
    t.createFile("Sub/in.txt");
    t.createLink("Sub/up", "..");
    t.createLink("Sub/up2", "../");
    t.createLink("Sub/self", ".");
    t.createLink("Sub/root", t.path());
    const Paths expected = {t / "Sub/in.txt", t / "top.txt"};
    QCOMPARE(sorted(scanReal(t.path())), expected);
  }

  void namesThatAreNotUtf8() {
    TestDir t;
    const std::string odd = "caf\xE9 \xFF\xFE.txt";
    const std::string oddDir = "d\x80ir";
    t.createFile(odd);
    t.createFile(oddDir + "/" + "n\x01\nline");
    const Paths expected = {t / odd, t / oddDir + "/n\x01\nline"};
    QCOMPARE(sorted(scanReal(t.path())), sorted(expected));
  }

  void unreadableSubfolderIsSkipped() {
    TestDir t;
    t.createFile("a.txt");
    t.createFile("locked/secret.txt");
    t.createFile("open/b.txt");
    QCOMPARE(::chmod((t / "locked").c_str(), 0), 0);
    RUN_UNPRIVILEGED(result, [&] {
      std::string out;
      for (const auto& p : sorted(scanReal(t.path()))) out += p + '\n';
      return out;
    });
    QCOMPARE(result, t / "a.txt\n" + t / "open/b.txt\n");
  }

  // Deeper than the longest path the system takes: the walk lists what it can reach and ends.
  void treeDeeperThanThePathLimit() {
    TestDir t;
    const std::string segment(200, 'd');
    // Made step by step from each new folder, since the full paths are too long to use.
    int fd = ::open(t.path().c_str(), O_RDONLY | O_DIRECTORY);
    for (int level = 0; level < 30; ++level) {  // about 6000 bytes
      QCOMPARE(::mkdirat(fd, segment.c_str(), 0755), 0);
      const int sub = ::openat(fd, segment.c_str(), O_RDONLY | O_DIRECTORY);
      ::close(fd);
      fd = sub;
      ::close(::openat(fd, "f", O_CREAT | O_WRONLY, 0644));
    }
    ::close(fd);
    const Paths found = scanReal(t.path());
    QVERIFY(!found.empty());
    QVERIFY(found.size() < 30);
    for (const auto& p : found) QVERIFY(p.size() < 4096 + 256);
  }
};

QTEST_GUILESS_MAIN(TestScan)
#include "test_scan.moc"
