#include <QAccessible>
#include <QMouseEvent>
#include <QToolTip>
#include <QtTest>

#include "widgets/tag_bar.h"
#include "widgets/tag_ctrl.h"
#include "widgets/tag_panel.h"

using namespace velmora::widgets;

// A panel of a, b and c, 20 pixels apart (30, 25 is on b, 30, 18 between rows), and a chip
// widget; w is the one a row drives, events what the two raise.
struct Chips {
  explicit Chips(bool onPanel, const std::string& text = "TagCtrl1")
      : chip(nullptr, text), w(onPanel ? static_cast<QWidget&>(panel) : chip) {
    for (const char* t : {"a", "b", "c"}) panel.AddItem(t);
    panel.Redraw();
    QObject::connect(&panel, &TagPanel::Resize, [this] { events << "Resize"; });
    QObject::connect(&panel, &TagPanel::TagSelected,
                     [this](std::string t) { events << t.c_str(); });
    QObject::connect(&chip, &TagCtrl::Click, [this](std::string t) { events << t.c_str(); });
  }
  TagPanel panel;
  TagCtrl chip;
  QWidget& w;
  QStringList events;
};

class TestChips : public QObject {
  Q_OBJECT
 private slots:
  // What a point (twips from the corner of a chip at 1000, 300) falls on: "label" shows the
  // tooltip, "chip" takes a click, "reach" is within the widest chip only. A chip fits its
  // label and a cap's width (120) on each side, within 600 to 1500 twips, the label centred.
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
    ChipGeometry g;
    g.left = 1000;
    g.top = 300;
    g.SetLabelWidth(label);
    const double x = 1000 + at.x(), y = 300 + at.y();
    const char* part = g.OnLabel(x, y)      ? "label"
                       : g.Contains(x, y)   ? "chip"
                       : g.MayContain(x, y) ? "reach"
                                            : "none";
    QTEST(QString(part), "part");
  }

  // Keys, or a left press and release on one chip, click it.
  void clicks_data() {
    QTest::addColumn<bool>("panel");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QLine>("drag");  // pressed at its start, released at its end
    QTest::addColumn<int>("button");
    QTest::addColumn<QStringList>("events");
    using L = QStringList;
    constexpr int left = Qt::LeftButton, right = Qt::RightButton;
    QTest::newRow("next") << true << "Down, Right, Return" << QLine() << 0 << L{"Resize", "c"};
    QTest::newRow("back to the first")
        << true << "Down, Up, Left, Space" << QLine() << 0 << L{"Resize", "a"};
    QTest::newRow("not past the last")
        << true << "End, Down, Enter" << QLine() << 0 << L{"Resize", "c"};
    QTest::newRow("Home") << true << "End, Home, Space" << QLine() << 0 << L{"Resize", "a"};
    QTest::newRow("then the new last")
        << true << "End, Space, Space" << QLine() << 0 << L{"Resize", "c", "Resize", "b"};
    QTest::newRow("other keys") << true << "A, Space" << QLine() << 0 << L{"Resize", "a"};
    QTest::newRow("a chip") << true << "" << QLine(30, 25, 30, 25) << left << L{"Resize", "b"};
    QTest::newRow("released on another") << true << "" << QLine(30, 25, 30, 5) << left << L{};
    QTest::newRow("between chips") << true << "" << QLine(30, 18, 30, 18) << left << L{};
    QTest::newRow("right button") << true << "" << QLine(30, 25, 30, 25) << right << L{};
    QTest::newRow("widget: on it") << false << "" << QLine(5, 8, 0, 16) << left << L{"TagCtrl1"};
    QTest::newRow("widget: released below") << false << "" << QLine(5, 8, 5, 17) << left << L{};
    QTest::newRow("widget: right button") << false << "" << QLine(5, 8, 5, 8) << right << L{};
    QTest::newRow("widget: Space, Escape")
        << false << "Space, Esc" << QLine() << 0 << L{"TagCtrl1"};
  }
  void clicks() {
    QFETCH(bool, panel);
    QFETCH(QString, keys);
    QFETCH(QLine, drag);
    QFETCH(int, button);
    Chips c(panel);
    const QKeySequence sequence(keys);
    for (int i = 0; i < sequence.count(); ++i) QTest::keyClick(&c.w, sequence[i].key());
    if (button != 0) {
      QTest::mousePress(&c.w, Qt::MouseButton(button), {}, drag.p1());
      QTest::mouseRelease(&c.w, Qt::MouseButton(button), {}, drag.p2());
      QTest::mouseRelease(&c.w, Qt::MouseButton(button), {}, drag.p2());  // alone: no click
    }
    QTEST(c.events, "events");
  }

  // The bar in a row with 30-twip gaps, the panel in rows of
  // 300 twips; one chip per exact text, with its first kind.
  void layout() {
    TagBar bar;
    bar.SetMeasure([](const std::string& t) { return t == "b" ? 615 : t == "B" ? 1400 : 100; });
    for (const char* t : {"b", "b", "B", ""}) bar.AddItem(t, t[0] == 'b' ? "auto" : "user");
    bar.AddItem("b", "user");
    bar.Redraw();
    QCOMPARE(bar.GetTags(), (std::vector<std::string>{"b", "B", ""}));
    QCOMPARE(bar.Chip(0).kind + bar.Chip(1).kind, "autouser");
    QCOMPARE(QPoint(bar.Chip(1).geometry.left, bar.Chip(2).geometry.left), QPoint(885, 2415));
    Chips c(true);
    QCOMPARE(QPoint(c.panel.Chip(2).geometry.left, c.panel.Chip(2).geometry.top), QPoint(10, 600));
    QCOMPARE(c.panel.height(), 60);
  }

  // A click that arrives while the first is yielding completes first; each chip leaves
  // before its tag is raised, and a panel that empties keeps its height.
  void clickDuringTheYield() {
    Chips c(true);
    const QPointF second(30, 25);  // row 1, which holds c once a has gone
    for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
      QCoreApplication::postEvent(
          &c.panel, new QMouseEvent(type, second, c.panel.mapToGlobal(second), Qt::LeftButton,
                                    Qt::LeftButton, {}));
    }
    QTest::mouseClick(&c.panel, Qt::LeftButton, {}, QPoint(30, 5));
    c.panel.ClickChip(0);
    QCOMPARE(c.events, (QStringList{"Resize", "Resize", "c", "a", "Resize", "b"}));
    QCOMPARE(c.panel.HeightTwips(), 300);
  }

  // Only the visible label shows the whole text; a tip shown before goes.
  void tooltips_data() {
    QTest::addColumn<bool>("panel");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QString>("tip");
    QTest::newRow("panel: a label") << true << QPoint(19, 28) << "b";
    QTest::newRow("panel: beside it") << true << QPoint(10, 28) << "";
    QTest::newRow("panel: past the chips") << true << QPoint(19, 61) << "";
    QTest::newRow("widget: the label") << false << QPoint(20, 8) << "W";
    QTest::newRow("widget: above it") << false << QPoint(20, 0) << "";
  }
  void tooltips() {
    QFETCH(bool, panel);
    QFETCH(QPoint, at);
    QFETCH(QString, tip);
    Chips c(panel, "W");
    QToolTip::hideText();
    QTRY_VERIFY(!QToolTip::isVisible());
    for (const QPoint p : {panel ? QPoint(19, 28) : QPoint(20, 8), at}) {
      QHelpEvent help(QEvent::ToolTip, p, c.w.mapToGlobal(p));
      QCoreApplication::sendEvent(&c.w, &help);
    }
    QTRY_COMPARE(QToolTip::isVisible() ? QToolTip::text() : QString(), tip);
  }

  // Each painted chip is a button named by its tag, which assistive technology can press.
  void accessibleChips() {
    Chips c(true);
    c.panel.show();
    QAccessibleInterface* b = QAccessible::queryAccessibleInterface(&c.panel)->child(1);
    QCOMPARE(b->role(), QAccessible::Button);
    QCOMPARE(b->text(QAccessible::Name), QString("b"));
    b->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(c.events, (QStringList{"Resize", "b"}));
    QVERIFY(!b->isValid());
  }

  // Resized in pixels by a container, within the same bounds; shown escaped, kept exact.
  void chipWidget() {
    TagCtrl chip;
    chip.show();
    chip.resize(200, 30);
    QCOMPARE(chip.size(), QSize(100, 17));
    chip.resize(10, 10);
    QCOMPARE(chip.size(), QSize(40, 10));
    chip.SetText(std::string(40, 'W'));  // a new text sizes the widget too
    QCOMPARE(chip.size(), QSize(100, 10));
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, {});
    QCoreApplication::sendEvent(&chip, &escape);
    QVERIFY(!escape.isAccepted());  // left to the parent: a dialog's Escape still closes it
    chip.SetText("b\xFF");
    QCOMPARE(chip.Text(), std::string("b\xFF"));
    QCOMPARE(chip.accessibleName(), QString("b\\xFF"));
  }

  // The pill, white outside its ends, and the cap with its divider (an empty chip, 40 pixels).
  void looks_data() {
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("left corner") << QPoint(0, 0) << QColor(Qt::white);
    QTest::newRow("right corner") << QPoint(39, 16) << QColor(Qt::white);
    QTest::newRow("body") << QPoint(10, 8) << QColor(0xBF, 0xBF, 0xBF);
    QTest::newRow("divider") << QPoint(32, 8) << QColor(0xC3, 0xC3, 0xC3);
    QTest::newRow("cap") << QPoint(35, 8) << QColor(0xBF, 0xBF, 0xBF);
  }
  void looks() {
    QFETCH(QPoint, at);
    QTEST(TagCtrl(nullptr, "").grab().toImage().pixelColor(at), "colour");
  }
};

QTEST_MAIN(TestChips)
#include "test_chips.moc"
