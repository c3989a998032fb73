#include <QAccessible>
#include <QToolTip>
#include <QtTest>

#include "support/testdir.h"
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
  // What a point (twips from a chip's corner, after the label's width) falls on: "label" shows
  // the tooltip, "chip" takes a click, "reach" is within the widest chip only.
  void parts_data() {
    TextRows(
        "label's first twip: 100 250 15 label;chip's first twip: 100 0 0 chip;before the "
        "label: 100 249.5 100 chip;after the label: 100 350 100 chip;above the label: 100 "
        "300 14 chip;below the label: 100 300 240 chip;chip's last twip: 100 599 254 chip;"
        "past the chip: 100 600 100 reach;past the widest: 100 1500 100 none;below: 100 "
        "300 255 none;long label before the cap: 2000 1379 100 label;long label under the "
        "cap: 2000 1380 100 chip");
  }
  void parts() {
    QFETCH(QString, v);
    const QStringList n = v.split(' ');
    ChipGeometry g = ChipGeometry::Template(1000);  // top 120
    g.SetLabelWidth(n[0].toInt());
    const double x = 1000 + n[1].toDouble(), y = 120 + n[2].toDouble();
    const int part = g.OnLabel(x, y) ? 0 : g.Contains(x, y) ? 1 : g.MayContain(x, y) ? 2 : 3;
    QCOMPARE(QStringList({"label", "chip", "reach", "none"})[part], n[3]);
  }

  // Keys; or a press with the left or right button (l, r) or a hover (h) at a point and the
  // release or hover at a second: the tags raised, "at y" where the keyboard moves to a chip,
  // and the tooltip left showing.
  void input_data() {
    TextRows(
        "next: Down, Right, Return = at 20|at 40|Bc;back to the first: Down, Up, Left, "
        "Space = at 20|at 0|a;not past the last: End, Down, Enter = at 40|Bc;Home: End, "
        "Home, Space = at 40|at 0|a;the new last: End, Space, Space = at 40|Bc|b;other "
        "keys: F2, Space = a;typed, first chip it starts: B, Return = at 20|b;typed on: B, "
        "C, Space = at 20|at 40|Bc;typed again goes round: B, B, B, Enter = at 20|at 40|at "
        "20|b;typed anew, after the chip: Down, B, Space = at 20|at 40|Bc;typed, no match "
        "stays: End, Z, Space = at 40|Bc;a chip: l 30 25 30 25 = b;released on another: l "
        "30 25 30 5 = ;right button: r 30 25 30 25 = ;a label: h 19 28 19 28 = tip b;past "
        "the chips: h 19 28 19 61 = ");
  }
  void input() {
    QFETCH(QString, v);
    const QString act = v.section(" = ", 0, 0);
    const QStringList n = act.split(' ');
    const bool mouse = n[0].size() == 1 && n[0][0].isLower();
    const QLine at =
        mouse ? QLine(n[1].toInt(), n[2].toInt(), n[3].toInt(), n[4].toInt()) : QLine();
    const int button = !mouse || n[0] == "h" ? 0 : n[0] == "l" ? 1 : 2;  // Qt::MouseButton
    const QString keys = mouse ? QString() : act;
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
        v.section(" = ", 1).split('|', Qt::SkipEmptyParts));
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

  // Until laid out again, a chip stays where it was painted and one that came is not
  // painted: a folder's chips come faster than they are laid out.
  void paintsWhereLaidOut() {
    Chips c;
    c.panel.resize(100, 80);
    c.panel.RemoveChip("a");
    c.panel.AddItem("d");
    const auto inked = [&c] {
      const QImage shot = c.panel.grab().toImage();
      QString rows;  // a mark for each 20-pixel row painted, at its middle and near its top
      for (const int y : {10, 3, 30, 23, 50, 43, 70, 63}) {
        bool ink = false;
        for (int x = 0; x < shot.width(); ++x) ink = ink || shot.pixel(x, y) != qRgb(255, 255, 255);
        rows += ink ? '#' : '.';
      }
      return rows;
    };
    QCOMPARE(inked(), QString("..####.."));
    const auto at = [&c](int y) { return c.panel.ChipAt(QPointF(30, y)); };
    QCOMPARE(QList<long>({at(5), at(25), at(45), at(65)}), QList<long>({-1, 0, 1, -1}));
    c.panel.Redraw();  // three rows high again
    QCOMPARE(inked().left(6), QString("######"));
    QCOMPARE(QList<long>({at(5), at(25), at(45), at(65)}), QList<long>({0, 1, 2, -1}));
  }

  // The bar in a row with 30-twip gaps, one chip per exact text as it first came.
  void sizes() {
    TagBar bar;
    bar.SetMeasure([](const std::string& t) { return t == "b" ? 615 : t == "B" ? 1400 : 100; });
    for (const char* t : {"b", "b", "B", ""}) bar.AddItem(t, t[0] != 'b');
    bar.AddItem("b", true);
    bar.Redraw();
    QCOMPARE(bar.GetTags(), (std::vector<std::string>{"b", "B", ""}));
    QVERIFY(!bar.Chip(0).excluded && bar.Chip(1).excluded);
    QCOMPARE(QPoint(bar.Chip(1).geometry.left, bar.Chip(2).geometry.left), QPoint(885, 2415));
    bar.AddItem("x", true);  // a tag that leaves files out says so to screen readers
    QCOMPARE(QAccessible::queryAccessibleInterface(&bar)->child(3)->text(QAccessible::Name),
             QString("not x"));
  }
};

QTEST_MAIN(TestChips)
#include "test_chips.moc"
