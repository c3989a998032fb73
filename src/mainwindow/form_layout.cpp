#include "mainwindow/form_layout.h"

#include <algorithm>

namespace velmora::mainwindow {

namespace {
// Design positions the rule measures from.
constexpr int kFilesLeft = 5025, kFilesTop = 2250;
constexpr int kSelTagsLeft = 5040;
constexpr int kFoldersTop = 1155, kTagPanelTop = 1155;
constexpr int kRightMargin = 200, kBottomMargin = 500, kScrollShorter = 50;
}  // namespace

FormSizes FormLayout(int outerWidth, int outerHeight) {
  const int w = std::max(outerWidth, kMinimumWindow);
  const int h = std::max(outerHeight, kMinimumWindow);
  FormSizes s{};
  s.windowWidth = w;
  s.windowHeight = h;
  s.lstFilesWidth = w - kFilesLeft - kRightMargin;
  s.picSelTagsWidth = w - kSelTagsLeft - kRightMargin;
  s.oTagBarWidth = s.picSelTagsWidth;
  s.lstFilesHeight = h - kFilesTop - kBottomMargin;
  s.lstFoldersHeight = h - kFoldersTop - kBottomMargin;
  s.picTagPanelHeight = h - kTagPanelTop - kBottomMargin;
  s.vScroll1Height = s.picTagPanelHeight - kScrollShorter;
  return s;
}

Box FirstPlace(const Box& available, int clientWidth, int clientHeight, int frameWidth,
               int frameHeight) {
  const int w = std::max(1, std::min(clientWidth, available.width - frameWidth));
  const int h = std::max(1, std::min(clientHeight, available.height - frameHeight));
  return {available.x + std::max(0, (available.width - w - frameWidth) / 2),
          available.y + std::max(0, (available.height - h - frameHeight) / 2), w, h};
}

ScrollRange ScrollRule(double panel, double container) {
  if (!(panel > container)) return {false, 0, 0};
  const std::int64_t maximum = RoundHalfEven(panel - container);
  // A step of 0 would leave the page clicks dead.
  const std::int64_t page =
      std::max<std::int64_t>(1, RoundHalfEven(static_cast<double>(maximum) / 5));
  return {true, maximum, page};
}

}  // namespace velmora::mainwindow
