#include <QtTest>

#include <thread>

#include "catalogue/path_list.h"

using velmora::catalogue::PathList;
using Strings = std::vector<std::string>;

class TestPathList : public QObject {
  Q_OBJECT
 private slots:
  // A folder of 16 bytes and names of 16 fill each 1 MiB block to its last byte; over
  // 2 MiB of names come back exactly, and so do the longest name and folder and an empty
  // name.
  void keepsEveryPath() {
    PathList list;
    const std::string folder = "/photos/2009/ab/";
    const std::uint32_t dir = list.AddFolder(folder);
    const auto name = [](std::size_t i) { return std::to_string(i + 10000000000) + ".jpeg"; };
    const std::size_t count = (std::size_t{2} << 20) / 16 + 3;
    std::string scratch;
    for (std::size_t i = 0; i < count; ++i) list.AddFile(dir, name(i));
    list.push_back("/x/" + std::string(PathList::kMaxPart, 'z'));
    for (const char* path : {"/x/after the longest", "/ends/with/"}) list.push_back(path);
    for (std::size_t i = 0; i < count; ++i)
      if (list.Folder(i, scratch) != folder || list.Name(i) != name(i)) QFAIL(list[i].c_str());
    QCOMPARE(list.Name(count).size(), PathList::kMaxPart);
    QCOMPARE(list[count + 1], std::string("/x/after the longest"));
    QCOMPARE(list[count + 2], std::string("/ends/with/"));
    QVERIFY(list.Name(count + 2).empty());
    PathList full;  // a block filled to its last byte, then an empty name
    const std::uint32_t root = full.AddFolder("/");
    full.AddFile(root, std::string(PathList::kMaxPart, 'n')), full.AddFile(root, "");
    QCOMPARE(full[1], std::string("/"));
    using velmora::catalogue::DisplayNameOf;
    QCOMPARE(DisplayNameOf("/") + DisplayNameOf("/a/photos") + DisplayNameOf("a"), "/photosa");
    QVERIFY_THROWS_EXCEPTION(std::length_error,
                             list.push_back("/" + std::string(PathList::kMaxPart + 1, 'x')));
    QVERIFY_THROWS_EXCEPTION(std::length_error,
                             list.AddFolder(std::string(PathList::kMaxPart + 1, '/')));
    const std::string longest(PathList::kMaxPart, '/');
    QCOMPARE(list.FolderText(list.AddFolder(longest), scratch), longest);
  }

  // Folders come back again after others, and lists are joined where the first's last
  // folder goes on; a copy keeps what it held while the list grows on.
  void foldersByRuns() {
    PathList list;
    for (const char* path : {"/a/1", "/a/2", "/b/3", "/a/4", "/c/5", "/c/6"}) list.push_back(path);
    PathList more;
    for (const char* path : {"/c/7", "/d/8", "/d/9"}) more.push_back(path);
    const PathList held = list;
    list.Append(std::move(more));
    QVERIFY(more.empty());
    list.push_back("/d/10");
    QCOMPARE(held.size(), std::size_t{6});
    QCOMPARE(held[5], std::string("/c/6"));
    std::string got;
    for (std::size_t i = 0; i < list.size(); ++i)
      got +=
          std::to_string(list.FolderOf(i)) + list[i] + ">" + std::to_string(list.RunEnd(i)) + " ";
    QCOMPARE(got, std::string("0/a/1>2 0/a/2>2 1/b/3>3 2/a/4>4 3/c/5>7 3/c/6>7 3/c/7>7 "
                              "4/d/8>10 4/d/9>10 4/d/10>10 "));
    std::string runs;
    list.ForEachRun(1, 8, [&](std::size_t first, std::size_t end, std::uint32_t k) {
      runs += std::to_string(first) + "-" + std::to_string(end) + ":" + std::to_string(k) + " ";
    });
    QCOMPARE(runs, std::string("1-2:0 2-3:1 3-4:2 4-7:3 7-8:4 "));
    QCOMPARE(list.FolderNumbers(), (std::vector<std::uint32_t>{0, 0, 1, 2, 3, 3, 3, 4, 4, 4}));
  }

