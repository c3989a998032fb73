#include <sys/stat.h>

#include <QtTest>
#include <functional>

#include "catalogue/listing_cache.h"
#include "support/faulty_fs.h"
#include "support/testdir.h"

using namespace velmora::catalogue;
using Strings = std::vector<std::string>;
using Edit = std::function<void(std::string&)>;
Q_DECLARE_METATYPE(Edit)

static PathList ListOf(const Strings& paths) {
  PathList list;
  for (const std::string& path : paths) list.push_back(path);
  return list;
}

// Past the first piece, with a folder split across two.
static Strings Many() {
  Strings paths;
  for (int i = 0; i < 5000; ++i)
    paths.push_back("/f/d" + std::to_string(i / 3000) + "/n" + std::to_string(i));
  return paths;
}

// The bytes of a listing of folder "/f" holding files, as written.
static std::string Written(const PathList& files) {
  TestDir dir;
  return WriteListing(dir / "f.list", "/f", files).ok() ? dir.read("f.list") : std::string();
}

static PathList OneFile(const char* folder, const char* name) {
  PathList list;
  list.AddFile(list.AddFolder(folder), name);
  return list;
}

static auto Read(const std::string& file, const std::string& folder, Strings& out) {
  return ReadListing(file, folder, [&](PathList&& piece) {
    return out.insert(out.end(), piece.begin(), piece.end()), true;
  });
}

class TestListingCache : public QObject {
  Q_OBJECT
 private slots:
  // As a program started without standard input: descriptor 0 is handed out like any other.
  void initTestCase() { ::close(0); }

  void roundTrip_data() {
    QTest::addColumn<Strings>("paths");
    QTest::newRow("empty folder") << Strings{};
    QTest::newRow("odd names") << Strings{"/f/\xff\xfe.bin", "/f/line\nbreak", "/f/ x ", "/f/s/x"};
    QTest::newRow("pieces") << Many();
  }
  void roundTrip() {
    QFETCH(Strings, paths);
    TestDir dir;
    const std::string file = dir / "c/v/f.list";
    QVERIFY(WriteListing(file, "/f", ListOf(paths)).ok());
    Strings read;
    QVERIFY(Read(file, "/f", read).ok());
    QCOMPARE(read, paths);
    QCOMPARE(statOf(file).st_mode & 0777, 0600u);
    QCOMPARE(statOf(dir / "c/v").st_mode & 0777, 0700u);
    QCOMPARE(entriesOf(dir / "c/v"), Strings{"f.list"});
  }

  // Whatever is wrong with the file, it is refused for what it is; the pieces handed over
  // before the fault are the start of the listing, as written.
  void refuses_data() {
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<std::string>("folder");  // read as
    QTest::addColumn<QString>("why");
    const auto row = [](const char* name, const char* why, Edit edit) {
      QTest::newRow(name) << edit << std::string("/f") << QString(why);
    };
    row("empty", "cut short", [](std::string& b) { b.clear(); });
    row("not a listing", "not a listing", [](std::string& b) { b.assign(40, 'x'); });
    row("cut in the header", "cut short", [](std::string& b) { b.resize(20); });
    row("cut in a piece", "cut short", [](std::string& b) { b.resize(b.size() / 2); });
    row("cut by a byte", "cut short", [](std::string& b) { b.pop_back(); });
    row("a byte more", "damaged", [](std::string& b) { b += '\0'; });
    row("a bit flipped in a name", "damaged", [](std::string& b) { b[b.size() / 2] ^= 1; });
    row("a count changed", "damaged", [](std::string& b) { b[17] ^= 1; });
    row("a version from the future", "another version", [](std::string& b) { b[8] = 2; });
    row("a piece larger than the file", "cut short", [](std::string& b) { b[37] = 0x0f; });
    row("a folder outside", "damaged", [](std::string& b) { b = Written(ListOf({"/f/../g/x"})); });
    row("a name with a separator", "damaged",
        [](std::string& b) { b = Written(OneFile("/f/", "../x")); });
    row("an empty name", "damaged", [](std::string& b) { b = Written(OneFile("/f/s/", "")); });
    QTest::newRow("another folder's")
        << Edit([](std::string&) {}) << std::string("/g") << QString("another folder");
  }
  void refuses() {
    QFETCH(Edit, edit);
    QFETCH(std::string, folder);
    QFETCH(QString, why);
    TestDir dir;
    const Strings paths = Many();
    QVERIFY(WriteListing(dir / "f.list", "/f", ListOf(paths)).ok());
    std::string bytes = dir.read("f.list");
    edit(bytes);
    dir.createFile("f.list", bytes);
    Strings read;
    const auto status = Read(dir / "f.list", folder, read);
    QVERIFY(!status.ok() && !status.NotFound());
    QVERIFY2(QString::fromStdString(status.message()).contains(why), status.message().c_str());
    QVERIFY(read.size() <= paths.size() && std::equal(read.begin(), read.end(), paths.begin()));
  }

  // A write that fails or is stopped says so and leaves the listing kept before as it was,
  // with no file of its own left behind.
  void failedWriteKeepsTheOld() {
    for (const char* faults :
         {"open 0 EACCES", "write 2 ENOSPC", "close 0 EIO", "rename 0 EPERM", "stopped"}) {
      TestDir dir;
      QVERIFY(WriteListing(dir / "f.list", "/f", ListOf({"/f/old"})).ok());
      {
        FaultyFileSystem fs;
        fs.fail(faults);  // "stopped" plants no fault
        std::stop_source stop;
        if (std::string_view(faults) == "stopped") stop.request_stop();
        QVERIFY2(!WriteListing(dir / "f.list", "/f", ListOf(Many()), stop.get_token()).ok(),
                 faults);
      }
      Strings read;
      QVERIFY(Read(dir / "f.list", "/f", read).ok() && read == Strings{"/f/old"});
      QCOMPARE(entriesOf(dir.path()), Strings{"f.list"});
    }
  }

  // A folder others may write to, or a link to one, is not used: nothing is read, written or
  // removed there.
  void untrustedFolder() {
    TestDir dir;
    QVERIFY(WriteListing(dir / "c/f.list", "/f", ListOf({"/f/a"})).ok());
    QCOMPARE(::symlink("c", (dir / "l").c_str()), 0);
    for (const std::string folder : {"c", "l"}) {
      QCOMPARE(::chmod((dir / "c").c_str(), folder == "c" ? 0777 : 0700), 0);
      Strings read;
      QVERIFY2(Read(dir / folder + "/f.list", "/f", read).Untrusted() && read.empty(),
               folder.c_str());
      QVERIFY(WriteListing(dir / folder + "/f.list", "/f", ListOf({"/f/b"})).Untrusted());
      QCOMPARE(entriesOf(dir / "c"), Strings{"f.list"});
    }
  }

  // What is no file is refused unread: a pipe would wait for a writer.
  void refusesWhatIsNoFile() {
    TestDir dir;
    QCOMPARE(::mkfifo((dir / "pipe").c_str(), 0600), 0);
    dir.createFile("folder/f.list");
    for (const char* name : {"pipe", "folder"}) {
      Strings read;
      const auto status = Read(dir / name, "/f", read);
      QVERIFY2(status.message().ends_with("not a regular file"), name);
    }
  }
};

QTEST_MAIN(TestListingCache)
#include "test_listing_cache.moc"
