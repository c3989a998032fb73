#include "mainwindow/form_geometry.h"

#include <QEvent>
#include <QFrame>
#include <QScreen>
#include <QScrollBar>
#include <QWidget>
#include <algorithm>
#include <climits>
#include <functional>
#include <utility>

#include "desktop/qt_services.h"
#include "mainwindow/form_controls.h"
#include "widgets/tag_panel.h"
#include "widgets/twips.h"

namespace velmora::mainwindow {

using widgets::PixelsToTwips;
using widgets::TwipsToWholePixels;

namespace {

// Calls back after each resize of the widget it watches, and goes with it.
class OnResize final : public QObject {
 public:
  OnResize(QWidget& watched, std::function<void()> then)
      : QObject(&watched), then_(std::move(then)) {
    watched.installEventFilter(this);
  }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Resize) then_();
    return false;
  }

 private:
  const std::function<void()> then_;
};

}  // namespace

void Placement::Shown() {
  if (centred_) return;
  centred_ = true;
  recentre_ = true;
  Centre();
}

void Placement::Centre() {
  // Cut to the screen first: a large scale must not leave the title bar out of reach.
  if (const QScreen* screen = form_.screen()) {
    const QRect a = screen->availableGeometry();
    const QRect frame = form_.frameGeometry();
    const Box place =
        FirstPlace({a.x(), a.y(), a.width(), a.height()}, form_.width(), form_.height(),
                   frame.width() - form_.width(), frame.height() - form_.height());
    form_.resize(place.width, place.height);
    form_.move(place.x, place.y);
  }
}

void Placement::FrameCheck() {
  const QSize extra = form_.frameGeometry().size() - form_.size();
  if (extra == frameExtra_) return;
  frameExtra_ = extra;
  Resized();
  if (std::exchange(recentre_, false)) Centre();
}

void ApplyResizeRule(QWidget& form) {
  if (form.isMinimized()) return;
  // The rule measures the outer size, frame and title bar included.
  const QSize frameExtra = form.frameGeometry().size() - form.size();
  // Never more than the screen holds, or the window could not be brought back onto it.
  QSize least(TwipsToWholePixels(kMinimumWindow), TwipsToWholePixels(kMinimumWindow));
  if (const QScreen* screen = form.screen())
    least = least.boundedTo(screen->availableGeometry().size());
  form.setMinimumSize(least - frameExtra);
  const auto twips = [](int pixels) { return static_cast<int>(PixelsToTwips(pixels)); };
  if (twips(form.frameGeometry().width()) < kMinimumWindow ||
      twips(form.frameGeometry().height()) < kMinimumWindow) {
    form.resize(std::max(form.width(), form.minimumWidth()),
                std::max(form.height(), form.minimumHeight()));
  }
  // At the size the window has now.
  const QRect outer = form.frameGeometry();
  PlaceControls(form, FormLayout(twips(outer.width()), twips(outer.height()), twips(form.width()),
                                 twips(form.height())));
}

void PlaceControls(QWidget& form, const FormSizes& s) {
  for (const HomePlace& c : HomePlaces()) {
    auto* w = form.findChild<QWidget*>(QString::fromLatin1(c.name), Qt::FindDirectChildrenOnly);
    Box home = c.home;
    if (c.label) {  // as wide as its text, the status line no narrower than placed
      const QSize text = w->sizeHint();
      home.width = std::max(c.home.width, static_cast<int>(PixelsToTwips(text.width())));
      if (c.home.height == 0) home.height = static_cast<int>(PixelsToTwips(text.height()));
    }
    const Box r = Place(s, c.name, home);
    w->setGeometry(TwipsToWholePixels(r.x), TwipsToWholePixels(r.y), TwipsToWholePixels(r.width),
                   TwipsToWholePixels(r.height));
  }
  const auto find = [&form](const char* name) {
    return form.findChild<QWidget*>(QString::fromLatin1(name));
  };
  find("oTagBar")->resize(TwipsToWholePixels(s.oTagBarWidth), find("oTagBar")->height());
  find("VScroll1")->resize(find("VScroll1")->width(), TwipsToWholePixels(s.vScroll1Height));
  FitTranslatedTexts(form);
}

void ApplyScrollRule(widgets::TagPanel& panel, QFrame& container, QScrollBar& bar,
                     bool scrollToEnd) {
  const ScrollRange range = ScrollRule(panel.HeightTwips(), PixelsToTwips(container.height()));
  if (!range.visible) {
    bar.hide();  // its value stays
    panel.move(panel.x(), 0);
    return;
  }
  bar.show();
  bar.setMinimum(0);
  bar.setMaximum(static_cast<int>(std::min<std::int64_t>(range.maximum, INT_MAX)));
  bar.setPageStep(static_cast<int>(std::min<std::int64_t>(range.pageStep, INT_MAX)));
  if (scrollToEnd) {
    // Waiting events run before the panel jumps to the end, twice: one pass runs
    // what is queued now (clicks, the repaint at the panel's new height), the second what
    // that pass posted in turn, so the jump comes last, after a chip clicked meanwhile.
    desktop::ProcessPendingEvents();
    desktop::ProcessPendingEvents();
    bar.setValue(bar.maximum());
  }
  panel.move(panel.x(), -TwipsToWholePixels(bar.value()));  // where the bar says
}

namespace {
// Gives bar the range the panel's chips need in a container that shrank, without moving the
// panel: shown, its maximum raised. Otherwise nothing changes.
void KeepReachable(const widgets::TagPanel& panel, const QFrame& container, QScrollBar& bar) {
  if (panel.Count() == 0) return;
  const ScrollRange need = ScrollRule(panel.HeightTwips(), PixelsToTwips(container.height()));
  if (!need.visible || (!bar.isHidden() && bar.maximum() >= need.maximum)) return;
  // A hidden bar's value is stale; shown, it says where the panel stands.
  if (bar.isHidden()) bar.setValue(static_cast<int>(PixelsToTwips(-panel.y())));
  bar.setMaximum(static_cast<int>(std::min<std::int64_t>(need.maximum, INT_MAX)));
  bar.setPageStep(static_cast<int>(std::min<std::int64_t>(need.pageStep, INT_MAX)));
  bar.show();
}
}  // namespace

void KeepScrolled(widgets::TagPanel& panel, QFrame& container, QScrollBar& bar, bool scrollToEnd) {
  QObject::connect(&panel, &widgets::TagPanel::Resize, &container,
                   [&, scrollToEnd] { ApplyScrollRule(panel, container, bar, scrollToEnd); });
  // The window's layout changes the container's height without the rule: bar and panel stay
  // as they are, unless chips past the container's end could no longer be reached.
  new OnResize(container, [&] { KeepReachable(panel, container, bar); });
  QObject::connect(&bar, &QScrollBar::valueChanged, &panel,
                   [&panel](int value) { panel.move(panel.x(), -TwipsToWholePixels(value)); });
}

}  // namespace velmora::mainwindow
