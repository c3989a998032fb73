#pragma once
// What the tag panel and the filter bar share: an ordered list of chips with unique
// texts, created from a template and destroyed again, painted by the container itself
// so that tens of thousands of chips stay cheap. A chip reached by the mouse or the
// keyboard shows its tooltip and takes a click like a button of its own.

#include <QElapsedTimer>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "widgets/chip_geometry.h"

namespace velmora::widgets {

// What a container shows of one chip, for its host and for tests.
struct ChipInfo {
  std::string text;
  bool excluded;       // its tag leaves files out: struck through, in red
  std::int64_t index;  // 1 for the first chip the container ever made
  ChipGeometry geometry;
};

class ChipContainer : public QWidget {
  Q_OBJECT
 public:
  // Measures a label in twips; replaceable so that layouts can be checked with exact widths.
  using Measure = std::function<int(const std::string&)>;

  void Clear();
  std::size_t Count() const { return chips_.size(); }
  ChipInfo Chip(std::size_t position) const;
  const std::string& TextAt(std::size_t position) const { return chips_[position]->text; }
  bool Holds(const std::string& text) const { return texts_.count(text) != 0; }
  // Takes out the chip with exactly this text, if there, without a layout or an event.
  // False, and at once, when none has it.
  bool RemoveChip(const std::string& text);
  // The chip position under a point in pixels, or -1.
  long ChipAt(QPointF point) const;
  // Where the chip at position is drawn, in pixels of the container.
  QRectF ChipRect(std::size_t position) const;
  // What a click on the chip at position does: it leaves, and the container's event follows.
  void ClickChip(std::size_t position, Qt::KeyboardModifiers modifiers = {});
  // The position of the chip with this index, or -1 once it has gone.
  long PositionOf(std::int64_t index) const;
  // The chip the keyboard is on, when the keyboard is in use; -1 otherwise.
  long FocusedChip() const;
  // While a click's event is raised: the keys held with it (Ctrl excludes a tag).
  Qt::KeyboardModifiers ClickModifiers() const { return clickModifiers_; }
  void SetMeasure(Measure measure) { measure_ = std::move(measure); }
  // More for a chip's tooltip, after its text.
  void SetTipMore(std::function<QString(const std::string&)> more) { tipMore_ = std::move(more); }

  // Lays the chips out; each container has its own rule.
  virtual void Redraw() = 0;

 signals:
  // The keyboard has moved to a chip, by a move key or by typing the start of its text;
  // rect is where that chip is drawn, in the container's pixels, to be scrolled into view.
  void CurrentChanged(QRect rect);

 protected:
  ChipContainer(QWidget* parent, ChipGeometry templateChip);

  // Adds a chip unless one with exactly this text is there; no layout, no event.
  void AddChip(const std::string& text, bool excluded);
  void Place(std::size_t position, int left, int top);
  // Repaints, and tells assistive technology that the chips changed.
  void Changed();
  int WidthOf(std::size_t position) const { return Measured(position).geometry.width; }
  // Raises the container's own event for a chip that has left it.
  virtual void Selected(const std::string& text) = 0;

  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool event(QEvent* event) override;

 private:
  struct Entry {
    std::string text;
    bool excluded;
    std::int64_t index;
    ChipGeometry geometry;  // where it stands: as places_ says, once Measured
    bool measured = false;
  };
  // Where a chip stands, beside the chips in one array: painting and pointing look through
  // every chip, half a million in a panel of numbers, for the few in reach.
  struct Spot {
    int left = 0, top = 0;
    // Laid out since it came: a panel lays out a loading folder's chips a few times a
    // second, and until then they would all be painted over one another.
    bool placed = false;
  };
  const Entry& Measured(std::size_t position) const;
  // The chip that a typed key leads to: -1 when none starts with the text typed so far,
  // -2 when the key types no text.
  long TypedChip(const QKeyEvent& event);

  ChipGeometry template_;
  std::vector<std::unique_ptr<Entry>> chips_;  // entries stay put, so the set can point into them
  std::vector<Spot> places_;                   // places_[p] of chips_[p]
  std::unordered_set<std::string_view> texts_;
  std::int64_t lastIndex_ = 0;
  std::int64_t pressed_ = 0;  // index of the chip under a mouse press
  std::size_t current_ = 0;   // the chip the keyboard is on
  bool keyboard_ = false;     // show it only once the keyboard is used
  Qt::KeyboardModifiers clickModifiers_;
  QString typed_;  // the start of a text typed to find its chip
  QElapsedTimer typedAt_;
  Measure measure_;
  std::function<QString(const std::string&)> tipMore_;
};

}  // namespace velmora::widgets
