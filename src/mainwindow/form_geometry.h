#pragma once
// The window's layout rule applied to its controls: their places and sizes as the window
// grows or shrinks, its first place on the screen, and the tag panels' scroll bars. All on
// the window's thread.

#include <QSize>

#include "mainwindow/form_layout.h"

class QFrame;
class QScrollBar;
class QWidget;

namespace velmora::widgets {
class TagPanel;
}  // namespace velmora::widgets

namespace velmora::mainwindow {

// The resize rule: the lists and the filter grow with the window, measured
// from its outer size; a smaller window than they are placed for keeps them inside.
void ApplyResizeRule(QWidget& form);
// Places the controls of form as sizes say.
void PlaceControls(QWidget& form, const FormSizes& sizes);
// The scroll rule for a tag panel in its container, after the panel changed
// height; scrollToEnd jumps to the end once waiting events have run.
void ApplyScrollRule(widgets::TagPanel& panel, QFrame& container, QScrollBar& bar,
                     bool scrollToEnd);
// Keeps the scroll rule for panel from now on: each change of its height sets the bar, a
// change of its container's keeps its chips in reach, and the bar (its thumb dragged, each
// completed change) moves the panel.
void KeepScrolled(widgets::TagPanel& panel, QFrame& container, QScrollBar& bar, bool scrollToEnd);

// The window's place and layout: centred on its screen at the first show unless a kept
// place came back, and laid out by the resize rule whenever its size or frame changes.
class Placement {
 public:
  explicit Placement(QWidget& form) : form_(form) {}
  void Restored() { centred_ = true; }  // a kept place came back: no centring
  void Shown();
  void Resized() { ApplyResizeRule(form_); }
  // A window manager's frame is known only once the window is up (no event tells when):
  // the layout, which measures the outer size, is made again by it, and the first
  // centring corrected.
  void FrameCheck();

 private:
  void Centre();
  QWidget& form_;
  bool centred_ = false;
  bool recentre_ = false;  // once the frame is known
  QSize frameExtra_;
};

}  // namespace velmora::mainwindow
