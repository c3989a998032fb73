#include <QtTest>
#include <map>

#include "catalogue/scan.h"
#include "support/testdir.h"

using namespace velmora;
using Strings = std::vector<std::string>;

// A file system held in memory that lists entries in the order given, described as
// "DIR[#id|!|~]=entry|folder/|...;...": #id is the folder's identity, ! makes reading it
// fail with EACCES, ~ puts it on a kernel file system. No other folder exists.
class FakeDirectories : public platform::DirectoryEnumerator {
 public:
  explicit FakeDirectories(const QByteArray& tree) {
    for (const QByteArray& folder : tree.split(';')) {
      const qsizetype eq = folder.indexOf('='), slash = folder.lastIndexOf('/', eq);
      const QByteArray mark = folder.mid(slash + 1, eq - slash - 1);
      auto& [listing, error] = folders_[folder.left(slash + 1).toStdString()];
      for (const QByteArray& e : folder.mid(eq + 1).split('|')) {
        const bool dir = e.endsWith('/');
        if (!e.isEmpty())
          listing.Add(e.chopped(dir).toStdString(),
                      dir ? platform::EntryKind::Folder : platform::EntryKind::File);
      }
      if (mark.startsWith('#')) listing.id = platform::FolderId{1, mark.mid(1).toULongLong()};
      listing.pseudo = mark == "~";
      error = mark == "!" ? EACCES : 0;
    }
  }
  int ReadFolder(const std::string& dir, platform::FolderListing& out) const override {
    const auto it = folders_.find(dir);
    out = it == folders_.end() || it->second.second ? platform::FolderListing() : it->second.first;
    return it == folders_.end() ? ENOENT : it->second.second;
  }

 private:
  std::map<std::string, std::pair<platform::FolderListing, int>> folders_;
};

// 41 folders, each with a file named not in UTF-8 and two links to the next, the second a
// level deeper: 2^40 paths, each folder listed once, through 200-byte links far past the
// path limit. The last links to the first; a hidden folder is skipped, a dangling link listed.
static void makeChain(const TestDir& t, std::string& path, Strings& files) {
  const std::string link(200, 'x');
  std::string first = path = t / "d0/";
  for (int i = 0; i <= 40; ++i) {
    const std::string d = "d" + std::to_string(i) + "/",
                      file = "caf\xE9\n\x01 " + std::to_string(i);
    t.createFile(d + file);
    files.push_back(first + file);
    t.createLink(d + link, "../d" + std::to_string(i < 40 ? i + 1 : 0));
    if (i < 40) t.createLink(d + "sub/y", "../../d" + std::to_string(i + 1));
    first += link + "/";
  }
  t.createFile("d0/.hidden/no");
  t.createLink("d0/dangling", "nowhere");
  files.push_back(t / "d0/dangling");
}

class TestScan : public QObject {
  Q_OBJECT
 private slots:
  // tree: a fake one, "real" (the file system) or "chain"; files and unreadable by "|".
  void walk_data() {
    QTest::addColumn<QByteArray>("tree");
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<QByteArray>("files");
    QTest::addColumn<QByteArray>("unreadable");
    const auto row = [](const char* name, QByteArray tree, const char* path, const char* files,
                        const char* unreadable = "") {
      QTest::newRow(name) << tree << QByteArray(path) << QByteArray(files)
                          << QByteArray(unreadable);
    };
    row("files, then subfolders level by level, in found order",
        "/F/=b|S1/|a|S2/;/F/S1/=Deep/;/F/S1/Deep/=x;/F/S2/=y", "/F/",
        "/F/b|/F/a|/F/S2/y|/F/S1/Deep/x");
    row("names as given, without NUL padding; hidden folders not entered",
        QByteArray("/F/= n|pad\0\0| lead/|t /|.git/;/F/ lead/=x;/F/t /=y;/F/.git/=z", 61), "/F",
        "/F/ n|/F/pad|/F/ lead/x|/F/t /y");
    row("blank path: not the root", "/=etc;   /=x", "   ", "");
    row("blanks dropped around a path that does not exist", "/F/=a", " /F ", "/F/a");
    row("blanks belong to a name", "/photos /=a;/photos/=b", "/photos ", "/photos /a");
    row("unreadable folders reported, the rest listed",
        "/F/=a|locked/|ok/|gone/;/F/locked/!=secret;/F/ok/=b", "/F", "/F/a|/F/ok/b",
        "/F/locked: Permission denied|/F/gone: No such file or directory");
    row("unreadable root", "/!=", "/", "", "/: Permission denied");
    row("a folder reached again, by a link up or later in the walk, is not read again",
        "/F/#1=a/|z/|up/|top/;/F/a/#2=f|x/;/F/z/#3=g;/F/up/#1=b;/F/top/#9=F/|etc;/F/top/F/#1=c;"
        "/F/a/x/#3=g",
        "/F", "/F/a/f|/F/z/g|/F/top/etc");
    row("kernel file system inside the tree", "/F/=a|proc/;/F/proc/~=x|self/", "/F", "/F/a");
    row("real /proc", "real", "/proc", "", "/proc: a kernel file system, not listed");
    row("real: names not UTF-8, links past the path limit", "chain", "", "");
  }
  // The same list and report whatever the number of threads reading ahead.
  void walk() {
    QFETCH(QByteArray, tree);
    QFETCH(QByteArray, path);
    QFETCH(QByteArray, files);
    QFETCH(QByteArray, unreadable);
    TestDir t;
    std::string root = path.toStdString();
    Strings expected;
    for (const QByteArray& f : files.split('|'))
      if (!f.isEmpty()) expected.push_back(f.toStdString());
    if (tree == "chain") makeChain(t, root, expected);
    const bool real = tree == "real" || tree == "chain";
    const FakeDirectories fake(real ? QByteArray() : tree);
    for (const unsigned threads : {1u, 2u, 8u}) {
      catalogue::ScanReport report;
      const auto& dirs = real ? platform::SystemDirectories() : fake;
      const std::size_t open = openDescriptors();
      const catalogue::PathList scanned = catalogue::ScanFolder(root, dirs, threads, &report);
      Strings got(scanned.begin(), scanned.end());
      if (real) std::sort(got.begin(), got.end()), std::sort(expected.begin(), expected.end());
      QCOMPARE(got, expected);
      QCOMPARE(openDescriptors(), open);
      QByteArrayList reasons;
      for (const auto& [folder, error] : report.unreadable)
        reasons << QByteArray::fromStdString(folder + ": " + catalogue::UnreadableReason(error));
      QCOMPARE(reasons.join('|'), unreadable);
    }
  }
};

QTEST_GUILESS_MAIN(TestScan)
#include "test_scan.moc"
