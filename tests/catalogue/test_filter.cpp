#include <QtTest>

#include <algorithm>
#include <random>

#include "catalogue/filter.h"

using namespace velmora::catalogue;
using velmora::platform::FileFacts;
using Strings = std::vector<std::string>;

static Strings split(const QByteArray& list, char by) {  // "-" is an empty list
  Strings out;
  if (list != "-")
    for (const QByteArray& s : list.split(by)) out.push_back(s.toStdString());
  return out;
}

class TestFilter : public QObject {
  Q_OBJECT
 private slots:
  // names: the files of /f/, by "|"; tags and excluded tags by ","; kept: the positions
  // of the files kept; words: tags hit whole words (2: with digits kept in words; 3: anywhere,
  // and the words of folders below /f/ are tags too; 4: whole words, so); name: the find
  // text: what names must hold too, and its terms; facts: each file's "size@seconds", by "|",
  // "-" while unknown.
  void filter_data() {
    QTest::addColumn<QByteArray>("names");
    QTest::addColumn<QByteArray>("tags");
    QTest::addColumn<bool>("any");
    QTest::addColumn<QByteArray>("kept");
    QTest::addColumn<QByteArray>("excluded");
    QTest::addColumn<int>("words");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("facts");
    const auto row = [](const char* tag, QByteArray names, QByteArray tags, bool any,
                        const char* kept, QByteArray excluded = "-", int words = 0,
                        QByteArray name = "", QByteArray facts = "-") {
      QTest::newRow(tag) << names << tags << any << QByteArray(kept) << excluded << words << name
                         << facts;
    };
    const char* few = "ab|b|c|d|e|f|g|h|i|j|k|l|m|n|o|p|q|";  // after ab, name by name
    row("name lower-cased, any substring", "notjpg.txt|photo.JPG|a.png", "jpg", true, "01");
    row("all", "Beach Party.JPG|beach.png|x.txt", "beach,jpg", false, "0");
    row("any", "Beach Party.JPG|beach.png|x.txt", "beach,jpg", true, "01");
    row("no tags, all", "a|b", "-", false, "01");
    row("no tags, any", "a|b", "-", true, "");
    row("folder names do not count", "Beach/a.txt|beach", "beach", true, "1");
    row("non-ASCII tag", "R\xC3\xA9sum\xC3\xA9.doc|resume.doc", "R\xC3\x89SUM\xC3\x89", true, "0");
    row("not UTF-8", "caf\xE9.txt|cafe.txt", "\xE9", true, "0");
    row("overlapping tags, repeats, case", "abAB|Bab|ba|xyz", "a,ab,b,bab,A", false, "01");
    row("a tag ends inside a longer one", "abcx|abcd|bcd|d", "abcd,bc,d", true, "0123");
    row("tag across two names", "ab|cd", "bc", true, "");
    row("NUL across two names", "ab|cd", QByteArray("b\0c", 3), true, "");
    row("empty tag hits named files", "a||b|c", "", true, "023");
    row("few left: checked one by one", few, "ab,", false, "0");
    row("few left: capitals folded one by one", "xAB|b|c|d|e|f|g|h|i|j|k|l|m|n|o|p|q|", "ab,xa",
        false, "0");
    row("few left, then a tag none holds", few, "ab,z", false, "");
    const char* beach = "Beach.JPG|beach.png|x.txt|Beach.jpg.txt";
    row("excluded, all", beach, "beach", false, "1", "JPG");
    row("excluded, any", beach, "png,txt", true, "12", "jpg");
    row("only excluded, all: all but these", beach, "-", false, "023", "PNG");
    row("only excluded, any: all but these", beach, "-", true, "2", "png,.jpg");
    row("few left, excluded one by one", few, "ab", false, "0", "q");
    row("few left, any, excluded one by one", few, "ab", true, "", "B");
    // Long names for the wide search: abc at each offset after a near miss, or only a.c.
    QByteArray wide;
    for (int k = 0; k < 36; ++k)
      wide += (k % 2 ? QByteArray("a.c") : "a.cx" + QByteArray(k / 2, '.') + "abc") + "........|";
    row("wide search: every offset", wide.chopped(1), "abc", true, "02468acegikmoqsuwy");
    row("wide search: one byte", wide.chopped(1), "b", true, "02468acegikmoqsuwy");
    const QByteArray big(600000, 'n');  // two of them are more than one piece holds
    row("names in several pieces", big + "|" + big + "x|" + big + "|x", "x", true, "13");
    row("whole: a word, not part of one", "Beach.txt|a-b.txt|song.m4a|Data", "a", false, "12", "-",
        true);
    row("whole: capitals start words",
        "HolidayPhotos.jpg|holidayphotos|PHOTOS|iPhone|aZip|zipAlbum|zPhotos", "photos,zip", true,
        "02456", "-", true);
    row("whole: words in a row", "New York.jpg|NewYork.jpg|new_yorker", "york", true, "01", "-",
        true);
    row("whole: a later match is whole", "beachbeach_beach|beaches|xab_xAb", "beach,xab,ab", true,
        "02", "-", true);
    row("whole: excluded too", "a.jpg|b.jpeg|jpg.txt|xjpg", "jpg", true, "0", "txt", true);
    // Capitals beyond ASCII: such names are matched in their lower case, the rest as
    // they are with ASCII capitals folded.
    const char* istanbul = "\xC4\xB0STANBUL_Trip.jpg|istanbul.jpg|x\xC4\xB0stanbulTrip";
    row("capitals beyond ASCII", "R\xC3\x89SUM\xC3\x89.doc|r\xC3\xA9sum\xC3\xA9.txt|RESUME",
        "r\xC3\xA9sum\xC3\xA9", true, "01");
    row("lower case beyond ASCII: bytes as lower-cased", "\xC3\x84\x62|\xC3\xA4\x62|x\x84\x62",
        "\x84\x62", true, "2");  // \x62: b
    row("lower case longer than the name", istanbul, "\xC4\xB0stanbul,trip", false, "02");
    row("whole: lower case longer than the name", istanbul, "\xC4\xB0stanbul,trip", false, "0", "-",
        true);
    row("whole: capitals beyond ASCII", "\xC3\x84rgerBrief|\xC3\x84RGERBRIEF|\xC3\x84rger_brief",
        "brief", true, "02", "-", true);
    row("whole, digits split: mp in mp3", "song.mp3|song.mp|mp3-mp", "mp", true, "012", "-", 1);
    row("whole, digits kept: mp3, not mp", "song.mp3|song.mp|mp3-mp|x86.exe|IMG_2019-07-14",
        "mp3,07,x86", true, "0234", "-", 2);
    row("whole, digits kept: not mp", "song.mp3|song.mp|mp3-mp", "mp", true, "12", "-", 2);
    row("whole, digits kept: a capital word after a digit",
        "Mp3Player|Model3D|Win10Setup|\xC3\x84rger3Brief|\xC3\x84rger3BRIEF|\xC3\x84"
        "3D",
        "player,d,setup,brief", true, "023", "-", 2);
    row("whole, digits kept: excluded too", "a.mp3|b.mp4|c.mp", "-", false, "12", "mp3", 2);
    row("whole: not UTF-8 bytes are letters", "caf\xE9.txt|caf\xE9_x", "caf", true, "", "-", true);
    row("find by name with tags", "Beach.JPG|beach.png|sea.jpg", "jpg", false, "0", "-", false,
        "BEA");
    row("find by name alone", "Beach.JPG|beach.png|sea.jpg", "-", false, "1", "-", false, "png");
    row("find by name, any, no tags", "Beach.JPG|beach.png", "-", true, "", "-", false, "b");
    row("folder words: folders below are tags", "Beach 2019/a.jpg|b/beach|x.jpg|Rome/Beach/c",
        "beach", true, "013", "-", 3);
    row("folder words: a folder and a name together", "Beach/2019 sea|Beach/x|sea/beach",
        "beach,sea", false, "02", "-", 3);
    row("folder words: excluded by a folder", "Raw/a.cr2|a.jpg|b/raw.x", "-", false, "1", "raw", 3);
    row("folder words: not the folder shown", "a|x/b", "f", true, "", "-", 3);
    row("folder words, whole", "Beaches/a|Beach 2019/b|x/beach|SunBeach/d", "beach", true, "123",
        "-", 4);
    row("folder words: few left, one by one", "ab|b|c|d|e|f|g|h|i|j|k|l|m|n|o|p|q|ab/q", "q,ab",
        false, "h", "-", 3);
    row("folder words: find looks at names only", "Beach/a|beach", "-", false, "1", "-", 3, "bea");
    row("find by name is a substring", "Beach.JPG|beach.png", "-", false, "01", "-", true, "EAC");
    const char* sized = "a.jpg|b.JPG|c.jpg|d.png|e.jpg";  // 2019-07-01 and 2020-07-01 at noon
    const char* facts = "100@1561982400|2000@1561982400|-|5000@1561982400|1025@1593604800";
    row("find: a size term, facts unknown left out", sized, "-", false, "134", "-", 0, "size:>1k",
        facts);
    row("find: words and terms", sized, "-", false, "1", "-", 0, "JPG modified:2019 size:>1k",
        facts);
    row("find: terms with tags, any", sized, "png,a", true, "0", "-", 0, "size:<1k", facts);
    row("find: a term not read keeps nothing", sized, "-", true, "", "-", 0, "size:>abc", facts);
  }
  void filter() {
    QFETCH(QByteArray, names);
    QFETCH(QByteArray, tags);
    QFETCH(bool, any);
    QFETCH(QByteArray, kept);
    QFETCH(QByteArray, excluded);
    QFETCH(int, words);
    QFETCH(QByteArray, name);
    const bool byWords = words > 0 && words != 3;
    const Digits digits = words == 2 ? Digits::Keep : Digits::Split;
    const TagRule rule(digits, words >= 3 ? Strings{"/f/"} : Strings{});
    PathList list, grownList;  // the second as a shown folder grows: one file at a time
    for (const std::string& file : split(names, '|')) {
      PathList one;
      one.push_back("/f/" + file), list.push_back("/f/" + file), grownList.Append(std::move(one));
    }
    const auto mode = any ? MatchMode::Any : MatchMode::All;
    FilterIndex grown = grownList.Names();  // a copy, to grow further below
    const FilterIndex* whole = &list.Names();
    FolderWords wholeFolders, grownFolders;
    wholeFolders.Follow(list, rule), grownFolders.Follow(grownList, rule);
    const auto folders = [&](const FilterIndex* index) {
      return !rule.FolderWords() ? nullptr : index == whole ? &wholeFolders : &grownFolders;
    };
    QFETCH(QByteArray, facts);
    std::vector<FileFacts> read;  // "-": unknown
    for (const QByteArray& one : facts.split('|')) {
      const QList<QByteArray> at = one.split('@');
      read.push_back(one == "-"
                         ? FileFacts{}
                         : FileFacts{at[0].toLongLong(), at[1].toLongLong() * 1'000'000'000});
    }
    const FindQuery query = ParseFind(name.toStdString(), 0);
    const RowFilter filter{
        split(tags, ','), split(excluded, ','), mode,           byWords, query.words,
        digits,           query.size,           query.modified, read,    !query.error.empty()};
    // Split between two threads too, however few the names, and taken in blocks of a few.
    for (const std::size_t split : {kFilterSplit, std::size_t{1}}) {
      for (const std::size_t block : {kFilterBlock, std::size_t{1}, std::size_t{3}}) {
        for (const FilterIndex* index : {whole, static_cast<const FilterIndex*>(&grown)}) {
          QByteArray got;
          for (const std::size_t i : ApplyTagFilter(*index, filter, folders(index), split, block))
            got += QByteArray::number(static_cast<qulonglong>(i), 36);
          QCOMPARE(got, kept);
        }
      }
    }
    std::vector<std::size_t> rows;  // the kept rows
    for (const char c : kept) rows.push_back(QByteArray(1, c).toULongLong(nullptr, 36));
    // Counted all at once as filtering by each tag alone counts, also within the rows kept.
    for (const FilterIndex* index : {whole, static_cast<const FilterIndex*>(&grown)}) {
      std::vector<TagHits> one;
      for (const std::string& tag : split(tags, ',')) {
        const auto hit = ApplyTagFilter(*index, {{tag}, {}, MatchMode::Any, byWords, {}, digits},
                                        folders(index));
        std::size_t inKept = 0;
        for (const std::size_t i : hit) inKept += std::binary_search(rows.begin(), rows.end(), i);
        one.push_back({hit.size(), inKept});
      }
      for (const std::size_t halves : {kFilterSplit, std::size_t{1}}) {
        QVERIFY(CountTagHits(*index, split(tags, ','), rows, {}, byWords, digits, folders(index),
                             halves) == one);
      }
    }
    const FilterIndex held = grown;  // as a count holds it: what comes later is not in it
    const auto counted = CountTagHits(held, split(tags, ','), rows, {}, byWords, digits);
    grown.Append(FilterIndex(list.Names()));
    QVERIFY(CountTagHits(held, split(tags, ','), rows, {}, byWords, digits) == counted);
    // The list whose pieces another took in still numbers its names from its own start.
    QVERIFY(ApplyTagFilter(*whole, filter, folders(whole)) == rows);
    std::stop_source stop;
    stop.request_stop();
    QVERIFY(CountTagHits(*whole, {"a"}, {}, stop.get_token()).empty());
  }
  // A long list taken in blocks of a few names keeps what it keeps taken whole, and what
  // plain searching of each name keeps: a folder's files run across blocks, and where few
  // files are left in a block they are tested one by one.
  void blocksAgree() {
    std::mt19937 random(7);
    const Strings words{"beach", "Sea", "sun", "x", "Beach2", "dog", "Öl"};
    const auto pick = [&](std::size_t n) { return static_cast<std::size_t>(random() % n); };
    PathList list;
    std::string folder;
    for (int i = 0; i < 4000; ++i) {
      if (pick(60) == 0) folder = "/f/" + words[pick(words.size())] + std::to_string(i) + "/";
      std::string name = words[pick(words.size())];
      // Now and then a name longer than the counts walk at once.
      for (std::size_t more = pick(50) == 0 ? 90 : pick(3); more > 0; --more)
        name += "_" + words[pick(words.size())];
      list.push_back((folder.empty() ? "/f/" : folder) + name + (pick(2) ? ".jpg" : ".TXT"));
    }
    FolderWords folders;
    folders.Follow(list, TagRule(Digits::Split, {"/f/"}));
    const auto holds = [&](std::size_t i, const std::string& tag) {
      return LowerCase(list.Name(i)).find(LowerCase(tag)) != std::string::npos;
    };
    const auto some = [&](std::size_t most) {
      Strings out(pick(most + 1));
      for (std::string& tag : out) tag = words[pick(words.size())];
      return out;
    };
    for (int round = 0; round < 300; ++round) {
      RowFilter filter{
          some(2), some(1), pick(2) ? MatchMode::Any : MatchMode::All, pick(4) == 0, {}};
      if (pick(3) == 0) filter.name = words[pick(words.size())];
      std::vector<std::size_t> plain;
      for (std::size_t i = 0; i < list.size(); ++i) {
        const auto hit = [&](const std::string& tag) { return holds(i, tag); };
        bool keep = filter.tags.empty() ? filter.mode == MatchMode::All || !filter.excluded.empty()
                    : filter.mode == MatchMode::All ? std::ranges::all_of(filter.tags, hit)
                                                    : std::ranges::any_of(filter.tags, hit);
        keep = keep && std::ranges::none_of(filter.excluded, hit) &&
               (filter.name.empty() || holds(i, filter.name));
        if (keep) plain.push_back(i);
      }
      const auto whole = ApplyTagFilter(list.Names(), filter, &folders);
      for (const std::size_t block : {std::size_t{16}, std::size_t{7}}) {
        QCOMPARE(ApplyTagFilter(list.Names(), filter, &folders, 1, block), whole);
        if (!filter.words) QCOMPARE(ApplyTagFilter(list.Names(), filter, nullptr, 1, block), plain);
      }
    }
    // The counts of tags, some across words, are what filtering by each alone keeps.
    const Strings tags{"beach", "sea", "x", "öl", "beach2", "h_s", "a", "_"};
    std::vector<std::size_t> rows;
    for (std::size_t i = 0; i < list.size(); i += 3) rows.push_back(i);
    std::vector<TagHits> one, left;  // left: with every fifth file gone
    FileSet gone;
    for (std::size_t i = 0; i < list.size(); i += 5) gone.Add(i);
    for (const std::string& tag : tags) {
      const auto hit = ApplyTagFilter(list.Names(), {{tag}, {}, MatchMode::Any, false, {}});
      const auto inRows = std::ranges::count_if(hit, [](std::size_t i) { return i % 3 == 0; });
      one.push_back({hit.size(), static_cast<std::size_t>(inRows)});
      const auto here = std::ranges::count_if(hit, [](std::size_t i) { return i % 5 != 0; });
      const auto shown =
          std::ranges::count_if(hit, [](std::size_t i) { return i % 3 == 0 && i % 5 != 0; });
      left.push_back({static_cast<std::size_t>(here), static_cast<std::size_t>(shown)});
    }
    QVERIFY(CountTagHits(list.Names(), tags, rows, {}) == one);
    QVERIFY(CountTagHits(list.Names(), tags, rows, {}, false, Digits::Split, nullptr, 1000,
                         &gone) == left);
  }
};

QTEST_GUILESS_MAIN(TestFilter)
#include "test_filter.moc"
