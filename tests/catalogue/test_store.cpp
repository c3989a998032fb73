#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QtTest>

#include "catalogue/store.h"
#include "support/testdir.h"

using namespace velmora::catalogue;
using Lines = std::vector<std::string>;

namespace {

FolderStore makeStore(const std::vector<std::pair<std::string, std::string>>& records) {
  FolderStore store;
  for (const auto& [path, tags] : records) {
    if (!store.Append(path, tags).empty()) qFatal("cannot build the store");
  }
  return store;
}

const std::string kOldText = "/old\r\nkeep,\r\n";

}  // namespace

class TestStore : public QObject {
  Q_OBJECT
 private slots:
  void formatIsTwoCrLfLinesPerFolder() {
    QCOMPARE(FormatFolders(FolderStore{}), std::string());
    const FolderStore store = makeStore({{"/Photos", "beach,family,"}, {"/Music", ""}});
    QCOMPARE(FormatFolders(store), std::string("/Photos\r\nbeach,family,\r\n/Music\r\n\r\n"));
    QCOMPARE(store.Folders(), (Lines{"Photos", "Music"}));
  }

  void parse_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("paths");
    QTest::addColumn<QStringList>("tags");
    QTest::addColumn<QStringList>("folders");
    QTest::newRow("empty file") << QByteArray() << QStringList{} << QStringList{} << QStringList{};
    QTest::newRow("two folders") << QByteArray("/Photos\r\nbeach,family,\r\n/Music\r\n\r\n")
                                 << QStringList{"/Photos", "/Music"}
                                 << QStringList{"beach,family,", ""}
                                 << QStringList{"Photos", "Music"};
    QTest::newRow("LF only") << QByteArray("/Photos\nbeach,\n/Music\n\n")
                             << QStringList{"/Photos", "/Music"} << QStringList{"beach,", ""}
                             << QStringList{"Photos", "Music"};
    QTest::newRow("CR only") << QByteArray("/a\rt,\r") << QStringList{"/a"} << QStringList{"t,"}
                             << QStringList{"a"};
    QTest::newRow("tag line missing")
        << QByteArray("/a\r\n") << QStringList{"/a"} << QStringList{""} << QStringList{"a"};
    QTest::newRow("last line unterminated")
        << QByteArray("/a\r\nt,") << QStringList{"/a"} << QStringList{"t,"} << QStringList{"a"};
    QTest::newRow("blank path line")
        << QByteArray("\r\nt,\r\n") << QStringList{""} << QStringList{"t,"} << QStringList{""};
    QTest::newRow("extra line shifts pairs")
        << QByteArray("/a\r\n\r\n\r\n/b\r\n") << QStringList{"/a", ""} << QStringList{"", "/b"}
        << QStringList{"a", ""};
    QTest::newRow("path ending in separator")
        << QByteArray("/x/\r\n\r\n") << QStringList{"/x/"} << QStringList{""} << QStringList{""};
    QTest::newRow("root shows whole")
        << QByteArray("/\r\n\r\n") << QStringList{"/"} << QStringList{""} << QStringList{"/"};
  }
  void parse() {
    QFETCH(QByteArray, text);
    QFETCH(QStringList, paths);
    QFETCH(QStringList, tags);
    QFETCH(QStringList, folders);
    const FolderStore store = ParseFolders(text.toStdString());
    const auto qt = [](const Lines& v) {
      QStringList out;
      for (const auto& s : v) out << QString::fromStdString(s);
      return out;
    };
    QCOMPARE(qt(store.Paths()), paths);
    QCOMPARE(qt(store.UserTagLines()), tags);
    QCOMPARE(qt(store.Folders()), folders);
  }

  void lineBreaksAreRefused() {
    FolderStore store = makeStore({{"/a", "x,"}});
    QVERIFY(!store.Append("/b\nc", "").empty());
    QVERIFY(!store.Append("/b", "t\r,").empty());
    QVERIFY(!store.SetUserTags(0, "new\n,").empty());
    QCOMPARE(store, makeStore({{"/a", "x,"}}));
    QVERIFY(store.SetUserTags(0, "x,Beach,").empty());
    QCOMPARE(store.UserTags(0), std::string("x,Beach,"));
  }

  void saveAndLoadRoundTrip() {
    TestDir t;
    const std::string file = StoreFileIn(t.path());
    QCOMPARE(file, t / "folders.txt");
    const FolderStore store = makeStore({{"/Photos", "beach,family,"},
                                         {"/d/caf\xE9 \xFF", ""},
                                         {"/with blank ", "a b,,c,"},
                                         {"/", "Trip,trip,"}});
    QCOMPARE(SaveFolders(store, file), std::string());
    QCOMPARE(t.read("folders.txt"), FormatFolders(store));
    FolderStore loaded;
    QCOMPARE(LoadFolders(loaded, file), std::string());
    QCOMPARE(loaded, store);

    QCOMPARE(SaveFolders(FolderStore{}, file), std::string());
    QCOMPARE(t.read("folders.txt"), std::string());
    QCOMPARE(entriesOf(t.path()), Lines{"folders.txt"});
  }

  void firstStartHasNoFolders() {
    TestDir t;
    FolderStore store;
    QCOMPARE(LoadFolders(store, t / "folders.txt"), std::string());
    QVERIFY(store.empty());
  }

  void savingKeepsThePermissions() {
    TestDir t;
    t.createFile("folders.txt", kOldText);
    QCOMPARE(::chmod((t / "folders.txt").c_str(), 0640), 0);
    QCOMPARE(SaveFolders(makeStore({{"/n", ""}}), t / "folders.txt"), std::string());
    struct stat st;
    QCOMPARE(::stat((t / "folders.txt").c_str(), &st), 0);
    QCOMPARE(st.st_mode & 07777, 0640u);
  }

  void unreadableStoreIsAnError() {
    TestDir t;
    t.createFile("folders.txt", kOldText);
    QCOMPARE(::chmod((t / "folders.txt").c_str(), 0), 0);
    RUN_UNPRIVILEGED(message, [&] {
      FolderStore store;
      return LoadFolders(store, t / "folders.txt");
    });
    QVERIFY2(message.find(t / "folders.txt") != std::string::npos, message.c_str());
    QVERIFY2(message.find("Permission denied") != std::string::npos, message.c_str());
  }

  void readOnlyFolderKeepsTheOldFile() {
    TestDir t;
    t.createFile("folders.txt", kOldText);
    QCOMPARE(::chmod(t.path().c_str(), 0555), 0);
    RUN_UNPRIVILEGED(message, [&] {
      return SaveFolders(makeStore({{"/new", ""}}), t / "folders.txt");
    });
    QVERIFY2(message.find("Permission denied") != std::string::npos, message.c_str());
    QVERIFY(message.find(t / "folders.txt") != std::string::npos);
    QCOMPARE(t.read("folders.txt"), kOldText);
    QCOMPARE(entriesOf(t.path()), Lines{"folders.txt"});
  }

  void fullDiskKeepsTheOldFile() {
    TestDir t;
    SmallFileSystem disk(t / "disk", 64 * 1024);
    if (!disk.mounted()) QSKIP(disk.skipReason().c_str());
    const std::string file = t / "disk/folders.txt";
    t.createFile("disk/folders.txt", kOldText);
    // Fill the disk, then free just enough for part of the new store.
    std::string filler(4096, 'x');
    int blocks = 0;
    while (true) {
      const int fd =
          ::open((t / ("disk/fill" + std::to_string(blocks))).c_str(), O_WRONLY | O_CREAT, 0644);
      const bool full = fd < 0 || ::write(fd, filler.data(), filler.size()) !=
                                      static_cast<ssize_t>(filler.size());
      if (fd >= 0) ::close(fd);
      if (full) break;
      ++blocks;
    }
    ::unlink((t / "disk/fill0").c_str());
    FolderStore big;
    for (int i = 0; i < 2000; ++i)
      big.Append("/some/rather/long/path/number/" + std::to_string(i), "tag,other,");
    const std::string message = SaveFolders(big, file);
    QVERIFY2(message.find("No space left on device") != std::string::npos, message.c_str());
    QCOMPARE(t.read("disk/folders.txt"), kOldText);
    for (const auto& name : entriesOf(t / "disk"))
      QVERIFY2(name.rfind("folders.txt.", 0) != 0, name.c_str());
  }
};

QTEST_GUILESS_MAIN(TestStore)
#include "test_store.moc"
