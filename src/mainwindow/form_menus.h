#pragma once
// The window's pop-up menus.

#include <QKeySequence>
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
// key: the key that does the same outside the menu, shown beside the entry.
struct MenuItem {
  MenuItem() = default;
  MenuItem(QString t, std::function<void(bool)> a, bool e = true,
           std::optional<bool> c = std::nullopt, QKeySequence k = {})
      : text(std::move(t)), action(std::move(a)), enabled(e), checked(c), key(std::move(k)) {}
  QString text;
  std::function<void(bool checked)> action;
  bool enabled = true;
  std::optional<bool> checked;
  QKeySequence key;
  std::vector<MenuItem> items;  // a menu of its own, when any
};
// The key of Copy Path in the file list.
QKeySequence CopyPathKey();
// Puts the paths of the chosen files on the clipboard, as files gives them.
void CopyChosenPaths(const fileops::FileListHost& files);
// Where a menu opened from the keyboard points in w, in the coordinates its
// customContextMenuRequested gives: the current row of a list, the chip the keyboard is on,
// else a corner.
QPoint KeyboardMenuSpot(QWidget& w);
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

// A chip's own entries, by its text: none for most.
using ChipItems = std::function<std::vector<MenuItem>(const std::string& chip)>;

// The tag panel's menu at at (in panel): exclude the chip there and the chip's own entries,
// the chips' order, and whether digits belong to tags.
void ShowPanelMenu(widgets::TagPanel& panel, QPoint at, catalogue::Browser& browser,
                   const ChipItems& chipItems = {});
// The filter bar's menu at at (in bar): the own entries of the chip there, when any, before
// a separator; whether a command's rescan keeps the filter, and whether tags match whole
// words only; then more, after a separator, when any.
void ShowBarMenu(widgets::TagBar& bar, QPoint at, catalogue::Browser& browser,
                 const std::vector<MenuItem>& more = {}, const ChipItems& chipItems = {});

}  // namespace velmora::mainwindow
