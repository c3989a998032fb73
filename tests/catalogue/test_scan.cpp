#include <QtTest>
#include <condition_variable>
#include <mutex>

#include "catalogue/scan.h"
#include "support/faulty_fs.h"
#include "support/testdir.h"

using namespace velmora;
using Strings = std::vector<std::string>;

// Lays out "DIR[!|?]=file|folder/|link>target|...;..." in t; returns the faults that fail
// opening a folder marked ! with EACCES, one marked ? with ENOENT (gone since listed).
static std::string layOut(const TestDir& t, const QByteArray& tree) {
  std::string faults;
  for (const QByteArray& folder : tree.split(';')) {
    const qsizetype eq = folder.indexOf('=');
    std::string dir = folder.left(eq).toStdString();
    if (const char mark = dir.empty() ? 0 : dir.back(); mark == '!' || mark == '?')
      dir.pop_back(), faults += "open:" + dir + (mark == '!' ? "/ 0 EACCES, " : "/ 0 ENOENT, ");
    if (!dir.empty()) t.createDir(dir);
    for (const QByteArray& e : folder.mid(eq + 1).split('|')) {
      const std::string entry = dir + "/" + e.toStdString(),
                        link = entry.substr(0, entry.find('>'));
      if (e.isEmpty()) continue;
      link != entry     ? t.createLink(link, entry.substr(link.size() + 1))
      : e.endsWith('/') ? t.createDir(entry)
                        : t.createFile(entry);
    }
  }
  return faults;
}

static bool Shallower(const std::string& a, const std::string& b) {
  return std::count(a.begin(), a.end(), '/') < std::count(b.begin(), b.end(), '/');
}

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
  // As a program started without standard input: descriptor 0 is handed out like any other.
  void initTestCase() { ::close(0); }

  // tree: see layOut, or "chain"; path: in the test's folder unless absolute or blank;
  // files and unreadable folders by "|", sorted.
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
    row("files, then subfolders level by level", "F=b|S1/|a|S2/;F/S1=Deep/;F/S1/Deep=x;F/S2=y",
        "F/", "F/S1/Deep/x|F/S2/y|F/a|F/b");
    row("names as given; hidden folders not entered",
        "F= n|pad| lead/|t /|.git/;F/ lead=x;F/t =y;F/.git=z", "F", "F/ lead/x|F/ n|F/pad|F/t /y");
    row("blank path: not the root", "", "   ", "");
    row("blanks dropped around a path that does not exist", "F=a", " F ", "F/a");
    row("blanks belong to a name", "photos =a;photos=b", "photos ", "photos /a");
    row("unreadable folders reported, the rest listed", "F=a|ok/;F/locked!=secret;F/gone?=;F/ok=b",
        "F", "F/a|F/ok/b", "F/gone: No such file or directory|F/locked: Permission denied");
    row("unreadable root", "F!=", "F", "", "F: Permission denied");
    row("a folder reached again, by a link up or later in the walk, is not read again",
        "F=up>.|a/|z/;F/a=f|x>../z;F/z=g", "F", "F/a/f|F/z/g");
    row("kernel file system inside the tree", "F=a|proc>/proc", "F", "F/a");
    row("real /proc", "", "/proc", "", "/proc: a kernel file system, not listed");
    row("real: names not UTF-8, links past the path limit", "chain", "", "");
  }
  // The same list and report whatever the number of threads reading ahead.
  void walk() {
    QFETCH(QByteArray, tree);
    QFETCH(QByteArray, path);
    QFETCH(QByteArray, files);
    TestDir t;
    std::string root = path.toStdString();
    if (!path.startsWith('/') && !path.trimmed().isEmpty())
      root.insert(root.find_first_not_of(' '), t.path() + "/");
    Strings expected;
    for (const QByteArray& f : files.split('|'))
      if (!f.isEmpty()) expected.push_back(t / f.toStdString());
    FaultyFileSystem fs;
    tree == "chain" ? makeChain(t, root, expected) : fs.fail(layOut(t, tree));
    std::sort(expected.begin(), expected.end());
    Strings single, singleEntering;  // as one reader lists them, and the folders it reads
    for (const unsigned threads : {1u, 2u, 8u}) {
      catalogue::ScanReport report;
      const std::size_t open = openDescriptors();
      const catalogue::PathList scanned = catalogue::ScanFolder(root, threads, &report);
      Strings got(scanned.begin(), scanned.end());
      QVERIFY(std::is_sorted(got.begin(), got.end(), Shallower));  // level by level
      QCOMPARE(got, threads == 1 ? single = got : single);
      std::sort(got.begin(), got.end());
      QCOMPARE(got, expected);
      QCOMPARE(openDescriptors(), open);
      QByteArrayList reasons;
      for (const auto& [folder, reason] : report.unreadable)
        reasons << QByteArray::fromStdString(folder + ": " + reason.message())
                       .replace(QByteArray::fromStdString(t.path() + "/"), "");
      std::sort(reasons.begin(), reasons.end());
      QTEST(reasons.join('|'), "unreadable");
      // Streamed: the same files, each after its folder; a receiver that waits holds up only
      // its own thread, while the others read every folder. Folders are entered in the
      // order one reader enters them.
      std::mutex m;
      std::condition_variable entered;
      bool waited = true, ordered = true;
      Strings streamed, told, entering;
      catalogue::ScanStream s;
      s.entering = [&](const std::string& dir) {
        const std::lock_guard lock(m);
        entering.push_back(dir);
        entered.notify_all();
      };
      s.folder = [&](const std::string& dir, const auto&) { told.push_back(dir); };
      s.files = [&](catalogue::PathList&& piece) {
        std::unique_lock lock(m);
        if (threads > 1 && streamed.empty())
          waited = entered.wait_for(lock, std::chrono::seconds(20),
                                    [&] { return entering.size() >= singleEntering.size(); });
        for (const std::string file : piece)  // its folder told once, before it
          ordered &= std::count(told.begin(), told.end(), file.substr(0, file.rfind('/') + 1)) == 1,
              streamed.push_back(file);
      };
      QVERIFY(catalogue::StreamFolder(root, s, threads));
      QVERIFY(waited && ordered);
      QCOMPARE(streamed, single);
      QCOMPARE(entering, threads == 1 ? singleEntering = entering : singleEntering);
    }
    std::stop_source stop;  // a walk stopped before it starts hands nothing over, and says so
    stop.request_stop();
    catalogue::ScanStream stream;
    stream.stop = stop.get_token();
    stream.files = [](catalogue::PathList&&) { QFAIL("handed over"); };
    QVERIFY(!catalogue::StreamFolder(root, stream));
  }
};

QTEST_GUILESS_MAIN(TestScan)
#include "test_scan.moc"
