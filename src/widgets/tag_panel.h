#pragma once
// A white panel showing tags as chips in one column, one chip per distinct text, in
// the order added. A clicked chip leaves the panel and its text is reported.

#include "widgets/chip_container.h"

namespace velmora::widgets {

class TagPanel : public ChipContainer {
  Q_OBJECT
 public:
  static constexpr int kRowHeight = 300;
  static constexpr int kChipLeft = 10;

  explicit TagPanel(QWidget* parent = nullptr);

  void AddItem(const std::string& text) { AddChip(text, false); }
  // One chip per row from the top; the panel becomes as high as its rows (an empty
  // panel keeps its height). Raises Resize.
  void Redraw() override;
  int HeightTwips() const { return height_; }

 signals:
  // After a clicked chip has left the panel and the rest have closed the gap.
  void TagSelected(std::string text);
  void Resize();

 protected:
  void Selected(const std::string& text) override;

 private:
  int height_;
};

}  // namespace velmora::widgets
