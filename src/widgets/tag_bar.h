#pragma once
// The filter bar: chosen tags as chips in one row, those that leave files out struck
// through.

#include "widgets/chip_container.h"

namespace velmora::widgets {

class TagBar : public ChipContainer {
  Q_OBJECT
 public:
  static constexpr int kGap = 30;

  explicit TagBar(QWidget* parent = nullptr);

  // The texts in the order added; a new list each call.
  std::vector<std::string> GetTags() const;
  // Adds an item unless its text is there already (the first then stays as it is).
  void AddItem(const std::string& text, bool excluded = false) { AddChip(text, excluded); }
  // Left to right from the left edge with 30-twip gaps; nothing wraps.
  void Redraw() override;

 signals:
  void TagSelected(std::string text);

 protected:
  void Selected(const std::string& text) override;
};

}  // namespace velmora::widgets
