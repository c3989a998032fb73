#include <QtTest>

#include "catalogue/path_list.h"

using velmora::catalogue::PathList;

class TestPathList : public QObject {
  Q_OBJECT
 private slots:
  // A folder of 16 bytes and names of 16 fill each 1 MiB block to its last byte; over
  // 2 MiB of names come back exactly, and so do the longest name and an empty one.
  void keepsEveryPath() {
    PathList list;
    const std::string folder = "/photos/2009/ab/";
    const std::uint32_t dir = list.AddFolder(folder);
    const auto name = [](std::size_t i) { return std::to_string(i + 10000000000) + ".jpeg"; };
    const std::size_t count = (std::size_t{2} << 20) / 16 + 3;
    for (std::size_t i = 0; i < count; ++i) list.AddFile(dir, name(i));
    list.push_back("/x/" + std::string(PathList::kMaxPart, 'z'));
    for (const char* path : {"/x/after the longest", "/ends/with/"}) list.push_back(path);
    for (std::size_t i = 0; i < count; ++i)
      if (list.Folder(i) != folder || list.Name(i) != name(i)) QFAIL(list[i].c_str());
    QCOMPARE(list.Name(count).size(), PathList::kMaxPart);
    QCOMPARE(list[count + 1], std::string("/x/after the longest"));
    QCOMPARE(list[count + 2], std::string("/ends/with/"));
    QVERIFY(list.Name(count + 2).empty());
    PathList full;  // a block filled to its last byte, then an empty name
    const std::uint32_t root = full.AddFolder("/");
    full.AddFile(root, std::string(PathList::kMaxPart, 'n'));
    full.AddFile(root, "");
    QCOMPARE(full[1], std::string("/"));
    using velmora::catalogue::DisplayNameOf;
    QCOMPARE(DisplayNameOf("/") + DisplayNameOf("/a/photos") + DisplayNameOf("a"), "/photosa");
    QVERIFY_THROWS_EXCEPTION(std::length_error,
                             list.push_back("/" + std::string(PathList::kMaxPart + 1, 'x')));
  }
};

QTEST_GUILESS_MAIN(TestPathList)
#include "test_path_list.moc"
