#pragma once
// Layout is reckoned in twips, 1/1440 inch: 15 twips are one device-independent pixel.

#include <cmath>

namespace velmora::widgets {

inline constexpr int kTwipsPerPixel = 15;

constexpr double TwipsToPixels(double twips) { return twips / kTwipsPerPixel; }
inline int TwipsToWholePixels(double twips) {
  return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}
constexpr double PixelsToTwips(double pixels) { return pixels * kTwipsPerPixel; }

}  // namespace velmora::widgets
