#pragma once
// Where a chip and its parts stand, in twips, the rules that keep it in bounds, and
// which of its parts a point falls on: the same for the chip widget and painted chips.

namespace velmora::widgets {

struct ChipGeometry {
  static constexpr int kCapWidth = 120;   // the right-end cap, 8 pixels
  static constexpr int kMaxHeight = 255;  // the cap's height, 17 pixels
  static constexpr int kMinWidth = 600;
  static constexpr int kMaxWidth = 1500;  // the body image's width
  static constexpr int kLabelTop = 15;
  static constexpr int kLabelHeight = 225;

  int left = 0;
  int top = 0;
  int width = 1305;
  int height = kMaxHeight;
  int labelWidth = 0;
  double labelLeft = 0;
  int capLeft = width - kCapWidth;

  // The hidden chip a container copies for each new chip.
  static ChipGeometry Template(int templateLeft) {
    ChipGeometry g;
    g.left = templateLeft;
    g.top = 120;
    g.SetSize(1305, kMaxHeight);
    return g;
  }

  // A new text of the given label width: the chip fits the label plus a cap's width
  // on each side, within bounds, with the label centred.
  void SetLabelWidth(int w) {
    labelWidth = w;
    SetSize(2 * kCapWidth + w, height);
  }
  // Any size change ends within bounds, the cap flush right and the label centred.
  void SetSize(int w, int h) {
    height = h > kMaxHeight ? kMaxHeight : h;
    width = w > kMaxWidth ? kMaxWidth : (w < kMinWidth ? kMinWidth : w);
    capLeft = width - kCapWidth;
    labelLeft = (width - labelWidth) / 2.0;
  }

  // Whether a point (twips, in the frame of left and top) is on the chip: a click there
  // clicks it.
  bool Contains(double x, double y) const { return Within(x, y, width); }
  // Contains for the widest chip at this place: false rules the chip out before its
  // label has been measured.
  bool MayContain(double x, double y) const { return Within(x, y, kMaxWidth); }
  // MayContain for any chip at left, top, whatever its size.
  static bool MayContain(int left, int top, double x, double y) {
    return x >= left && x < left + kMaxWidth && y >= top && y < top + kMaxHeight;
  }
  // Whether a point is on the visible label, where the tooltip shows: within the chip,
  // and not on the cap, which lies above a label that runs under it.
  bool OnLabel(double x, double y) const {
    const double from = left + labelLeft;
    return Contains(x, y) && x >= from && x < from + labelWidth && x < left + capLeft &&
           y >= top + kLabelTop && y < top + kLabelTop + kLabelHeight;
  }

 private:
  bool Within(double x, double y, int w) const {
    return x >= left && x < left + w && y >= top && y < top + height;
  }
};

}  // namespace velmora::widgets