  // Long folders, kept by the start they share with one before: every path comes back
  // whole, added by folder, path by path, or joined from two lists at any point. Folders
  // end with the separator, as those the walk adds do.
  void longFoldersComeBackWhole_data() {
    QTest::addColumn<Strings>("folders");
    QTest::addColumn<std::size_t>("bytes");
    const std::string top = "/" + std::string(200, 't') + "/";
    const std::string other = "/" + std::string(200, 'o') + "/";
    // Below 128 bytes in common, or a rest over 256, a folder is kept whole.
    QTest::newRow("below one top")
        << Strings{top, top + "a/", top + "a/b/", top + "c/", top} << std::size_t{202 + 2 + 4 + 2};
    QTest::newRow("above the top")
        << Strings{top + "x/", top, top.substr(0, 140) + "/", top.substr(0, 126) + "/", top + "y/"}
        << std::size_t{204 + 0 + 1 + 127 + 204};
    QTest::newRow("a long rest starts anew")
        << Strings{top + "a/", top + std::string(255, 'r') + "/", top + std::string(257, 'r') + "/",
                   top + std::string(257, 'r') + "/s/", top + "b/"}
        << std::size_t{204 + 256 + 460 + 2 + 2};
    QTest::newRow("little in common")
        << Strings{top, other, other + "p/", top + "q/", "/" + std::string(300, 't') + "/"}
        << std::size_t{202 + 202 + 2 + 204 + 101};
    const std::string edge = "/" + std::string(126, 'e') + "/";  // 128 bytes
    QTest::newRow("128 in common")
        << Strings{edge + "v/", edge, edge + "w/"} << std::size_t{130 + 0 + 2};
    QTest::newRow("short folders") << Strings{"/a/", "/a/b/", "/", "/a/", "/c/"} << std::size_t{15};
  }
  void longFoldersComeBackWhole() {
    QFETCH(Strings, folders);
    Strings paths;
    for (std::size_t k = 0; k < folders.size(); ++k)
      for (int n = 0; n < 2; ++n) paths.push_back(folders[k] + "f" + std::to_string(k * 2 + n));
    const auto check = [&](const PathList& list, const char* how) {
      std::string scratch, path;
      for (std::size_t i = 0; i < paths.size(); ++i) {
        path.clear();
        list.AppendPath(i, path);
        const std::string& folder = folders[i / 2];
        const std::uint32_t k = list.FolderOf(i);
        if (list[i] != paths[i] || path != paths[i] || list.Folder(i, scratch) != folder ||
            !list.FolderIs(k, folder) || list.FolderIs(k, "x" + folder.substr(1)) ||
            list.FolderIs(k, folder + "x") || list.FolderIs(k, folder.substr(0, folder.size() - 1)))
          QFAIL((how + (": " + paths[i])).c_str());
      }
    };
    PathList byFolder;
    for (std::size_t k = 0; k < folders.size(); ++k) {
      const std::uint32_t folder = byFolder.AddFolder(folders[k]);
      byFolder.AddFile(folder, paths[k * 2].substr(folders[k].size()));
      byFolder.AddFile(folder, paths[k * 2 + 1].substr(folders[k].size()));
    }
    check(byFolder, "by folder");
    std::string scratch;
    for (std::size_t k = 0; k < folders.size(); ++k)
      QCOMPARE(std::string(byFolder.FolderText(k, scratch)), folders[k]);
    QFETCH(std::size_t, bytes);  // what the folders' texts take, kept
    QCOMPARE(byFolder.FolderBytes(), bytes);
    for (std::size_t split = 0; split <= paths.size(); ++split) {
      PathList first, second;
      for (std::size_t i = 0; i < paths.size(); ++i)
        (i < split ? first : second).push_back(paths[i]);
      const PathList copy = first;
      first.Append(std::move(second));
      check(first, "joined");
      QCOMPARE(copy.size(), split);
    }
  }

  // A copy read on another thread while the list grows on past many blocks of folders and
  // pieces of names, as the kept-list writer reads the shown list's copy.
  void copyReadWhileGrowing() {
    const auto path = [](std::size_t i) {
      return "/folder " + std::string(40, 'f') + std::to_string(i / 3) + "/Name" +
             std::to_string(i);
    };
    PathList list;
    for (std::size_t i = 0; i < 30000; ++i) list.push_back(path(i));
    const PathList copy = list;
    std::size_t wrong = 0;
    std::thread reader([&] {
      for (std::size_t i = 0; i < copy.size(); ++i) wrong += copy[i] != path(i);
    });
    for (std::size_t i = 30000; i < 90000; ++i) list.push_back(path(i));
    PathList more;
    for (std::size_t i = 90000; i < 100000; ++i) more.push_back(path(i));
    list.Append(std::move(more));
    reader.join();
    QCOMPARE(wrong, std::size_t{0});
    QCOMPARE(copy.size(), std::size_t{30000});
    for (std::size_t i = 0; i < list.size(); i += 997) QCOMPARE(list[i], path(i));
  }
};

QTEST_GUILESS_MAIN(TestPathList)
#include "test_path_list.moc"
