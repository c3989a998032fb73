#include "widgets/chip_container.h"

#include <QAccessible>
#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

#include "desktop/shown_text.h"
#include "widgets/chip_accessible.h"
#include "widgets/chip_painter.h"
#include "widgets/twips.h"

namespace velmora::widgets {

ChipContainer::ChipContainer(QWidget* parent, ChipGeometry templateChip)
    : QWidget(parent), template_(templateChip), measure_(MeasureLabel) {
  static const bool accessible = (QAccessible::installFactory(ChipAccessibleFactory), true);
  (void)accessible;
  setFocusPolicy(Qt::StrongFocus);
  setAutoFillBackground(true);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
}

void ChipContainer::Clear() {
  for (std::size_t p = chips_.size(); p > 0; --p) {
    texts_.erase(chips_[p - 1]->text);
    chips_.pop_back();
  }
  places_.clear();
  current_ = 0;
  Changed();
}

void ChipContainer::AddChip(const std::string& text, bool excluded) {
  if (texts_.count(text) != 0) return;
  // The label is measured when the chip is first laid out or painted: the same
  // result, without measuring thousands of chips nobody sees.
  auto entry = std::make_unique<Entry>(Entry{text, excluded, ++lastIndex_, template_});
  texts_.insert(entry->text);
  places_.push_back({entry->geometry.left, entry->geometry.top});
  chips_.push_back(std::move(entry));
  Changed();
}

bool ChipContainer::RemoveChip(const std::string& text) {
  if (texts_.count(text) == 0) return false;
  const auto at = std::find_if(chips_.begin(), chips_.end(),
                               [&](const std::unique_ptr<Entry>& e) { return e->text == text; });
  texts_.erase((*at)->text);
  places_.erase(places_.begin() + (at - chips_.begin()));
  chips_.erase(at);
  Changed();
  return true;
}

const ChipContainer::Entry& ChipContainer::Measured(std::size_t position) const {
  Entry& entry = *chips_[position];
  entry.geometry.left = places_[position].left;
  entry.geometry.top = places_[position].top;
  if (!entry.measured) {
    entry.geometry.SetLabelWidth(measure_(entry.text));
    entry.measured = true;
  }
  return entry;
}

ChipInfo ChipContainer::Chip(std::size_t position) const {
  const Entry& e = Measured(position);
  return {e.text, e.excluded, e.index, e.geometry};
}

void ChipContainer::Place(std::size_t position, int left, int top) {
  places_[position] = {left, top, true};
}

long ChipContainer::ChipAt(QPointF point) const {
  const double x = PixelsToTwips(point.x());
  const double y = PixelsToTwips(point.y());
  for (std::size_t p = chips_.size(); p > 0; --p) {  // the last painted lies on top
    if (!ChipGeometry::MayContain(places_[p - 1].left, places_[p - 1].top, x, y)) continue;
    if (Measured(p - 1).geometry.Contains(x, y)) return static_cast<long>(p - 1);
  }
  return -1;
}

QRectF ChipContainer::ChipRect(std::size_t position) const {
  const ChipGeometry& g = Measured(position).geometry;
  return {TwipsToPixels(g.left), TwipsToPixels(g.top), TwipsToPixels(g.width),
          TwipsToPixels(g.height)};
}

long ChipContainer::PositionOf(std::int64_t index) const {
  // Indices only grow along the list, so the search halves.
  const auto at = std::lower_bound(
      chips_.begin(), chips_.end(), index,
      [](const std::unique_ptr<Entry>& e, std::int64_t i) { return e->index < i; });
  return at != chips_.end() && (*at)->index == index ? static_cast<long>(at - chips_.begin()) : -1;
}

long ChipContainer::FocusedChip() const {
  return keyboard_ && hasFocus() && current_ < chips_.size() ? static_cast<long>(current_) : -1;
}

void ChipContainer::Changed() {
  update();
  if (QAccessible::isActive()) {
    QAccessibleEvent event(this, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&event);
  }
}

void ChipContainer::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QRectF area = event->rect();
  const double top = PixelsToTwips(area.top()) - ChipGeometry::kMaxHeight;
  const double bottom = PixelsToTwips(area.bottom() + 1);
  const double left = PixelsToTwips(area.left()) - ChipGeometry::kMaxWidth;
  const double right = PixelsToTwips(area.right() + 1);
  for (std::size_t p = 0; p < places_.size(); ++p) {
    const Spot& g = places_[p];
    if (!g.placed || g.top < top || g.top > bottom || g.left < left || g.left > right) continue;
    const Entry& e = Measured(p);
    PaintChip(painter, e.geometry, desktop::ShownText(e.text),
              keyboard_ && hasFocus() && p == current_, e.excluded);
  }
}

void ChipContainer::mousePressEvent(QMouseEvent* event) {
  keyboard_ = false;
  const long p = event->button() == Qt::LeftButton ? ChipAt(event->position()) : -1;
  pressed_ = p < 0 ? 0 : chips_[static_cast<std::size_t>(p)]->index;
}

