#include <QtTest>

#include "catalogue/path_list.h"

using velmora::catalogue::PathList;

class TestPathList : public QObject {
  Q_OBJECT
 private slots:
  // Paths of every size, across many blocks, come back exactly, in order.
  void keepsEveryPathAcrossBlocks() {
    PathList list;
    std::vector<std::string> expected;
    for (std::size_t i = 0; i < 3000; ++i) {
      expected.push_back(
          std::string(i % 7 == 0 ? 0 : (i * 37) % 5000, static_cast<char>('a' + i % 26)) +
          std::to_string(i));
      list.push_back(expected.back());
    }
    expected.push_back(std::string(PathList::kMaxPath, 'z'));
    list.push_back(expected.back());
    expected.push_back("after the longest");
    list.push_back(expected.back());
    QCOMPARE(list.ToVector(), expected);

    PathList joined;
    joined.push_back("first");
    joined.Append(list);
    QCOMPARE(joined.size(), expected.size() + 1);
    QCOMPARE(joined[1], std::string_view(expected[0]));
    QCOMPARE(joined[joined.size() - 1], std::string_view("after the longest"));
  }

  void refusesAPathLongerThanABlock() {
    PathList list;
    QVERIFY_THROWS_EXCEPTION(std::length_error,
                             list.push_back(std::string(PathList::kMaxPath + 1, 'x')));
    QVERIFY(list.empty());
  }

};

QTEST_GUILESS_MAIN(TestPathList)
#include "test_path_list.moc"
