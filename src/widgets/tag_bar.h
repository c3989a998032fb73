#pragma once
// The filter bar: chosen tags as chips in one row, each with a kind that is handed
// back when the tag leaves the bar.

#include "widgets/chip_container.h"

namespace velmora::widgets {

class TagBar : public ChipContainer {
  Q_OBJECT
 public:
  static constexpr int kGap = 30;

  explicit TagBar(QWidget* parent = nullptr);

  // The texts in the order added; a new list each call.
  std::vector<std::string> GetTags() const;
  // Adds an item unless its text is there already (the first kind then stays).
  void AddItem(const std::string& text, const std::string& kind) { AddChip(text, kind); }
  // Left to right from the left edge with 30-twip gaps; nothing wraps.
  void Redraw() override;

 signals:
  void TagSelected(std::string text, std::string kind);

 protected:
  void Selected(const std::string& text, const std::string& kind) override;
};

}  // namespace velmora::widgets
