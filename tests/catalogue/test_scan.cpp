#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QtTest>
#include <functional>
#include <map>
#include <memory>
#include <random>

#include "catalogue/scan.h"
#include "support/testdir.h"

using namespace velmora;
using catalogue::ScanReport;
using platform::EntryKind;
using Paths = std::vector<std::string>;

namespace {

// A file system held in memory, listing entries in exactly the order given.
class FakeDirectories : public platform::DirectoryEnumerator {
 public:
  using Entries = std::vector<std::pair<std::string, EntryKind>>;
  // inode 0 leaves the folder's identity unknown; error is what reading it fails with.
  void add(const std::string& dir, const Entries& entries, std::uint64_t inode = 0,
           bool pseudo = false, int error = 0) {
    auto& [listing, failure] = folders_[dir];
    for (const auto& [field, kind] : entries) listing.Add(field, kind);
    if (inode != 0) listing.id = platform::FolderId{1, inode};
    listing.pseudo = pseudo;
    failure = error;
  }
  int ReadFolder(const std::string& dir, platform::FolderListing& out) const override {
    const auto it = folders_.find(dir);
    const int error = it == folders_.end() ? ENOENT : it->second.second;
    out = error != 0 ? platform::FolderListing() : it->second.first;
    return error;
  }

 private:
  std::map<std::string, std::pair<platform::FolderListing, int>> folders_;
};

constexpr EntryKind F = EntryKind::File;
constexpr EntryKind D = EntryKind::Folder;

// One walk: the tree (real when dir holds one, else fake), the path, what it yields.
// A real folder lists in an order of its own, so real walks are compared sorted.
struct Case {
  explicit Case(std::string p = {}, Paths f = {}, std::vector<ScanReport::Unreadable> u = {})
      : path(std::move(p)), files(std::move(f)), unreadable(std::move(u)) {}
  std::shared_ptr<TestDir> dir;
  FakeDirectories fake;
  std::string path;
  Paths files;
  std::vector<ScanReport::Unreadable> unreadable;
};
using MakeCase = std::function<Case()>;

Case realCase(const std::function<void(const TestDir&, Case&)>& make) {
  Case c;
  c.dir = std::make_shared<TestDir>();
  make(*c.dir, c);
  return c;
}

// A chain of folders in t, each holding a file and linking twice to the next; the second
// link one level deeper, so the first path to each folder is known.
void makeChain(const TestDir& t, Case& c) {
  std::string expected = t / "d0/";
  for (int i = 0; i < 41; ++i) {
    const std::string d = "d" + std::to_string(i), next = "d" + std::to_string(i + 1);
    t.createFile(d + "/f" + std::to_string(i));
    c.files.push_back(expected + "f" + std::to_string(i));
    if (i == 40) break;
    t.createLink(d + "/x", "../" + next);
    t.createLink(d + "/sub/y", "../../" + next);
    expected += "x/";
  }
  c.path = t / "d0";
}

// Levels of 200-byte names, each holding a file: made from each new folder's descriptor,
// since the full paths soon exceed what the system takes.
void makeDeepTree(const TestDir& t, Case& c) {
  const std::string segment(200, 'd');
  std::string path = t.path();
  int fd = ::open(t.path().c_str(), O_RDONLY | O_DIRECTORY);
  for (int level = 0; level < 41; ++level) {
    ::mkdirat(fd, segment.c_str(), 0755);
    const int sub = ::openat(fd, segment.c_str(), O_RDONLY | O_DIRECTORY);
    ::close(fd);
    fd = sub;
    ::close(::openat(fd, "f", O_CREAT | O_WRONLY, 0644));
    c.files.push_back((path += "/" + segment) + "/f");
  }
  ::close(fd);
  c.path = t.path();
}

// A few thousand folders, with links to folders joined before them in queue order: the
// list is what the tree gives without the links, folder after folder.
Case randomTree() {
  Case c("/R");
  std::mt19937 random(7);
  std::vector<std::string> dirs{"/R/"};
  for (std::size_t i = 0; i < dirs.size(); ++i) {
    FakeDirectories::Entries entries;
    const auto n = 4 + random() % 12;
    for (std::uint32_t k = 0; k < n; ++k) {
      const std::string name = "n" + std::to_string(k), path = dirs[i] + name;
      if (const auto choice = random() % 8; choice < 2 && dirs.size() < 3000) {
        entries.push_back({name, D});
        dirs.push_back(path + "/");
      } else if (choice == 2) {
        entries.push_back({name, D});
        const std::size_t target = random() % (i + 1);
        c.fake.add(path + "/", {{"never listed", F}}, target + 1);
      } else {
        entries.push_back({name, F});
        c.files.push_back(path);
      }
    }
    c.fake.add(dirs[i], entries, i + 1);
  }
  return c;
}

}  // namespace

