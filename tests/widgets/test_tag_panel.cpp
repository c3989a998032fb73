#include <QAccessible>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QtTest>

#include "platform/twips.h"
#include "widgets/tag_panel.h"

using velmora::widgets::TagPanel;
using Strings = std::vector<std::string>;

namespace {

// The panel's events in the order raised.
struct Recorder {
  explicit Recorder(TagPanel& panel) {
    QObject::connect(&panel, &TagPanel::Resize, [this] { events.push_back("Resize"); });
    QObject::connect(&panel, &TagPanel::TagSelected,
                     [this](std::string text) { events.push_back("TagSelected " + text); });
  }
  Strings events;
};

QPoint centreOf(const TagPanel& panel, std::size_t position) {
  const auto g = panel.Chip(position).geometry;
  using velmora::platform::TwipsToPixels;
  return {static_cast<int>(TwipsToPixels(g.left + g.width / 2)),
          static_cast<int>(TwipsToPixels(g.top + g.height / 2))};
}

std::vector<int> topsOf(const TagPanel& panel) {
  std::vector<int> tops;
  for (std::size_t i = 0; i < panel.Count(); ++i) tops.push_back(panel.Chip(i).geometry.top);
  return tops;
}

void fill(TagPanel& panel, const Strings& texts) {
  for (const auto& t : texts) panel.AddItem(t);
  panel.Redraw();
}

}  // namespace

class TestTagPanel : public QObject {
  Q_OBJECT
 private slots:
  void oneChipPerExactText() {
    TagPanel panel;
    fill(panel, {"beach", "beach", "Beach", "", ""});
    QCOMPARE(panel.Count(), std::size_t{3});
    QCOMPARE(panel.Chip(1).text, std::string("Beach"));
    QCOMPARE(panel.Chip(2).geometry.width, 600);
    QCOMPARE(panel.Chip(2).kind, std::string());
  }

  void rowsAndHeight() {
    TagPanel panel;
    Recorder r(panel);
    panel.AddItem("a");
    QCOMPARE(panel.Chip(0).geometry.left, 150);  // at the template until laid out
    QCOMPARE(panel.Chip(0).geometry.top, 120);
    fill(panel, {"b", "c"});
    QCOMPARE(topsOf(panel), (std::vector<int>{0, 300, 600}));
    for (std::size_t i = 0; i < 3; ++i) QCOMPARE(panel.Chip(i).geometry.left, 10);
    QCOMPARE(panel.HeightTwips(), 900);
    QCOMPARE(panel.height(), 60);
    QCOMPARE(r.events, Strings{"Resize"});
  }

  void emptyPanelKeepsItsHeight() {
    TagPanel panel;
    fill(panel, {"a", "b"});
    panel.Clear();
    Recorder r(panel);
    panel.Redraw();
    QCOMPARE(panel.HeightTwips(), 600);
    QCOMPARE(r.events, Strings{"Resize"});
  }

  void indicesKeepGrowing() {
    TagPanel panel;
    panel.Clear();
    fill(panel, {"1", "2", "3", "4", "5"});
    panel.Clear();
    QCOMPARE(panel.Count(), std::size_t{0});
    panel.AddItem("1");
    QCOMPARE(panel.Chip(0).index, std::int64_t{6});
    // Far past any 16-bit index.
    for (int round = 0; round < 40; ++round) {
      panel.Clear();
      for (int i = 0; i < 1000; ++i) panel.AddItem(std::to_string(i));
    }
    panel.Redraw();
    QCOMPARE(panel.Chip(999).index, std::int64_t{40006});
    QCOMPARE(panel.HeightTwips(), 300000);
  }

  void clickTakesTheChipOut_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("clicked");
    QTest::addColumn<std::vector<int>>("tops");
    QTest::addColumn<int>("height");
    QTest::newRow("second of three") << 3 << 1 << std::vector<int>{0, 300} << 600;
    QTest::newRow("the only one") << 1 << 0 << std::vector<int>{} << 300;
  }
  void clickTakesTheChipOut() {
    QFETCH(int, count);
    QFETCH(int, clicked);
    QFETCH(std::vector<int>, tops);
    QFETCH(int, height);
    TagPanel panel;
    panel.resize(150, 10);
    const Strings abc{"a", "b", "c"};
    fill(panel, Strings(abc.begin(), abc.begin() + count));
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    Recorder r(panel);
    const std::string text = panel.Chip(static_cast<std::size_t>(clicked)).text;
    QTest::mouseClick(&panel, Qt::LeftButton, {},
                      centreOf(panel, static_cast<std::size_t>(clicked)));
    QCOMPARE(r.events, (Strings{"Resize", "TagSelected " + text}));
    QCOMPARE(topsOf(panel), tops);
    QCOMPARE(panel.HeightTwips(), height);
  }

  // A click that arrives while the first is yielding completes first.
  void clickDuringTheYield() {
    TagPanel panel;
    panel.resize(150, 10);
    fill(panel, {"a", "b", "c"});
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    Recorder r(panel);
    // Waiting in the queue at row 1, which holds c once a has gone.
    const QPointF second = centreOf(panel, 1);
    for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
      QCoreApplication::postEvent(
          &panel,
          new QMouseEvent(type, second, panel.mapToGlobal(second), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, {}));
    }
    QTest::mouseClick(&panel, Qt::LeftButton, {}, centreOf(panel, 0));
    QCOMPARE(r.events, (Strings{"Resize", "Resize", "TagSelected c", "TagSelected a"}));
    QCOMPARE(panel.Count(), std::size_t{1});
    QCOMPARE(panel.Chip(0).text, std::string("b"));
  }

  // Each chip is a button named by its tag, which assistive technology can press.
  void chipsAreAccessibleButtons() {
    TagPanel panel;
    fill(panel, {"a", "b", "c"});
    panel.show();
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&panel);
    QVERIFY(iface != nullptr);
    QCOMPARE(iface->childCount(), 3);
    QAccessibleInterface* b = iface->child(1);
    QCOMPARE(b->role(), QAccessible::Button);
    QCOMPARE(b->text(QAccessible::Name), QString("b"));
    QCOMPARE(iface->indexOfChild(b), 1);
    QCOMPARE(b->rect().topLeft(), panel.mapToGlobal(QPoint(0, 20)));
    Recorder r(panel);
    b->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(panel.Count(), std::size_t{2});
    QCOMPARE(r.events, (Strings{"Resize", "TagSelected b"}));
    QVERIFY(!b->isValid());
    QCOMPARE(iface->child(1)->text(QAccessible::Name), QString("c"));
  }

  void keyboardClicks() {
    TagPanel panel;
    fill(panel, {"a", "b", "c"});
    Recorder r(panel);
    QTest::keyClick(&panel, Qt::Key_Down);
    QTest::keyClick(&panel, Qt::Key_Space);
    QCOMPARE(r.events, (Strings{"Resize", "TagSelected b"}));
  }
};

QTEST_MAIN(TestTagPanel)
#include "test_tag_panel.moc"
