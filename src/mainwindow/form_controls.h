#pragma once
// The window's controls: which there are, their names, texts and looks, and the texts it
// shows.

#include <QFont>
#include <QIcon>
#include <QPoint>
#include <QSize>
#include <QString>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/store.h"
#include "desktop/shown_text.h"
#include "mainwindow/file_table.h"
#include "mainwindow/form_geometry.h"  // the layout rule that places them
#include "mainwindow/form_layout.h"

class QCheckBox;
class QDropEvent;
class QItemSelection;
class QFrame;
class QLabel;
class QListWidget;
class QMimeData;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QWidget;

namespace velmora::widgets {
class TagBar;
class TagPanel;
}  // namespace velmora::widgets

namespace velmora::mainwindow {

class ClickLabel;

// The controls the window acts on.
struct Controls {
  QFrame* picture1 = nullptr;
  ClickLabel* label8 = nullptr;
  QRadioButton* optTagAll = nullptr;
  QRadioButton* optTagAny = nullptr;
  QCheckBox* chkAll = nullptr;
  QCheckBox* chkAutoTags = nullptr;
  QListWidget* lstUserTags = nullptr;
  QPushButton* cmdAddUserTag = nullptr;
  QFrame* picUserTags = nullptr;
  QScrollBar* vScroll2 = nullptr;
  widgets::TagPanel* oTagUser = nullptr;
  QFrame* picTagPanel = nullptr;
  QScrollBar* vScroll1 = nullptr;
  widgets::TagPanel* oTagPanel = nullptr;
  QFrame* picSelTags = nullptr;
  widgets::TagBar* oTagBar = nullptr;
  QListWidget* lstPaths = nullptr;
  QListWidget* lstFolders = nullptr;
  FileTable* lstFiles = nullptr;
  QLabel* lblHelp = nullptr;
  QLabel* lblStatus = nullptr;
};

// Creates the window's controls on form, back to front, each named and in its place,
// with their fonts, accessible names and tab order.
Controls MakeControls(QWidget& form);
// The width a button, check box, radio button or label needs to show text whole.
int WidthForText(const QWidget& control, const QString& text);
// A control whose caption is translated shows it whole: it grows into the room to its
// right, up to the next control, or else cuts the text short with "…" and gives the whole
// text as its tooltip. English captions are left as placed. After each placing.
void FitTranslatedTexts(QWidget& form);

// Each control straight on the window, at its place in a full-size client in twips; a
// label is as wide as its text, and as high where its height is 0.
struct HomePlace {
  const char* name;
  Box home;
  bool label;
};
const std::vector<HomePlace>& HomePlaces();

// Paths and names as text that nothing in them can reorder or hide (a U+202E in a name
// would otherwise show "gpj.exe" as "exe.jpg"); the commands keep the exact bytes.
using desktop::ShownText;
// The local folders named by dropped addresses, spelled plainly (PlainPath), so that a
// folder listed already is found.
std::vector<std::string> DroppedFolders(const QMimeData& data);
// A drag is taken when it brings folders; the folders of a drop taken.
std::vector<std::string> TakeFolderDrop(QDropEvent& drop);
// The caption for a folder, its middle elided: a title of megabytes can break the
// connection to the display.
QString Caption(std::string_view path);
QFont Arial(double points, bool bold = false);
// The records of store into the lists of their paths, their folders (the path for a
// tooltip) and their user tags.
void ShowRecords(const catalogue::FolderStore& store, QListWidget& paths, QListWidget& folders,
                 QListWidget& userTags);
// The rows of a selection, ascending, each once.
std::vector<std::size_t> SelectedRows(const QItemSelection& selection);
// text into the status line, which grows to the right as far as it needs and no less
// than leastWidth; screen readers hear each change.
void SetStatusText(QLabel& line, const QString& text, int leastWidth);

// The program's icon at every size it ships in, so that it stays crisp at any scale.
QIcon AppIcon();

}  // namespace velmora::mainwindow
