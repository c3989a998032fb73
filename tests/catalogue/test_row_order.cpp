#include <QtTest>

#include "catalogue/row_order.h"

using namespace velmora::catalogue;

class TestRowOrder : public QObject {
  Q_OBJECT
 private slots:
  // paths by "|"; values: each file's size and time (-1: not known); kinds: the places of
  // the kinds' descriptions, by folded extension or "#" file; order: the files in the order
  // sorted, by position.
  void sorts_data() {
    QTest::addColumn<QByteArray>("paths");
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("down");
    QTest::addColumn<QByteArray>("order");
    QTest::addColumn<QByteArray>("kinds");
    const auto row = [](const char* tag, QByteArray paths, SortKey key, bool down,
                        const char* order, QList<int> values = {}, const char* kinds = "") {
      QTest::newRow(tag) << paths << values << static_cast<int>(key) << down << QByteArray(order)
                         << QByteArray(kinds);
    };
    const char* cased = "/f/b.txt|/f/B.txt|/f/a.txt|/f/A.TXT";
    row("name, any case; equal ones in walk order", cased, SortKey::Name, false, "2301");
    row("name down; equal ones still in walk order", cased, SortKey::Name, true, "0123");
    row("name past the first eight bytes", "/f/photo_2020_b|/f/photo_2020_a|/f/photo_20",
        SortKey::Name, false, "210");
    row("name, not UTF-8, by bytes", "/f/\xE9t\xE9|/f/zed|/f/Eve", SortKey::Name, false, "210");
    row("folder, then name", "/f/b/x|/f/a/y|/f/x0|/f/a/b", SortKey::Folder, false, "2310");
    row("folder down", "/f/b/x|/f/a/y|/f/x0|/f/a/b", SortKey::Folder, true, "0132");
    row("type, then name; none first", "/f/b.txt|/f/a.TXT|/f/c.jpg|/f/.bashrc|/f/noext|/f/a.png",
        SortKey::Type, false, "342510");
    const char* kinds = "/f/b.mp4|/f/a.MP4|/f/c.jpg|/f/script|/f/noext|/f/x.odd";
    row("type by description, then name; not known first", kinds, SortKey::Type, false, "452103",
        {}, "mp4=2 jpg=1 #3=3");
    row("type by description down", kinds, SortKey::Type, true, "301254", {}, "mp4=2 jpg=1 #3=3");
    row("size: not known first", "/f/a|/f/b|/f/c|/f/d", SortKey::Size, false, "1203",
        {5, -1, 3, 5});
    row("size down: not known last", "/f/a|/f/b|/f/c|/f/d", SortKey::Size, true, "0321",
        {5, -1, 3, 5});
    row("time", "/f/a|/f/b|/f/c", SortKey::Modified, false, "201", {7, 9, -1});
    row("none: as given", "/f/b|/f/a", SortKey::None, true, "01");
  }
  void sorts() {
    QFETCH(QByteArray, paths);
    QFETCH(QList<int>, values);
    QFETCH(int, key);
    QFETCH(bool, down);
    PathList list;
    for (const QByteArray& path : paths.split('|')) list.push_back(path.toStdString());
    std::vector<velmora::platform::FileFacts> facts(list.size());
    for (qsizetype i = 0; i < values.size(); ++i)
      if (values[i] >= 0) facts[static_cast<std::size_t>(i)] = {values[i], values[i]};
    std::vector<std::size_t> files(list.size());
    std::iota(files.begin(), files.end(), 0);
    const SortBy by{static_cast<SortKey>(key), down};
    QFETCH(QByteArray, kinds);
    std::optional<TypeRanks> ranks;
    for (const QByteArray& kind : kinds.split(' ')) {
      if (kind.isEmpty()) continue;
      const auto [what, rank] = std::pair(kind.split('=')[0], kind.split('=')[1].toUInt());
      if (!ranks) ranks.emplace();
      if (what.startsWith('#'))
        ranks->byFile[what.mid(1).toULongLong()] = rank;
      else
        ranks->byExtension[what.toStdString()] = rank;
    }
    QByteArray got;
    for (const std::size_t f :
         SortFiles(MakeSortInput(by, files, list.Names(), list, facts, ranks)))
      got += QByteArray::number(static_cast<qulonglong>(f));
    QTEST(got, "order");
    // Some of the files only, in the order they are given in.
    std::reverse(files.begin(), files.end());
    files.pop_back();
    const auto some = SortFiles(MakeSortInput(by, files, list.Names(), list, facts, ranks));
    QCOMPARE(some.size(), files.size());
    std::stop_source stop;
    stop.request_stop();
    QVERIFY(SortFiles(MakeSortInput(by, files, list.Names(), list, facts, ranks), stop.get_token())
                .empty());
  }

  // So many names that two halves are sorted side by side and merged, the first half alike
  // in its first eight bytes (slower to sort); numbers all of one width.
  void sortsManyAsOne() {
    PathList list;
    std::vector<std::pair<std::size_t, std::size_t>> want;  // the name's place, the file
    for (std::size_t i = 0; i < 100000; ++i) {
      const std::size_t n = 100000 + i * 7919 % 50000;  // each once in a half
      want.emplace_back(n + (i < 50000 ? 1000000 : 0), i);
      list.push_back((i < 50000 ? "/f/photo_2020_" : "/f/") + std::to_string(n));
    }
    std::vector<std::size_t> files(list.size());
    std::iota(files.begin(), files.end(), 0);
    std::sort(want.begin(), want.end());
    const auto got = SortFiles(MakeSortInput({SortKey::Name}, files, list.Names(), list, {}));
    QVERIFY(std::equal(got.begin(), got.end(), want.begin(), want.end(),
                       [](std::size_t f, const auto& w) { return f == w.second; }));
  }
};

QTEST_GUILESS_MAIN(TestRowOrder)
#include "test_row_order.moc"
