#include <QtTest>

#include "catalogue/filter.h"

using namespace velmora::catalogue;
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
  // of the files kept.
  void filter_data() {
    QTest::addColumn<QByteArray>("names");
    QTest::addColumn<QByteArray>("tags");
    QTest::addColumn<bool>("any");
    QTest::addColumn<QByteArray>("kept");
    QTest::addColumn<QByteArray>("excluded");
    const auto row = [](const char* tag, QByteArray names, QByteArray tags, bool any,
                        const char* kept, QByteArray excluded = "-") {
      QTest::newRow(tag) << names << tags << any << QByteArray(kept) << excluded;
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
    row("empty tag hits named files", "a|", "", true, "0");
    row("few left: checked one by one", few, "ab,", false, "0");
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
  }
  void filter() {
    QFETCH(QByteArray, names);
    QFETCH(QByteArray, tags);
    QFETCH(bool, any);
    QFETCH(QByteArray, kept);
    QFETCH(QByteArray, excluded);
    PathList list;
    for (const std::string& name : split(names, '|')) list.push_back("/f/" + name);
    const auto mode = any ? MatchMode::Any : MatchMode::All;
    FilterIndex grown;  // as a shown folder grows: one file at a time
    for (std::size_t i = 0; i < list.size(); ++i) {
      PathList one;
      one.push_back(list[i]);
      grown.Append(FilterIndex(one));
    }
    FilterIndex whole(list);
    for (const FilterIndex* index : {&whole, &grown}) {
      QByteArray got;
      for (const std::size_t i :
           ApplyTagFilter(*index, split(tags, ','), mode, split(excluded, ',')))
        got += QByteArray::number(static_cast<qulonglong>(i), 36);
      QCOMPARE(got, kept);
    }
    std::vector<std::size_t> rows;  // the kept rows
    for (const char c : kept) rows.push_back(QByteArray(1, c).toULongLong(nullptr, 36));
    // Counted all at once as filtering by each tag alone counts, also within the rows kept.
    for (const FilterIndex* index : {&whole, &grown}) {
      std::vector<TagHits> one;
      for (const std::string& tag : split(tags, ',')) {
        const auto hit = ApplyTagFilter(*index, {tag}, MatchMode::Any);
        std::size_t inKept = 0;
        for (const std::size_t i : hit) inKept += std::binary_search(rows.begin(), rows.end(), i);
        one.push_back({hit.size(), inKept});
      }
      QVERIFY(CountTagHits(*index, split(tags, ','), rows) == one);
    }
    const FilterIndex held = grown;  // as a count holds it: what comes later is not in it
    const auto counted = CountTagHits(held, split(tags, ','), rows);
    grown.Append(FilterIndex(list));
    QVERIFY(CountTagHits(held, split(tags, ','), rows) == counted);
    std::stop_source stop;
    stop.request_stop();
    QVERIFY(CountTagHits(whole, {"a"}, {}, stop.get_token()).empty());
  }
};

QTEST_GUILESS_MAIN(TestFilter)
#include "test_filter.moc"
