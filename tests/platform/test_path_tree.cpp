#include <QtTest>
#include <algorithm>

#include "platform/path_tree.h"

using namespace velmora::platform;
using Strings = std::vector<std::string>;

static Strings Split(const QString& text) {
  Strings out;
  for (const QString& item : text.split(' ', Qt::SkipEmptyParts)) out.push_back(item.toStdString());
  return out;
}

class TestPathTree : public QObject {
  Q_OBJECT
 private slots:
  // Paths held ("+path") and let go ("-path"), in order; then the paths found, the held
  // paths at and below "/a/", and the nodes in use (the root's included).
  void followsHolds_data() {
    QTest::addColumn<QString>("ops");
    QTest::addColumn<QString>("found");
    QTest::addColumn<QString>("held");
    QTest::addColumn<int>("count");
    QTest::newRow("a path makes those above it") << "+/a/b/c/"
                                                 << "/ /a/ /a/b/ /a/b/c/"
                                                 << "/a/b/c/" << 5;
    QTest::newRow("let go, the unused above go too") << "+/a/b/c/ +/a/x/ -/a/b/c/"
                                                     << "/a/ /a/x/"
                                                     << "/a/x/" << 4;
    QTest::newRow("held twice, let go twice") << "+/a/ +/a/ -/a/"
                                              << "/a/"
                                              << "/a/" << 3;
    QTest::newRow("...and gone") << "+/a/ +/a/ -/a/ -/a/"
                                 << ""
                                 << "" << 1;
    QTest::newRow("let go but above another") << "+/a/ +/a/b/ -/a/"
                                              << "/a/ /a/b/"
                                              << "/a/b/" << 4;
    QTest::newRow("names that begin others") << "+/ab/ +/a/ +/a/b/ +/a/bc"
                                             << "/ab/ /a/ /a/b/ /a/bc"
                                             << "/a/ /a/b/ /a/bc" << 6;
    QTest::newRow("places reused") << "+/a/x/ +/b/ -/a/x/ +/c/d/ +/a/"
                                   << "/b/ /c/d/ /a/"
                                   << "/a/" << 6;
    QTest::newRow("siblings let go first, middle, last")
        << "+/a/1/ +/a/2/ +/a/3/ +/a/4/ -/a/2/ -/a/4/ -/a/1/ +/a/5/"
        << "/a/3/ /a/5/"
        << "/a/3/ /a/5/" << 5;
  }
  void followsHolds() {
    QFETCH(QString, ops);
    QFETCH(QString, found);
    QFETCH(QString, held);
    QFETCH(int, count);
    PathTree tree;
    for (const std::string& op : Split(ops)) {
      if (op[0] == '+') {
        const PathTree::Node node = tree.Add(op.substr(1));
        QCOMPARE(tree.Find(op.substr(1)), node);
      } else {
        tree.Release(tree.Find(op.substr(1)));
      }
    }
    for (const std::string& path : Split(found)) {
      QVERIFY2(tree.Find(path) != PathTree::kNone, path.c_str());
      QCOMPARE(tree.Text(tree.Find(path)), path);
    }
    Strings below;
    if (const PathTree::Node a = tree.Find("/a/"); a != PathTree::kNone)
      for (const PathTree::Node n : tree.Below(a)) below.push_back(tree.Text(n));
    std::sort(below.begin(), below.end());
    QCOMPARE(below, Split(held));
    QCOMPARE(tree.Count(), static_cast<std::size_t>(count));
  }

  // Thousands of folders made and most let go again, in and out of order: the ones kept
  // are still found, by their own texts, and what went is forgotten.
  void keepsMany() {
    PathTree tree;
    const auto path = [](int i) {
      return "/big/" + std::to_string(i % 10) + "/folder with a long name " + std::to_string(i) +
             "/";
    };
    for (int i = 0; i < 3000; ++i) tree.Add(path(i));
    for (int i = 2999; i >= 0; i -= 2) tree.Release(tree.Find(path(i)));  // the odd ones
    for (int i = 0; i < 3000; i += 2)
      if (i % 3 != 0) tree.Release(tree.Find(path(i)));
    for (int i = 0; i < 3000; ++i) {
      const PathTree::Node n = tree.Find(path(i));
      QCOMPARE(n != PathTree::kNone, i % 6 == 0);
      if (n != PathTree::kNone) QCOMPARE(tree.Text(n), path(i));
    }
    QCOMPARE(tree.Count(), std::size_t{1 + 2 + 5 + 500});  // even tens only
    QCOMPARE(tree.Below(tree.Find("/big/")).size(), std::size_t{500});
  }

  // Names are bytes: not text, and with no separator at the end.
  void keepsBytes() {
    PathTree tree;
    const std::string path = "/x\xff\x01/y\xc3";
    const PathTree::Node n = tree.Add(path);
    QCOMPARE(tree.Text(n), path);
    QCOMPARE(tree.Find("/x\xff\x01/y"), PathTree::kNone);
  }
};

QTEST_MAIN(TestPathTree)
#include "test_path_tree.moc"
