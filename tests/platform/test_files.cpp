#include <unistd.h>
#include <QtTest>

#include <cstring>
#include <fstream>
#include <memory>
#include <vector>

#include "platform/files.h"
#include "platform/memory.h"
#include "platform/paths.h"
#include "support/faulty_fs.h"
#include "support/testdir.h"

using namespace velmora::platform;

struct StoreCase {
  bool portable;
  const char *xdg, *home, *chosen;
};
Q_DECLARE_METATYPE(StoreCase)

class TestFiles : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { ::close(0); }  // as a program without standard input: 0 is reused

  // 64 MiB freed in small pieces below one still held stay resident until given back.
  void freedMemoryGoesBack() {
#if defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#define VELMORA_OWN_MALLOC
#endif
#endif
#if !defined(__GLIBC__) || defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__) || \
    defined(VELMORA_OWN_MALLOC)
    QSKIP("the C library's allocator only");
#endif
    const auto residentMib = [] {
      std::ifstream statm("/proc/self/statm");
      long pages = 0, resident = 0;
      statm >> pages >> resident;
      return resident * sysconf(_SC_PAGESIZE) / (1 << 20);
    };
    std::vector<std::unique_ptr<char[]>> pieces(1 << 16);
    for (auto& piece : pieces) {
      piece = std::make_unique<char[]>(1024);
      std::memset(piece.get(), 1, 1024);
    }
    const std::unique_ptr<char[]> last = std::move(pieces.back());  // holds the heap's top
    pieces.clear();
    const long before = residentMib();
    velmora::platform::GiveBackFreedMemory();
    QVERIFY2(before - residentMib() >= 32, qPrintable(QString::number(before)));
  }

  // Whether the copy is portable, XDG_CONFIG_HOME, HOME (nullptr: unset), and the folder chosen.
  void storeDirectory_data() {
    QTest::addColumn<StoreCase>("c");
    QTest::newRow("portable copy") << StoreCase{true, "/x", "/h", "/opt/v"};
    QTest::newRow("XDG set") << StoreCase{false, "/cfg", "/h", "/cfg/velmora"};
    QTest::newRow("default") << StoreCase{false, nullptr, "/h", "/h/.config/velmora"};
    QTest::newRow("relative XDG ignored") << StoreCase{false, "cfg", "/h", "/h/.config/velmora"};
    QTest::newRow("nowhere else") << StoreCase{false, nullptr, nullptr, "/opt/v"};
    QTest::newRow("home is the root") << StoreCase{false, nullptr, "/", "/.config/velmora"};
  }
  void storeDirectory() {
    QFETCH(StoreCase, c);
    QCOMPARE(ChooseStoreDirectory("/opt/v", c.portable, c.xdg, c.home), std::string(c.chosen));
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
};

QTEST_GUILESS_MAIN(TestFiles)
#include "test_files.moc"
