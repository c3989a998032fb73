#include <QSignalSpy>
#include <QtTest>

#include "platform/twips.h"
#include "widgets/tag_bar.h"
#include "widgets/tag_panel.h"

using velmora::widgets::TagBar;
using Strings = std::vector<std::string>;

namespace {

// Label widths that give chips of 600, 855 and 1500 twips.
int fixedWidths(const std::string& text) {
  return text == "short" ? 100 : text == "mid" ? 615 : 1400;
}

std::vector<int> leftsOf(const TagBar& bar) {
  std::vector<int> lefts;
  for (std::size_t i = 0; i < bar.Count(); ++i) {
    lefts.push_back(bar.Chip(i).geometry.left);
    if (bar.Chip(i).geometry.top != 0) return {};
  }
  return lefts;
}

QPoint centreOf(const TagBar& bar, std::size_t position) {
  const auto g = bar.Chip(position).geometry;
  using velmora::platform::TwipsToPixels;
  return {static_cast<int>(TwipsToPixels(g.left + g.width / 2)),
          static_cast<int>(TwipsToPixels(g.height / 2))};
}

}  // namespace

class TestTagBar : public QObject {
  Q_OBJECT
 private slots:
  void oneRowWithGaps() {
    TagBar bar;
    bar.SetMeasure(fixedWidths);
    bar.AddItem("short", "auto");
    bar.AddItem("mid", "auto");
    bar.AddItem("long", "user");
    QCOMPARE(bar.Chip(0).geometry.left, 120);  // at the template until laid out
    bar.Redraw();
    QCOMPARE(leftsOf(bar), (std::vector<int>{0, 630, 1515}));
  }

  void itemsKeepTheirFirstKind() {
    TagBar bar;
    bar.resize(400, 20);
    bar.AddItem("beach", "auto");
    bar.AddItem("beach", "user");
    bar.AddItem("Beach", "user");
    bar.Redraw();
    QCOMPARE(bar.Count(), std::size_t{2});
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    QSignalSpy selected(&bar, &TagBar::TagSelected);
    QTest::mouseClick(&bar, Qt::LeftButton, {}, centreOf(bar, 0));
    QCOMPARE(selected.count(), 1);
    QCOMPARE(selected[0][0].value<std::string>(), std::string("beach"));
    QCOMPARE(selected[0][1].value<std::string>(), std::string("auto"));
  }

  void getTags() {
    TagBar bar;
    QCOMPARE(bar.GetTags(), Strings{});
    bar.resize(30, 20);  // chips beyond the edge still filter
    for (const char* t : {"b", "a", "c"}) bar.AddItem(t, "auto");
    bar.Redraw();
    Strings tags = bar.GetTags();
    QCOMPARE(tags, (Strings{"b", "a", "c"}));
    tags.clear();
    QCOMPARE(bar.GetTags().size(), std::size_t{3});
    bar.Clear();
    QCOMPARE(bar.GetTags(), Strings{});
    bar.AddItem("d", "auto");
    QCOMPARE(bar.Chip(0).index, std::int64_t{4});
  }

  void clickMiddleClosesTheGap() {
    TagBar bar;
    bar.SetMeasure(fixedWidths);
    bar.resize(200, 20);
    bar.AddItem("short", "auto");
    bar.AddItem("mid", "user");
    bar.AddItem("long", "auto");
    bar.Redraw();
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    QSignalSpy selected(&bar, &TagBar::TagSelected);
    std::vector<int> leftsWhenSelected;
    connect(&bar, &TagBar::TagSelected, [&] { leftsWhenSelected = leftsOf(bar); });
    QTest::mouseClick(&bar, Qt::LeftButton, {}, centreOf(bar, 1));
    QCOMPARE(selected.count(), 1);
    QCOMPARE(selected[0][0].value<std::string>(), std::string("mid"));
    QCOMPARE(selected[0][1].value<std::string>(), std::string("user"));
    QCOMPARE(leftsWhenSelected, (std::vector<int>{0, 630}));
  }

  void emptyRedrawRaisesNothing() {
    TagBar bar;
    QSignalSpy selected(&bar, &TagBar::TagSelected);
    bar.Redraw();
    QCOMPARE(selected.count(), 0);
  }

  // An enlarged picture of a panel and a bar, to look at.
  void screenshot() {
    QWidget window;
    window.setObjectName("window");
    window.setStyleSheet("#window { background: #d4d0c8 }");
    auto* panel = new velmora::widgets::TagPanel(&window);
    auto* bar = new TagBar(&window);
    panel->setGeometry(4, 4, 110, 10);
    bar->setGeometry(120, 4, 330, 19);
    for (const char* t : {"holiday", "photos", "beach", "jpg", "", "a-rather-long-tag-name"})
      panel->AddItem(t);
    panel->Redraw();
    for (const char* t : {"beach", "Résumé", "mp"}) bar->AddItem(t, "auto");
    bar->Redraw();
    window.resize(456, 130);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QImage shot = window.grab().toImage().scaled(456 * 4, 130 * 4, Qt::IgnoreAspectRatio,
                                                       Qt::FastTransformation);
    QVERIFY(shot.save(QDir::current().filePath("tag-widgets.png")));
  }
};

QTEST_MAIN(TestTagBar)
#include "test_tag_bar.moc"
