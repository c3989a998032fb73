#include "widgets/tag_panel.h"

#include "widgets/twips.h"

namespace velmora::widgets {

TagPanel::TagPanel(QWidget* parent) : ChipContainer(parent, ChipGeometry::Template(150)) {
  height_ = static_cast<int>(PixelsToTwips(height()));
}

void TagPanel::Redraw() {
  const std::size_t n = Count();
  for (std::size_t i = 0; i < n; ++i) Place(i, kChipLeft, static_cast<int>(i) * kRowHeight);
  if (n >= 1) {
    height_ = static_cast<int>(n) * kRowHeight;
    resize(width(), TwipsToWholePixels(height_));
  }
  Changed();
  emit Resize();
}

void TagPanel::Selected(const std::string& text) { emit TagSelected(text); }

}  // namespace velmora::widgets
