#include <QAccessible>
#include <QToolTip>
#include <QtTest>

#include "widgets/tag_bar.h"
#include "widgets/tag_panel.h"

using namespace velmora::widgets;

// Chips a, b, Bc in rows 20 pixels apart (30, 25 is on b). The events: tags raised, and
// "at y" where the keyboard moves to a chip.
struct Chips {
  Chips() {
    for (const char* t : {"a", "b", "Bc"}) panel.AddItem(t);
    panel.Redraw();
    const auto log = [this](const std::string& t) { events << t.c_str(); };
    QObject::connect(&panel, &TagPanel::TagSelected, log);
    QObject::connect(&panel, &TagPanel::CurrentChanged,
                     [this](QRect r) { events << "at " + QString::number(r.y()); });
  }
  TagPanel panel;
  QStringList events;
};

class TestChips : public QObject {
  Q_OBJECT
 private slots:
  // What a point (twips from a chip's corner) falls on: "label" shows the tooltip, "chip" takes
  // a click, "reach" is within the widest chip only.
  void parts_data() {
    QTest::addColumn<int>("label");
    QTest::addColumn<QPointF>("at");
    QTest::addColumn<QString>("part");
    QTest::newRow("label's first twip") << 100 << QPointF(250, 15) << "label";
    QTest::newRow("chip's first twip") << 100 << QPointF(0, 0) << "chip";
    QTest::newRow("before the label") << 100 << QPointF(249.5, 100) << "chip";
    QTest::newRow("after the label") << 100 << QPointF(350, 100) << "chip";
    QTest::newRow("above the label") << 100 << QPointF(300, 14) << "chip";
    QTest::newRow("below the label") << 100 << QPointF(300, 240) << "chip";
    QTest::newRow("chip's last twip") << 100 << QPointF(599, 254) << "chip";
    QTest::newRow("past the chip") << 100 << QPointF(600, 100) << "reach";
    QTest::newRow("past the widest") << 100 << QPointF(1500, 100) << "none";
    QTest::newRow("below") << 100 << QPointF(300, 255) << "none";
    QTest::newRow("long label before the cap") << 2000 << QPointF(1379, 100) << "label";
    QTest::newRow("long label under the cap") << 2000 << QPointF(1380, 100) << "chip";
  }
  void parts() {
    QFETCH(int, label);
    QFETCH(QPointF, at);
    ChipGeometry g = ChipGeometry::Template(1000);  // top 120
    g.SetLabelWidth(label);
    const double x = 1000 + at.x(), y = 120 + at.y();
    const int part = g.OnLabel(x, y) ? 0 : g.Contains(x, y) ? 1 : g.MayContain(x, y) ? 2 : 3;
    QTEST(QStringList({"label", "chip", "reach", "none"})[part], "part");
  }

