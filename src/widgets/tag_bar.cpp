#include "widgets/tag_bar.h"

namespace velmora::widgets {

TagBar::TagBar(QWidget* parent) : ChipContainer(parent, ChipGeometry::Template(120)) {}

std::vector<std::string> TagBar::GetTags() const {
  std::vector<std::string> tags;
  tags.reserve(Count());
  for (std::size_t i = 0; i < Count(); ++i) tags.push_back(TextAt(i));
  return tags;
}

void TagBar::Redraw() {
  std::int64_t x = 0;  // whole twips: widths and gaps are whole, nothing to round
  for (std::size_t i = 0; i < Count(); ++i) {
    Place(i, static_cast<int>(x), 0);
    x += WidthOf(i) + kGap;
  }
  Changed();
}

void TagBar::Selected(const std::string& text) { emit TagSelected(text); }

}  // namespace velmora::widgets
