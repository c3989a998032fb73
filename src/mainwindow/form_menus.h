#pragma once
// The window's pop-up menus.

#include <QPoint>
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/browser.h"
#include "fileops/file_commands.h"

class QAbstractItemView;
class QWidget;

namespace velmora::widgets {
class TagBar;
class TagPanel;
}  // namespace velmora::widgets

namespace velmora::mainwindow {

// Puts paths on the clipboard as their exact bytes, one a line.
void CopyPaths(const std::vector<std::string>& paths);

// An entry of a pop-up menu; one without text is a separator. checked: a check box's state.
struct MenuItem {
  MenuItem() = default;
  MenuItem(QString t, std::function<void(bool)> a, bool e = true,
           std::optional<bool> c = std::nullopt)
      : text(std::move(t)), action(std::move(a)), enabled(e), checked(c) {}
  QString text;
  std::function<void(bool checked)> action;
  bool enabled = true;
  std::optional<bool> checked;
  std::vector<MenuItem> items;  // a menu of its own, when any
};
// Shows a menu of items, named name, at global, and waits until it closes.
void PopUpMenu(QWidget& parent, const char* name, QPoint global,
               const std::vector<MenuItem>& items);

// What the file list's menu leaves to the window.
struct FileMenuActions {
  std::function<void(void (fileops::FileCommands::*)())> command;
  std::string undo;         // the Undo entry's words; empty when there is nothing to undo
  bool countShown = false;  // in the status line
  std::function<void(bool)> showCount;
  std::vector<MenuItem> more;  // after the window's own entries
  // The programs Open With offers, and what opens with one (none: asks which).
  std::function<std::vector<desktop::Application>()> applications;
  std::function<void(const std::optional<desktop::Application>&)> openWith;
};
// The file list's menu at at (in its viewport): the commands, Open With's programs (the
// default first, then any other, then one to choose among all), the current file's folder
// (opened through shell) and the chosen files' paths, as files gives them, Undo (shown
// greyed when there is nothing to undo) and the count in the status line. A row not
// chosen is chosen alone first.
void ShowFileMenu(QAbstractItemView& list, QPoint at, const fileops::FileListHost& files,
                  desktop::Shell& shell, const FileMenuActions& actions);

// The tag panel's menu at at (in panel): exclude the chip there, the chips' order, and
// whether digits belong to tags.
void ShowPanelMenu(widgets::TagPanel& panel, QPoint at, catalogue::Browser& browser);
// The filter bar's menu at at (in bar): whether a command's rescan keeps the filter, and
// whether tags match whole words only; then more, after a separator, when any.
void ShowBarMenu(widgets::TagBar& bar, QPoint at, catalogue::Browser& browser,
                 const std::vector<MenuItem>& more = {});

}  // namespace velmora::mainwindow
