#pragma once
// The tag panels and the filter bar, as the browser tells: a chip clicked goes to the browser,
// which says where it went; the panel shows the chips the browser hands over, laid out a few
// times a second while a folder loads.

#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "catalogue/browser.h"
#include "mainwindow/form_controls.h"
#include "mainwindow/form_menus.h"

namespace velmora::mainwindow {

class TagPanels {
 public:
  // moved: a tag went into or out of the bar, so the list's count is to be said again.
  TagPanels(catalogue::Browser& browser, const Controls& ui, std::function<void()> moved);

  // The chips' clicks, tooltips, scrolling and menus, once the controls are made; context
  // holds the connections.
  void Connect(QObject& context);
  // What the browser tells: chips for the panel, a tag into or out of the bar, or the
  // panel and the bar afresh.
  void Added(const std::vector<std::string>& chips);
  void BarChanged(const catalogue::BarTag& tag, bool in);
  void Reset();
  // A load ended: a layout of the panel still waiting is made now.
  void LoadEnded();
  // Entries for the end of the filter bar's menu, asked for each time it opens.
  void SetBarMenuMore(std::function<std::vector<MenuItem>()> more) { barMore_ = std::move(more); }
  // Entries for the menu of a chip of the panel or the bar.
  void SetChipItems(ChipItems items) { chipItems_ = std::move(items); }

 private:
  void Redraw();

  catalogue::Browser& browser_;
  const Controls& ui_;
  std::function<void()> moved_;
  QTimer timer_;
  std::function<std::vector<MenuItem>()> barMore_;
  ChipItems chipItems_;
};

}  // namespace velmora::mainwindow
