#pragma once
// The window's arithmetic, in twips, apart from any widget: the resize rule and the
// tag panel's scroll rule.

#include <cmath>
#include <cstdint>

namespace velmora::mainwindow {

inline constexpr int kMinimumWindow = 8000;

// What the resize rule gives for an outer window size W x H.
struct FormSizes {
  int windowWidth;  // W and H after the minimum size
  int windowHeight;
  int lstFilesWidth;
  int lstFilesHeight;
  int picSelTagsWidth;
  int oTagBarWidth;
  int lstFoldersHeight;
  int picTagPanelHeight;
  int vScroll1Height;
};
FormSizes FormLayout(int outerWidth, int outerHeight);

// A rectangle in pixels.
struct Box {
  int x = 0, y = 0, width = 0, height = 0;
  friend bool operator==(const Box&, const Box&) = default;
};
// Where the window first goes in the screen's available area: x and y are the frame's
// top left, centred there and never outside it; width and height the client size, cut
// to what fits there with the frame.
Box FirstPlace(const Box& available, int clientWidth, int clientHeight, int frameWidth,
               int frameHeight);

// The scroll bar for a panel of height panel in a container of height container.
struct ScrollRange {
  bool visible;
  std::int64_t maximum;
  std::int64_t pageStep;
};
ScrollRange ScrollRule(double panel, double container);

// Where a view of height shown, now from top down, starts so that the rows from first to
// last come into sight, moving as little as it can.
inline int ScrollToShow(int first, int last, int top, int shown) {
  return first < top ? first : last >= top + shown ? last + 1 - shown : top;
}

// To the nearest whole number, halves to even.
inline std::int64_t RoundHalfEven(double x) { return std::llrint(x); }

}  // namespace velmora::mainwindow
