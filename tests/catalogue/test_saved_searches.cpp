#include <sys/stat.h>

#include <QtTest>

#include "catalogue/saved_searches.h"
#include "support/testdir.h"

using namespace velmora::catalogue;

static SavedSearch named(const char* name, const char* folder) {
  SavedSearch search;
  search.name = name, search.folder = folder;
  return search;
}

class TestSavedSearches : public QObject {
  Q_OBJECT
 private slots:
  // Any bytes come back exactly, and the text holds no byte that is not UTF-8 nor a control byte
  // but the lines' ends.
  void roundTrip() {
    const std::vector<SavedSearch> searches{
        {.name = "a]\n\\x\xFF",
         .folder = "/p\xE9\r\x01",
         .allFolders = true,
         .tags = {{"caf\xC3\xA9", TagKind::Auto, false}, {"\xFF=", TagKind::User, true}},
         .mode = MatchMode::Any,
         .wholeTags = true,
         .folderWords = true,
         .keepDigits = true,
         .find = "two\nlines\\n",
         .sort = {SortKey::Modified, true}},
        named("[plain]", "/q")};
    const std::string text = SerialiseSavedSearches(searches);
    QVERIFY(std::none_of(text.begin(), text.end(), [](char c) {
      const auto b = static_cast<unsigned char>(c);
      return (b < 0x20 && b != '\n') || b == 0x7F || b == 0xFF || b == 0xE9;
    }));
    const SavedSearches read = ParseSavedSearches(text);
    QVERIFY(read.searches == searches && read.notes.empty());
  }

  // A damaged search is left out with a note, the others kept; written again, what was left
  // out is kept as it was, and left out again.
  void damaged_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("names");
    QTest::addColumn<int>("notes");
    const auto row = [](const char* why, const char* text, const char* names, int notes) {
      QTest::newRow(why) << QByteArray(text) << QByteArray(names) << notes;
    };
    row("bad escape", "[a]\nfolder=/a\n[b]\nfolder=/b\\q\n[c]\nfolder=/c\n", "a c", 1);
    row("bad mode, tag, flag",
        "[a]\nfolder=/a\nmode=most\n[b]\nfolder=/\ntag=x+y\n[c]\nfolder=/\nwholeTags=1\n", "", 3);
    row("no folder, no name", "[a]\nmode=any\n[]\nfolder=/\n[b]\r\nfolder=/b\r\nlater=x\n", "b", 2);
    row("second of a name", "[a]\nfolder=/1\n[a]\nfolder=/2\n", "a", 1);
    row("unclosed heading, stray line", "x=1\n[a\nfolder=/a\n[b]\nfolder=/b\n", "b", 2);
  }
  void damaged() {
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, names);
    QFETCH(int, notes);
    const SavedSearches read = ParseSavedSearches(text.toStdString());
    QByteArray got;
    for (const SavedSearch& s : read.searches) got += (got.isEmpty() ? "" : " ") + s.name;
    QCOMPARE(got, names);
    QCOMPARE(read.notes.size(), std::size_t(notes));
    const SavedSearches again =
        ParseSavedSearches(SerialiseSavedSearches(read.searches, read.leftOut));
    QVERIFY(again.searches == read.searches && again.notes.size() == read.notes.size());
    QCOMPARE(again.leftOut, read.leftOut);
  }

  // Missing: none; a FIFO or a huge file is refused, never waited on; writing makes the folder.
  void files() {
    TestDir dir;
    SavedSearches read{{named("x", "/")}, {}, {}};
    QVERIFY(ReadSavedSearches(dir / "none", read).ok() && read.searches.empty());
    QVERIFY(::mkfifo((dir / "fifo").c_str(), 0600) == 0);
    dir.createFile("huge", std::string(5 << 20, '#'));
    QVERIFY(!ReadSavedSearches(dir / "fifo", read).ok() &&
            !ReadSavedSearches(dir / "huge", read).ok());
    const std::vector<SavedSearch> one{named("n", "/f")};
    QVERIFY(WriteSavedSearches(dir / "new/searches.conf", one).ok());
    QVERIFY(ReadSavedSearches(dir / "new/searches.conf", read).ok() && read.searches == one);
  }
};

QTEST_GUILESS_MAIN(TestSavedSearches)
#include "test_saved_searches.moc"
