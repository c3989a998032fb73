#pragma once
// The tag panels and the filter bar: a chip clicked moves between them, and the panel shows
// the chips the browser hands over, laid out a few times a second while a folder loads.

#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "catalogue/browser.h"
#include "mainwindow/form_controls.h"

namespace velmora::mainwindow {

class TagPanels {
 public:
  // moved: a chip went into or out of the bar, so the list's count is to be said again.
  TagPanels(catalogue::Browser& browser, const Controls& ui, std::function<void()> moved);

  // The chips' clicks, tooltips, scrolling and menus, once the controls are made; context
  // holds the connections.
  void Connect(QObject& context);
  // A chip into the filter bar, of the panel it is handed back to.
  void PutInBar(const std::string& text, catalogue::TagKind kind, bool excluded = false);
  // What the browser tells: chips for the panel, or the panel and the bar afresh.
  void Added(const std::vector<std::string>& chips);
  void Reset();
  // A load ended: a layout of the panel still waiting is made now.
  void LoadEnded();

 private:
  void ToBar(const std::string& text, catalogue::TagKind kind, bool excluded);
  // A chip taken out of the filter bar, back to its panel.
  void FromBar(const std::string& text);
  void Redraw();

  catalogue::Browser& browser_;
  const Controls& ui_;
  std::function<void()> moved_;
  QTimer timer_;
};

}  // namespace velmora::mainwindow
