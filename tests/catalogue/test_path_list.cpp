#include <QtTest>

#include "catalogue/path_list.h"

using velmora::catalogue::PathList;

class TestPathList : public QObject {
  Q_OBJECT
 private slots:
  // Paths of every size, across many blocks and folders, come back exactly, in order.
  void keepsEveryPathAcrossBlocks() {
    PathList list;
    std::vector<std::string> expected;
    for (std::size_t i = 0; i < 3000; ++i) {
      const std::string folder = i % 5 == 0 ? "" : "/d" + std::to_string(i / 7) + "/";
      expected.push_back(folder + std::string((i * 37) % 3000, static_cast<char>('a' + i % 26)) +
                         std::to_string(i));
      list.push_back(expected.back());
    }
    expected.push_back("/x/" + std::string(PathList::kMaxPart, 'z'));
    list.push_back(expected.back());
    expected.push_back("/x/after the longest");
    list.push_back(expected.back());
    expected.push_back("/ends/with/");
    list.push_back(expected.back());
    QCOMPARE(list.ToVector(), expected);
    QCOMPARE(list.Name(list.size() - 1), std::string_view());
    QCOMPARE(list.Folder(list.size() - 1), std::string_view("/ends/with/"));

    PathList joined;
    joined.push_back("/first/a");
    joined.Append(list);
    QCOMPARE(joined.size(), expected.size() + 1);
    QCOMPARE(joined[1], expected[0]);
    QCOMPARE(joined[joined.size() - 2], std::string("/x/after the longest"));
  }

  void sharesFolders() {
    PathList list;
    const auto folder = list.AddFolder("/photos/2009/");
    list.AddFile(folder, "a.jpg");
    list.AddFile(folder, "b.jpg");
    QCOMPARE(list[1], std::string("/photos/2009/b.jpg"));
    QCOMPARE(list.Folder(0), list.Folder(1));
  }

  void refusesAPartLongerThanABlock() {
    PathList list;
    QVERIFY_THROWS_EXCEPTION(std::length_error,
                             list.push_back("/" + std::string(PathList::kMaxPart + 1, 'x')));
  }
};

QTEST_GUILESS_MAIN(TestPathList)
#include "test_path_list.moc"
