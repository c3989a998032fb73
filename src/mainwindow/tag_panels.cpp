#include "mainwindow/tag_panels.h"

#include <QFrame>
#include <QScrollBar>
#include <cmath>
#include <utility>

#include "mainwindow/form_layout.h"
#include "mainwindow/form_menus.h"
#include "mainwindow/status_line.h"
#include "widgets/tag_bar.h"
#include "widgets/tag_panel.h"
#include "widgets/twips.h"

namespace velmora::mainwindow {

using catalogue::TagKind;

TagPanels::TagPanels(catalogue::Browser& browser, const Controls& ui, std::function<void()> moved)
    : browser_(browser), ui_(ui), moved_(std::move(moved)) {
  timer_.setSingleShot(true);
  timer_.setInterval(150);
  QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { Redraw(); });
}

void TagPanels::Connect(QObject& context) {
  // Ctrl with a click (or the panel's menu) puts the tag in the bar as one that excludes.
  for (auto* panel : {ui_.oTagPanel, ui_.oTagUser}) {
    QObject::connect(
        panel, &widgets::TagPanel::TagSelected, &context, [this, panel](const std::string& text) {
          browser_.AddBarTag(text, panel == ui_.oTagPanel ? TagKind::Auto : TagKind::User,
                             panel->ClickModifiers().testFlag(Qt::ControlModifier));
        });
  }
  QObject::connect(ui_.oTagBar, &widgets::TagBar::TagSelected, &context,
                   [this](const std::string& text) { browser_.RemoveBarTag(text); });
  ui_.oTagPanel->SetTipMore([this](const std::string& tag) {
    const std::optional<catalogue::TagHits> hits = browser_.Hits(tag);
    return hits ? HitsText(*hits) : QString();
  });
  KeepScrolled(*ui_.oTagPanel, *ui_.picTagPanel, *ui_.vScroll1, true);
  KeepScrolled(*ui_.oTagUser, *ui_.picUserTags, *ui_.vScroll2, false);
  // The chip the keyboard moves to comes into sight, through the scroll bar.
  QObject::connect(
      ui_.oTagPanel, &widgets::ChipContainer::CurrentChanged, &context, [this](QRect chip) {
        const int top = -ui_.oTagPanel->y();
        const int to = ScrollToShow(chip.top(), chip.bottom(), top, ui_.picTagPanel->height());
        if (to != top)
          ui_.vScroll1->setValue(static_cast<int>(std::ceil(widgets::PixelsToTwips(to))));
      });
  for (QWidget* w : std::initializer_list<QWidget*>{ui_.oTagBar, ui_.picSelTags}) {
    w->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(w, &QWidget::customContextMenuRequested, &context, [this, w](QPoint at) {
      ShowBarMenu(*ui_.oTagBar, ui_.oTagBar->mapFrom(w, at), browser_,
                  barMore_ ? barMore_() : std::vector<MenuItem>(), chipItems_);
    });
  }
  // The panel's menu, on its chips and on the white below them.
  for (QWidget* w : std::initializer_list<QWidget*>{ui_.oTagPanel, ui_.picTagPanel}) {
    w->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(w, &QWidget::customContextMenuRequested, &context, [this, w](QPoint at) {
      ShowPanelMenu(*ui_.oTagPanel, ui_.oTagPanel->mapFrom(w, at), browser_, chipItems_);
    });
  }
}

void TagPanels::BarChanged(const catalogue::BarTag& tag, bool in) {
  widgets::TagPanel* home = tag.kind == TagKind::Auto ? ui_.oTagPanel : ui_.oTagUser;
  if (in) {
    ui_.oTagBar->AddItem(tag.text, tag.excluded);
    // A chip clicked has left its panel already; one chosen otherwise leaves it now.
    if (home->RemoveChip(tag.text)) home->Redraw();
  } else {
    ui_.oTagBar->RemoveChip(tag.text);  // gone already when clicked
    home->AddItem(tag.text);
    home->Redraw();
  }
  ui_.oTagBar->Redraw();
  moved_();
}

void TagPanels::Added(const std::vector<std::string>& chips) {
  for (const std::string& chip : chips) ui_.oTagPanel->AddItem(chip);
  // While a folder loads, the panel is laid out (and scrolled) a few times a second,
  // not for every piece.
  if (!browser_.Progress().loading) return Redraw();
  if (timer_.isActive()) return;
  timer_.start();
}

void TagPanels::Redraw() {
  timer_.stop();
  ui_.oTagPanel->Redraw();
}

void TagPanels::Reset() {
  ui_.oTagPanel->Clear();
  timer_.stop();
  Added(browser_.PanelChips());
  ui_.oTagBar->Clear();
  for (const catalogue::BarTag& tag : browser_.Bar()) ui_.oTagBar->AddItem(tag.text, tag.excluded);
  ui_.oTagBar->Redraw();
}

void TagPanels::LoadEnded() {
  if (timer_.isActive()) Redraw();
}

}  // namespace velmora::mainwindow
