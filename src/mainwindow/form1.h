#pragma once
// The program's window: the registered folders, the tag panel, the filter bar, the
// match mode and the file list. The browser decides and holds the state; the window
// shows it and passes the user's actions on.

#include <QLabel>
#include <QWidget>
#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "catalogue/browser.h"
#include "catalogue/folder_edits.h"
#include "desktop/shell.h"
#include "fileops/file_commands.h"
#include "mainwindow/file_list_model.h"
#include "mainwindow/files_for_commands.h"
#include "mainwindow/form_controls.h"
#include "mainwindow/list_tools.h"
#include "mainwindow/saved_search_menu.h"
#include "mainwindow/status_line.h"
#include "mainwindow/tag_panels.h"

class QAbstractButton;

namespace velmora::mainwindow {

// A label that reports clicks, for the credit line.
class ClickLabel : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;
 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

struct FormSettings {
  std::string storeFile;     // folders.txt
  std::string creditTarget;  // what the credit line opens
  std::string stateFile;     // size, place, chip order and folder kept between runs; or none
  std::string searchesFile;  // the saved searches; or none
};

class Form1 : public QWidget, private catalogue::BrowserView {
  Q_OBJECT
 public:
  Form1(FormSettings settings, desktop::Shell& shell, QWidget* parent = nullptr);
  ~Form1() override;

  const catalogue::Browser& Browser() const { return browser_; }
  const catalogue::FolderStore& Store() const { return browser_.Store(); }
  // The selected folder, or -1.
  int SelectedFolder() const;
  FileListModel& Files() { return files_; }
  bool Loading() const { return browser_.Progress().loading; }
  // Registers each of paths not registered yet, and shows the last.
  // refused: why some given were not, shown after. While the folder list waits for another
  // program's lock, they wait too, and come in after it.
  void OpenFolders(const std::vector<std::string>& paths, const std::string& refused = {});
  // The size and place kept by the last run, and its folder when folder is true.
  void RestoreState(bool folder);

 signals:
  // A load of the shown folder ended, or was stopped.
  void LoadEnded();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void closeEvent(QCloseEvent* event) override;  // keeps the size, place and folder
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateControls();
  QAbstractButton* Button(const char* name) const;
  // The signals of the folder list and its buttons, of the tag panels and the filter bar,
  // of the file list, and of the file commands' buttons and keys.
  void ConnectFolders();
  void ConnectTags();
  void ConnectFiles();
  void ConnectCommands();
  void Form_Load();
  void lstFolders_Click();
  // Every folder shown together (on), or none shown (off); no folder is selected.
  void ShowAllFolders(bool on);
  void cmdAddFolder_Click();
  void cmdAddUserTag_Click();
  // Rename and Remove for a chip of a user tag of the folder shown; none for others.
  std::vector<MenuItem> UserTagItems(const std::string& chip);
  // A file command, from a button, a key or the list's menu.
  void Command(void (fileops::FileCommands::*command)());
  // The menu of the control with the focus, at its current row or chip (Menu, Shift+F10).
  void OpenMenuByKey();
  // The file list's menu: the commands, and the file's folder and path.
  void ShowFileMenu(const QPoint& at);
  // How many files are listed, in the file list's tooltip and description (and the status
  // line, when asked for): after a change of the filter, a load, or a live change.
  void SayCount();
  // The status line's text, into the label.
  void ShowStatus();
  void SetStatus(const std::string& text);  // a command's words

  // What the browser tells.
  void ChipsAdded(const std::vector<std::string>& chips) override { tags_.Added(chips); }
  void ChipsReset() override;
  void BarChanged(const catalogue::BarTag& tag, bool in) override { tags_.BarChanged(tag, in); }
  void ProgressChanged(const catalogue::LoadProgress& progress) override;

  void ShowStore();
  void ShowError(const std::string& text);
  // What is shown now as a search, named as the one applied; none without a folder.
  std::optional<catalogue::SavedSearch> ShownSearch() const;
  // Shows search's folder with all it keeps, in one load; a folder not registered any more
  // is said in a message, and nothing changes.
  void ApplySearch(const catalogue::SavedSearch& search);
  // The caption names the search applied while the folder and the bar are still its own.
  void ShowCaption();

  FormSettings settings_;
  desktop::Shell& shell_;
  Controls ui_;  // null until made
  // A poll is queued on the window's thread: the background's wakes while it waits add
  // none, so that a backlog is taken in one poll per turn of the event loop, and clicks,
  // paints and timers come between. Set from any thread.
  std::atomic<bool> pollQueued_ = false;
  catalogue::Browser browser_;
  FileListModel files_;
  Placement placement_;
  catalogue::FolderEdits folders_;
  FilesForCommands listed_;
  fileops::FileCommands commands_;
  TagPanels tags_;
  std::unique_ptr<ListTools> tools_;  // made with the controls
  SavedSearchMenu searches_;
  std::optional<catalogue::SavedSearch> applied_;  // the search shown, until changed
  int statusWidth_ = 0;                            // the status line's width as placed
  StatusLine status_;
  std::uint64_t load_ = 0;  // the load the progress last told of
  int selectionChanges_ = 0;
  int selectionChangesAtPress_ = -1;
};

}  // namespace velmora::mainwindow
