#include "mainwindow/form_layout.h"

#include <algorithm>
#include <climits>
#include <iterator>

namespace velmora::mainwindow {

namespace {
// The full-size positions the rule measures from.
constexpr int kFilesLeft = 5025, kFilesTop = 2250;
constexpr int kSelTagsLeft = 5040;
constexpr int kFoldersTop = 1155, kTagPanelTop = 1155;
constexpr int kRightMargin = 200, kBottomMargin = 500, kScrollShorter = 50;
// What a narrower window gives up. The folder list keeps room for its
// "Folders:" label left of its "+" and "-", which move with its right edge.
constexpr int kFoldersWidth = 2535, kLeastFoldersWidth = 1800;
constexpr int kButtonsLeft = 6990, kButtonRow = 5820;  // "Open" to "Delete"
constexpr int kButtonsMargin = kFullClientWidth - kButtonsLeft - kButtonRow;
constexpr std::string_view kButtons[] = {"cmdOpen", "cmdCopy", "cmdMove", "cmdRename", "cmdDelete"};
constexpr int kEdge = 60;  // as far off the client's edge as the folder list stands
// "Add User Defined Tag" ends its row; the hint line above holds it where the row cannot.
constexpr int kAddTagRight = 12045, kAddTagWidth = 2115, kHintTop = 420, kHintHeight = 285;
}  // namespace

FormSizes FormLayout(int outerWidth, int outerHeight, int clientWidth, int clientHeight) {
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
  s.lstFoldersWidth = kFoldersWidth;
  s.buttonRow = kButtonRow;
  s.right = INT_MAX;
  if (clientWidth < kFullClientWidth) {
    s.shift = std::min(kFullClientWidth - clientWidth, kFoldersWidth - kLeastFoldersWidth);
    s.lstFoldersWidth -= s.shift;
    s.right = clientWidth - kEdge;
    s.buttonRow = std::clamp(clientWidth - kButtonsMargin - kButtonsLeft + s.shift, 0, kButtonRow);
    // Moved left, the lists keep their right edge.
    const auto fit = [&s](int left, int width) {
      return std::clamp(width + s.shift, 0, std::max(0, s.right - left + s.shift));
    };
    s.lstFilesWidth = fit(kFilesLeft, s.lstFilesWidth);
    s.picSelTagsWidth = s.oTagBarWidth = fit(kSelTagsLeft, s.picSelTagsWidth);
  }
  if (clientHeight < kFullClientHeight) {
    const int bottom = clientHeight - kEdge;
    const auto fit = [bottom](int top, int height) {
      return std::clamp(height, 0, std::max(0, bottom - top));
    };
    s.lstFilesHeight = fit(kFilesTop, s.lstFilesHeight);
    s.lstFoldersHeight = fit(kFoldersTop, s.lstFoldersHeight);
    s.picTagPanelHeight = fit(kTagPanelTop, s.picTagPanelHeight);
    s.vScroll1Height = std::max(0, s.picTagPanelHeight - kScrollShorter);
  }
  return s;
}

Box Place(const FormSizes& s, std::string_view name, Box r) {
  // Left of the folder list's right edge: the title box narrows with it, the rest stays.
  if (name == "Picture1") return {r.x, r.y, r.width - s.shift, r.height};
  if (name == "lstFolders") return {r.x, r.y, s.lstFoldersWidth, s.lstFoldersHeight};
  if (name == "Label1" || name == "lstPaths") return r;
  r.x -= s.shift;
  if (name == "lstFiles") r.width = s.lstFilesWidth, r.height = s.lstFilesHeight;
  if (name == "picSelTags") r.width = s.picSelTagsWidth;
  if (name == "picTagPanel") r.height = s.picTagPanelHeight;
  if (const bool hop = kAddTagRight - s.shift > s.right; hop && name == "cmdAddUserTag")
    r.x = s.right - r.width, r.y = kHintTop + (kHintHeight - r.height) / 2;
  else if (hop && name == "lblHelp")
    r.width = std::clamp(s.right - kAddTagWidth - kEdge - r.x, 0, r.width);
  if (std::find(std::begin(kButtons), std::end(kButtons), name) != std::end(kButtons)) {
    const int from = r.x + s.shift - kButtonsLeft;
    r.x = kButtonsLeft - s.shift + from * s.buttonRow / kButtonRow;
    r.width = r.width * s.buttonRow / kButtonRow;
  }
  // Cut at the edge.
  r.x = std::min(r.x, s.right);
  r.width = std::min(r.width, s.right - r.x);
  return r;
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
