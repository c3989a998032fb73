#pragma once
// The window's arithmetic, in twips, apart from any widget: the resize rule and the
// tag panel's scroll rule.

#include <cmath>
#include <cstdint>
#include <string_view>

namespace velmora::mainwindow {

inline constexpr int kMinimumWindow = 8000;
// The client area the controls are placed for.
inline constexpr int kFullClientWidth = 12945;
inline constexpr int kFullClientHeight = 8295;

// What the layout gives for an outer window size W x H whose client is clientWidth x
// clientHeight. At or above the client size the controls are placed for it is the resize
// rule: the lists and the filter follow the window, nothing else moves. Below it nothing
// passes the client's edge: the folder list narrows first and all right of it moves left by
// as much, then the command buttons narrow and "Add User Defined Tag" goes up beside the
// hint line, and what still does not fit is cut at the edge; the lists end above the
// client's lower edge, also where the screen holds no window of the minimum size.
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
  int lstFoldersWidth;
  int shift;      // how far the controls right of the folder list move left
  int buttonRow;  // from the first command button's left to the last's right
  int right;      // no control passes it
};
FormSizes FormLayout(int outerWidth, int outerHeight, int clientWidth, int clientHeight);

// A rectangle: in twips for the layout, in pixels for the window's place.
struct Box {
  int x = 0, y = 0, width = 0, height = 0;
  friend bool operator==(const Box&, const Box&) = default;
};
// Where the layout puts a control of the window's client whose place in a full-size client
// is home (a label as wide as its text).
Box Place(const FormSizes& sizes, std::string_view name, Box home);

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
