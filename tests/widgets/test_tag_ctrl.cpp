#include <QSignalSpy>
#include <QtTest>

#include "platform/twips.h"
#include "widgets/chip_geometry.h"
#include "widgets/tag_ctrl.h"

using velmora::widgets::ChipGeometry;
using velmora::widgets::TagCtrl;

class TestTagCtrl : public QObject {
  Q_OBJECT
 private slots:
  void sizing_data() {
    QTest::addColumn<int>("labelWidth");
    QTest::addColumn<int>("width");
    QTest::addColumn<double>("labelLeft");
    QTest::newRow("fits") << 615 << 855 << 120.0;
    QTest::newRow("empty text is 600, not 240") << 0 << 600 << 300.0;
    QTest::newRow("label as wide as the body") << 1500 << 1500 << 0.0;
    QTest::newRow("longer: label ends cut off") << 2000 << 1500 << -250.0;
    QTest::newRow("odd difference centres in halves") << 365 << 605 << 120.0;
  }
  void sizing() {
    QFETCH(int, labelWidth);
    QFETCH(int, width);
    QFETCH(double, labelLeft);
    ChipGeometry g;
    g.SetLabelWidth(labelWidth);
    QCOMPARE(g.width, width);
    QCOMPARE(g.labelLeft, labelLeft);
    QCOMPARE(g.capLeft, width - 120);
  }

  void bounds_data() {
    QTest::addColumn<int>("setWidth");
    QTest::addColumn<int>("setHeight");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("too wide") << 2000 << 255 << 1500 << 255;
    QTest::newRow("too narrow") << 100 << 255 << 600 << 255;
    QTest::newRow("too high") << 900 << 400 << 900 << 255;
    QTest::newRow("lower is kept") << 900 << 200 << 900 << 200;
  }
  void bounds() {
    QFETCH(int, setWidth);
    QFETCH(int, setHeight);
    QFETCH(int, width);
    QFETCH(int, height);
    TagCtrl chip;
    chip.SetWidth(setWidth);
    chip.SetHeight(setHeight);
    QCOMPARE(chip.Geometry().width, width);
    QCOMPARE(chip.Geometry().height, height);
    QCOMPARE(chip.Geometry().capLeft, width - 120);
    QCOMPARE(chip.width(), velmora::platform::TwipsToWholePixels(width));
    // Resized in pixels by a container: the same bounds.
    chip.show();
    chip.resize(200, 30);
    QCOMPARE(chip.Geometry().width, 1500);
    QCOMPARE(chip.Geometry().height, 255);
  }

  void textIsKeptExactly() {
    TagCtrl chip;
    QCOMPARE(chip.Text(), std::string("TagCtrl1"));
    chip.SetText("  padded tag  ");
    QCOMPARE(chip.Text(), std::string("  padded tag  "));
    QCOMPARE(chip.Geometry().width, std::clamp(chip.Geometry().labelWidth + 240, 600, 1500));
    chip.SetText("");
    QCOMPARE(chip.Geometry().width, 600);
  }

  // The label, the cap and the bare surface each give one click with the text.
  void clicksEverywhere() {
    TagCtrl chip;
    chip.SetText("holiday");
    chip.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chip));
    QSignalSpy clicks(&chip, &TagCtrl::Click);
    const auto& g = chip.Geometry();
    using velmora::platform::TwipsToPixels;
    const int y = chip.height() / 2;
    for (const double x : {TwipsToPixels(g.labelLeft + g.labelWidth / 2.0),
                           TwipsToPixels(g.capLeft + 60), TwipsToPixels(30)}) {
      QTest::mouseClick(&chip, Qt::LeftButton, {}, QPoint(static_cast<int>(x), y));
    }
    QCOMPARE(clicks.count(), 3);
    for (const auto& args : clicks)
      QCOMPARE(args.at(0).value<std::string>(), std::string("holiday"));
  }

  void releasedAfterItsClick() {
    auto* chip = new TagCtrl;
    QPointer<TagCtrl> alive(chip);
    connect(chip, &TagCtrl::Click, chip, [chip](std::string text) {
      text += " changed";  // a copy: the chip keeps its own
      QCOMPARE(chip->Text(), std::string("TagCtrl1"));
      chip->deleteLater();
    });
    chip->show();
    QTest::mouseClick(chip, Qt::LeftButton, {}, QPoint(5, 5));
    QTRY_VERIFY(alive.isNull());
  }
};

QTEST_MAIN(TestTagCtrl)
#include "test_tag_ctrl.moc"
