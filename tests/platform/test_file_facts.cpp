#include <QtTest>

#include "platform/file_facts.h"
#include "support/testdir.h"

using namespace velmora::platform;

class TestFileFacts : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { ::close(0); }  // as a program without standard input: 0 is reused

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
};

QTEST_GUILESS_MAIN(TestFileFacts)
#include "test_file_facts.moc"