  // Keys, a press and release, or a hover from the first point to the second: the tags raised
  // and the tooltip left showing.
  void input_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QLine>("at");
    QTest::addColumn<int>("button");
    QTest::addColumn<QStringList>("events");
    using L = QStringList;
    constexpr int left = Qt::LeftButton, right = Qt::RightButton, hover = 0;
    const L down{"at 20", "at 40", "Bc"};
    QTest::newRow("next") << "Down, Right, Return" << QLine() << 0 << down;
    QTest::newRow("back to the first") << "Down, Up, Left, Space" << QLine() << 0
                                       << L{"at 20", "at 0", "a"};
    QTest::newRow("not past the last") << "End, Down, Enter" << QLine() << 0 << L{"at 40", "Bc"};
    QTest::newRow("Home") << "End, Home, Space" << QLine() << 0 << L{"at 40", "at 0", "a"};
    QTest::newRow("the new last") << "End, Space, Space" << QLine() << 0 << L{"at 40", "Bc", "b"};
    QTest::newRow("other keys") << "F2, Space" << QLine() << 0 << L{"a"};
    QTest::newRow("typed: first chip it starts") << "B, Return" << QLine() << 0 << L{"at 20", "b"};
    QTest::newRow("typed on") << "B, C, Space" << QLine() << 0 << down;
    QTest::newRow("typed again goes round") << "B, B, B, Enter" << QLine() << 0
                                            << L{"at 20", "at 40", "at 20", "b"};
    QTest::newRow("typed anew: after the chip") << "Down, B, Space" << QLine() << 0 << down;
    QTest::newRow("typed, no match stays") << "End, Z, Space" << QLine() << 0 << L{"at 40", "Bc"};
    QTest::newRow("a chip") << "" << QLine(30, 25, 30, 25) << left << L{"b"};
    QTest::newRow("released on another") << "" << QLine(30, 25, 30, 5) << left << L{};
    QTest::newRow("right button") << "" << QLine(30, 25, 30, 25) << right << L{};
    QTest::newRow("a label") << "" << QLine(19, 28, 19, 28) << hover << L{"tip b"};
    QTest::newRow("past the chips") << "" << QLine(19, 28, 19, 61) << hover << L{};
  }
  void input() {
    QFETCH(QString, keys);
    QFETCH(QLine, at);
    QFETCH(int, button);
    QFETCH(QStringList, events);
    Chips c;
    QToolTip::hideText();
    QTRY_VERIFY(!QToolTip::isVisible());
    const QKeySequence sequence(keys);
    for (int i = 0; i < sequence.count(); ++i) QTest::keyClick(&c.panel, sequence[i].key());
    for (const QPoint p : {at.p1(), at.p2()}) {
      QHelpEvent help(QEvent::ToolTip, p, c.panel.mapToGlobal(p));
      if (button == 0 && keys.isEmpty()) QCoreApplication::sendEvent(&c.panel, &help);
    }
    if (button != 0) {
      QTest::mousePress(&c.panel, Qt::MouseButton(button), {}, at.p1());
      QTest::mouseRelease(&c.panel, Qt::MouseButton(button), {}, at.p2());
      QTest::mouseRelease(&c.panel, Qt::MouseButton(button), {}, at.p2());  // alone: no click
    }
    QTRY_COMPARE(
        QToolTip::isVisible() ? c.events + QStringList{"tip " + QToolTip::text()} : c.events,
        events);
  }

  // The panel is as high as its rows. A click that arrives while the first is yielding completes
  // first; each chip leaves before its tag is raised, and a panel that empties keeps its height.
  void clickDuringTheYield() {
    Chips c;
    QCOMPARE(c.panel.height(), 60);
    QObject::connect(&c.panel, &TagPanel::Resize, [&c] { c.events << "Resize"; });
    const QPointF second(30, 25);  // row 1, which holds c once a has gone
    for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
      QCoreApplication::postEvent(
          &c.panel, new QMouseEvent(type, second, c.panel.mapToGlobal(second), Qt::LeftButton,
                                    Qt::LeftButton, {}));
    }
    QTest::mouseClick(&c.panel, Qt::LeftButton, {}, QPoint(30, 5));
    c.panel.ClickChip(0);
    QCOMPARE(c.events, (QStringList{"Resize", "Resize", "Bc", "a", "Resize", "b"}));
    QCOMPARE(c.panel.HeightTwips(), 300);
  }

  // Each painted chip is a button named by its tag, which assistive technology can press;
  // one stays itself while others leave.
  void accessibleChips() {
    Chips c;
    c.panel.show();
    QAccessibleInterface* panel = QAccessible::queryAccessibleInterface(&c.panel);
    QAccessibleInterface *a = panel->child(0), *b = panel->child(1);
    QCOMPARE(b->role(), QAccessible::Button);
    const QPoint onA = c.panel.mapToGlobal(QPoint(30, 5));
    QCOMPARE(panel->childAt(onA.x(), onA.y()), a);
    a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(c.events, QStringList{"a"});
    QVERIFY(!a->isValid() && a->state().invalid);
    QCOMPARE(b->text(QAccessible::Name), QString("b"));
    QCOMPARE(panel->indexOfChild(b), 0);
  }

  // The bar in a row with 30-twip gaps, one chip per exact text with its first kind.
  void sizes() {
    TagBar bar;
    bar.SetMeasure([](const std::string& t) { return t == "b" ? 615 : t == "B" ? 1400 : 100; });
    for (const char* t : {"b", "b", "B", ""}) bar.AddItem(t, t[0] == 'b' ? "auto" : "user");
    bar.AddItem("b", "user");
    bar.Redraw();
    QCOMPARE(bar.GetTags(), (std::vector<std::string>{"b", "B", ""}));
    QCOMPARE(bar.Chip(0).kind + bar.Chip(1).kind, "autouser");
    QCOMPARE(QPoint(bar.Chip(1).geometry.left, bar.Chip(2).geometry.left), QPoint(885, 2415));
    bar.AddItem("x", "not auto");  // a tag that leaves files out says so to screen readers
    QCOMPARE(QAccessible::queryAccessibleInterface(&bar)->child(3)->text(QAccessible::Name),
             QString("not x"));
  }
};

QTEST_MAIN(TestChips)
#include "test_chips.moc"
