#include <QtTest>
#include <random>

#include "catalogue/filter.h"
#include "catalogue/tags.h"

using namespace velmora::catalogue;

Q_DECLARE_METATYPE(MatchMode)

namespace {

PathList pathsOf(const QList<QByteArray>& paths) {
  PathList list;
  for (const auto& p : paths)
    list.push_back(std::string_view(p.constData(), static_cast<std::size_t>(p.size())));
  return list;
}

QList<QByteArray> kept(const QList<QByteArray>& paths, const std::vector<std::string>& tags,
                       MatchMode mode) {
  const PathList list = pathsOf(paths);
  QList<QByteArray> out;
  for (const std::size_t i : ApplyTagFilter(FilterIndex(list), tags, mode))
    out << paths[static_cast<qsizetype>(i)];
  return out;
}

}  // namespace

class TestFilter : public QObject {
  Q_OBJECT
 private slots:
  void filter_data() {
    QTest::addColumn<QList<QByteArray>>("paths");
    QTest::addColumn<QStringList>("tags");
    QTest::addColumn<MatchMode>("mode");
    QTest::addColumn<QList<QByteArray>>("expected");
    const QList<QByteArray> jpgs{"/f/notjpg.txt", "/f/photo.JPG", "/f/a.png"};
    QTest::newRow("name is lower-cased") << jpgs << QStringList{"jpg"} << MatchMode::Any
                                         << QList<QByteArray>{"/f/notjpg.txt", "/f/photo.JPG"};
    QTest::newRow("substring, not word")
        << QList<QByteArray>{"/f/iPhone.png", "/f/x.txt"} << QStringList{"on"} << MatchMode::All
        << QList<QByteArray>{"/f/iPhone.png"};
    const QList<QByteArray> beach{"/f/Beach Party.JPG", "/f/beach.png", "/f/x.txt"};
    QTest::newRow("all") << beach << QStringList{"beach", "jpg"} << MatchMode::All
                         << QList<QByteArray>{"/f/Beach Party.JPG"};
    QTest::newRow("any") << beach << QStringList{"beach", "jpg"} << MatchMode::Any
                         << QList<QByteArray>{"/f/Beach Party.JPG", "/f/beach.png"};
    QTest::newRow("no tags, all") << beach << QStringList{} << MatchMode::All << beach;
    QTest::newRow("no tags, any") << beach << QStringList{} << MatchMode::Any
                                  << QList<QByteArray>{};
    QTest::newRow("tag case does not matter")
        << QList<QByteArray>{"/f/family.jpg", "/f/other.jpg"} << QStringList{"Family"}
        << MatchMode::All << QList<QByteArray>{"/f/family.jpg"};
    QTest::newRow("folder names do not count")
        << QList<QByteArray>{"/Beach/a.txt"} << QStringList{"beach"} << MatchMode::Any
        << QList<QByteArray>{};
    QTest::newRow("empty tag hits named files")
        << QList<QByteArray>{"/f/a", "/f/"} << QStringList{""} << MatchMode::Any
        << QList<QByteArray>{"/f/a"};
    QTest::newRow("non-ASCII tag")
        << QList<QByteArray>{"/f/Résumé.doc", "/f/resume.doc"} << QStringList{"RÉSUMÉ"}
        << MatchMode::Any << QList<QByteArray>{"/f/Résumé.doc"};
    QTest::newRow("tag across two names")
        << QList<QByteArray>{"/f/ab", "/f/cd"} << QStringList{"bc"} << MatchMode::Any
        << QList<QByteArray>{};
    QTest::newRow("repeated tag, all")
        << QList<QByteArray>{"/f/ab", "/f/cd"} << QStringList{"a", "a"} << MatchMode::All
        << QList<QByteArray>{"/f/ab"};
    QTest::newRow("empty list") << QList<QByteArray>{} << QStringList{"a"} << MatchMode::All
                                << QList<QByteArray>{};
  }
  void filter() {
    QFETCH(QList<QByteArray>, paths);
    QFETCH(QStringList, tags);
    QFETCH(MatchMode, mode);
    QFETCH(QList<QByteArray>, expected);
    std::vector<std::string> t;
    for (const auto& s : tags) t.push_back(s.toStdString());
    QCOMPARE(kept(paths, t, mode), expected);
  }

  void bytesThatAreNotUtf8() {
    const QList<QByteArray> paths{"/f/caf\xE9.txt", "/f/cafe.txt"};
    QCOMPARE(kept(paths, {"\xE9"}, MatchMode::Any), QList<QByteArray>{"/f/caf\xE9.txt"});
    QCOMPARE(kept(paths, {std::string("a\0b", 3)}, MatchMode::Any), QList<QByteArray>{});
  }

  // Every position of a hit, near the ends of the buffer and of each name, against a
  // plain search: the wide search must not miss or invent a match.
  void agreesWithPlainSearch() {
    std::mt19937 random(11);
    const auto text = [&](std::size_t maxLength) {
      std::string s(1 + random() % maxLength, 'a');
      for (char& c : s) c = "abAB.c"[random() % 6];
      return s;
    };
    for (int round = 0; round < 200; ++round) {
      PathList list;
      std::vector<std::string> names;
      const auto count = random() % 60;
      for (std::uint32_t i = 0; i < count; ++i) {
        names.push_back(text(40));
        list.push_back("/d/" + names.back());
      }
      std::vector<std::string> tags;
      for (auto k = random() % 3 + 1; k > 0; --k) tags.push_back(text(5));
      const FilterIndex index(list);
      for (const MatchMode mode : {MatchMode::All, MatchMode::Any}) {
        std::vector<std::size_t> expected;
        for (std::size_t i = 0; i < names.size(); ++i) {
          const std::string lower = LowerCase(names[i]);
          std::size_t hits = 0;
          for (const auto& tag : tags) hits += lower.find(LowerCase(tag)) != std::string::npos;
          if (mode == MatchMode::All ? hits == tags.size() : hits > 0) expected.push_back(i);
        }
        QCOMPARE(ApplyTagFilter(index, tags, mode), expected);
      }
    }
  }
};

QTEST_GUILESS_MAIN(TestFilter)
#include "test_filter.moc"