Q_DECLARE_METATYPE(MakeCase)

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

  void walk_data() {
    QTest::addColumn<MakeCase>("make");
    QTest::newRow("files first, then subfolders level by level, in found order") << MakeCase([] {
      Case c("/F/", {"/F/b", "/F/a", "/F/S2/y", "/F/S1/Deep/x"});
      c.fake.add("/F/", {{"b", F}, {"S1", D}, {"a", F}, {"S2", D}});
      c.fake.add("/F/S1/", {{"Deep", D}});
      c.fake.add("/F/S1/Deep/", {{"x", F}});
      c.fake.add("/F/S2/", {{"y", F}});
      return c;
    });
    QTest::newRow("names as given, without NUL padding") << MakeCase([] {
      Case c("/F", {"/F/ n", "/F/pad", "/F/ lead/x", "/F/t /y"});
      c.fake.add("/F/", {{" n", F}, {{"pad\0\0", 5}, F}, {" lead", D}, {"t ", D}});
      c.fake.add("/F/ lead/", {{"x", F}});
      c.fake.add("/F/t /", {{"y", F}});
      return c;
    });
    for (const char* path : {"", "   "}) {  // never "/" and the whole disk
      QTest::addRow("empty path \"%s\"", path) << MakeCase([path] {
        Case c(path);
        c.fake.add("/", {{"etc", F}});
        c.fake.add("   /", {{"x", F}});
        return c;
      });
    }
    QTest::newRow("blanks dropped around a path that does not exist") << MakeCase([] {
      Case c(" /F ", {"/F/a"});
      c.fake.add("/F/", {{"a", F}});
      return c;
    });
    QTest::newRow("blanks are part of a name") << MakeCase([] {
      Case c("/photos ", {"/photos /a"});
      c.fake.add("/photos /", {{"a", F}});
      c.fake.add("/photos/", {{"b", F}});
      return c;
    });
    QTest::newRow("unreadable folders reported, the rest listed") << MakeCase([] {
      Case c("/F", {"/F/a", "/F/ok/b"}, {{"/F/locked", EACCES}, {"/F/gone", ENOENT}});
      c.fake.add("/F/", {{"a", F}, {"locked", D}, {"ok", D}, {"gone", D}});
      c.fake.add("/F/locked/", {{"secret", F}}, 0, false, EACCES);
      c.fake.add("/F/ok/", {{"b", F}});
      return c;
    });
    QTest::newRow("missing folder") << MakeCase([] {
      return Case("/missing/", {}, {{"/missing", ENOENT}});
    });
    QTest::newRow("a folder reached twice is read through its first path") << MakeCase([] {
      Case c("/F", {"/F/a/f", "/F/z/g"});
      c.fake.add("/F/", {{"a", D}, {"z", D}, {"z2", D}}, 1);
      c.fake.add("/F/a/", {{"f", F}, {"x", D}}, 2);
      for (const char* dir : {"/F/z/", "/F/z2/", "/F/a/x/"}) c.fake.add(dir, {{"g", F}}, 3);
      return c;
    });
    QTest::newRow("links up to the folder and to the root") << MakeCase([] {
      Case c("/F", {"/F/a", "/F/top/etc"});
      const FakeDirectories::Entries folder{{"a", F}, {"up", D}, {"top", D}};
      c.fake.add("/F/", folder, 1);
      c.fake.add("/F/up/", folder, 1);
      c.fake.add("/F/top/", {{"F", D}, {"etc", F}}, 9);  // "/"
      c.fake.add("/F/top/F/", folder, 1);
      return c;
    });
    QTest::newRow("kernel file system inside the tree") << MakeCase([] {
      Case c("/F", {"/F/a"});
      c.fake.add("/F/", {{"a", F}, {"proc", D}});
      c.fake.add("/F/proc/", {{"x", F}, {"self", D}}, 0, true);
      return c;
    });
    QTest::newRow("kernel file system as the folder: real /proc") << MakeCase([] {
      return realCase([](const TestDir&, Case& c) {
        c.path = "/proc";
        c.unreadable = {{"/proc", catalogue::kPseudoFileSystem}};
      });
    });
    QTest::newRow("real tree: odd bytes, links in and out") << MakeCase([] {
      return realCase([](const TestDir& t, Case& c) {
        for (const char* file :
             {"tree/a.txt", "tree/.profile", "tree/ lead.txt", "tree/caf\xE9 \xFF.txt",
              "tree/d\x80ir/n\x01\nline", "tree/Sub1/Deep/x.txt", "tree/Sub2/y.txt", "out/p.jpg"}) {
          t.createFile(file);
          if (std::string(file).starts_with("tree/")) c.files.push_back(t / file);
        }
        t.createFile("tree/.hidden/inside.txt");
        const std::string links[] = {"linked-file",  "a.txt",   "dangling",    "nowhere",
                                     "Sub2/to-sub1", "../Sub1", "Sub1/up",     "..",
                                     "Sub1/self",    ".",       "Sub1/root",   t / "tree",
                                     "photos",       "../out",  "Sub2/photos", "../../out"};
        for (std::size_t i = 0; i < std::size(links); i += 2)
          t.createLink("tree/" + links[i], links[i + 1]);
        c.files.insert(c.files.end(),
                       {t / "tree/linked-file", t / "tree/dangling", t / "tree/photos/p.jpg"});
        c.path = t / "tree";
      });
    });
    QTest::newRow("41 folders each linking twice to the next")
        << MakeCase([] { return realCase(makeChain); });
    QTest::newRow("deeper than the system's path limit")
        << MakeCase([] { return realCase(makeDeepTree); });
    QTest::newRow("random tree with links") << MakeCase(randomTree);
  }
  // Every walk gives the same list and report whatever the number of threads reading ahead.
  void walk() {
    QFETCH(MakeCase, make);
    Case c = make();
    const platform::DirectoryEnumerator& dirs = c.dir ? platform::SystemDirectories() : c.fake;
    if (c.dir) std::sort(c.files.begin(), c.files.end());
    for (const unsigned threads : {1u, 2u, 8u}) {
      ScanReport report;
      Paths files = catalogue::ScanFolder(c.path, dirs, threads, &report).ToVector();
      if (c.dir) std::sort(files.begin(), files.end());
      QCOMPARE(files, c.files);
      QCOMPARE(report.unreadable, c.unreadable);
    }
  }
};

QTEST_GUILESS_MAIN(TestScan)
#include "test_scan.moc"
