#pragma once
// The window's controls as the design places them, and the texts it shows.

#include <QFont>
#include <QIcon>
#include <QPoint>
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QFrame;
class QMimeData;
class QScrollBar;
class QWidget;

namespace velmora::widgets {
class TagPanel;
}

namespace velmora::mainwindow {

// Creates the window's controls on form, back to front, each named and placed as the
// design says, with their fonts, accessible names and tab order.
void CreateDesignedControls(QWidget& form);

// The design's resize rule: the lists and the filter grow with the window, measured
// from its outer size.
void ApplyResizeRule(QWidget& form);
// The design's scroll rule for a tag panel in its container, after the panel changed
// height; scrollToEnd jumps to the end once waiting events have run.
void ApplyScrollRule(widgets::TagPanel& panel, QFrame& container, QScrollBar& bar,
                     bool scrollToEnd);

// Paths and names as text that nothing in them can reorder or hide (a U+202E in a name
// would otherwise show "gpj.exe" as "exe.jpg"); the commands keep the exact bytes.
QString Show(std::string_view bytes);
// The local folders named by dropped addresses, without trailing separators.
std::vector<std::string> DroppedFolders(const QMimeData& data);
// The caption for a folder, its middle elided: a title of megabytes can break the
// connection to the display.
QString Caption(std::string_view path);
QFont Arial(double points, bool bold = false);
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
};
// Shows a menu of items, named name, at global, and waits until it closes.
void PopUpMenu(QWidget& parent, const char* name, QPoint global, const std::vector<MenuItem>& items);

// The program's icon at every size it ships in, so that it stays crisp at any scale.
QIcon AppIcon();

}  // namespace velmora::mainwindow