void ChipContainer::mouseReleaseEvent(QMouseEvent* event) {
  const long p = event->button() == Qt::LeftButton ? ChipAt(event->position()) : -1;
  const bool click =
      p >= 0 && pressed_ != 0 && chips_[static_cast<std::size_t>(p)]->index == pressed_;
  pressed_ = 0;
  if (click) {
    current_ = static_cast<std::size_t>(p);
    ClickChip(static_cast<std::size_t>(p), event->modifiers());
  }
}

void ChipContainer::ClickChip(std::size_t position, Qt::KeyboardModifiers modifiers) {
  // Copies first: the chip is gone before its event is raised.
  const std::string text = chips_[position]->text;
  texts_.erase(chips_[position]->text);
  chips_.erase(chips_.begin() + static_cast<std::ptrdiff_t>(position));
  places_.erase(places_.begin() + static_cast<std::ptrdiff_t>(position));
  Changed();
  Redraw();
  // A click on another chip handled here completes, event and all, before this one's.
  QApplication::processEvents();
  clickModifiers_ = modifiers;
  Selected(text);
  clickModifiers_ = {};
}

namespace {

// Whether text (UTF-8) starts with prefix, case aside; lower is prefix lower-cased when it
// is ASCII, else empty. An ASCII chip is compared byte by byte: a key must stay quick on
// tens of thousands of chips.
bool StartsWith(const std::string& text, const QString& prefix, const std::string& lower) {
  if (lower.empty()) return QString::fromUtf8(text).startsWith(prefix, Qt::CaseInsensitive);
  for (std::size_t i = 0; i < lower.size(); ++i) {
    if (i == text.size()) return false;
    const auto c = static_cast<unsigned char>(text[i]);
    if (c >= 0x80) return QString::fromUtf8(text).startsWith(prefix, Qt::CaseInsensitive);
    if ((c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c) != static_cast<unsigned char>(lower[i]))
      return false;
  }
  return true;
}

}  // namespace

long ChipContainer::TypedChip(const QKeyEvent& event) {
  const QString text = event.text();
  if (text.isEmpty() || !text.front().isPrint() ||
      (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
    return -2;
  // As in item views: keys in quick succession add up; a new search starts after the
  // current chip, and so does one letter typed again, to go round the chips it starts.
  const bool goesOn =
      typedAt_.isValid() && typedAt_.elapsed() <= QApplication::keyboardInputInterval();
  typedAt_.start();
  typed_ = goesOn ? typed_ + text : text;
  const bool sameKey = typed_.size() > 1 && typed_.count(typed_.back()) == typed_.size();
  if (sameKey) typed_.truncate(2);  // the same from then on, however long the key is held
  const QString search = sameKey ? typed_.left(1) : typed_;
  std::string lower;
  for (const QChar c : search) {
    if (c.unicode() >= 0x80) {
      lower.clear();
      break;
    }
    lower.push_back(static_cast<char>(c.toLower().unicode()));
  }
  const std::size_t n = chips_.size();
  const std::size_t current = std::min(current_, n - 1);
  const std::size_t from = goesOn && !sameKey ? current : keyboard_ ? (current + 1) % n : 0;
  for (std::size_t k = 0; k < n; ++k) {
    const std::size_t p = (from + k) % n;
    if (StartsWith(chips_[p]->text, search, lower)) return static_cast<long>(p);
  }
  return -1;
}

void ChipContainer::keyPressEvent(QKeyEvent* event) {
  if (chips_.empty()) return QWidget::keyPressEvent(event);
  const ChipKey key = ChipKeyOf(event->key());
  const long typed = key == ChipKey::Other ? TypedChip(*event) : -2;
  const bool shown = keyboard_;
  keyboard_ = true;
  const std::size_t last = chips_.size() - 1;
  std::size_t next = std::min(current_, last);
  switch (key) {
    case ChipKey::Previous:
      next = next == 0 ? 0 : next - 1;
      break;
    case ChipKey::Next:
      next = std::min(next + 1, last);
      break;
    case ChipKey::First:
      next = 0;
      break;
    case ChipKey::Last:
      next = last;
      break;
    case ChipKey::Click:
      current_ = next;
      ClickChip(next, event->modifiers());
      return;
    case ChipKey::Other:
      if (typed == -2) return QWidget::keyPressEvent(event);
      if (typed >= 0) next = static_cast<std::size_t>(typed);  // no match: stays
      break;
  }
  const bool moved = next != current_ || !shown;
  current_ = next;
  update();
  if (QAccessible::isActive()) {
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(static_cast<int>(current_));
    QAccessible::updateAccessibility(&focus);
  }
  if (moved) emit CurrentChanged(ChipRect(current_).toAlignedRect());
}

bool ChipContainer::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    // The whole text shows over the label, also where the chip cuts it off; the cap has none.
    const auto* help = static_cast<QHelpEvent*>(event);
    const long p = ChipAt(help->pos());
    const Entry* chip = p >= 0 ? &Measured(static_cast<std::size_t>(p)) : nullptr;
    if (chip != nullptr &&
        chip->geometry.OnLabel(PixelsToTwips(help->pos().x()), PixelsToTwips(help->pos().y()))) {
      QToolTip::showText(
          help->globalPos(),
          desktop::ShownText(chip->text) + (tipMore_ ? tipMore_(chip->text) : QString()), this);
    } else {
      QToolTip::hideText();
    }
    return true;
  }
  return QWidget::event(event);
}

}  // namespace velmora::widgets
