#pragma once
// The program's window: the registered folders, the tag panel, the filter bar, the
// match mode and the file list. The catalogue decides; the window shows.

#include <QLabel>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/filter.h"
#include "catalogue/path_list.h"
#include "catalogue/store.h"
#include "fileops/file_commands.h"
#include "mainwindow/file_list_model.h"
#include "platform/shell.h"

class QCheckBox;
class QFrame;
class QListView;
class QListWidget;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace velmora::widgets {
class TagBar;
class TagPanel;
}  // namespace velmora::widgets

namespace velmora::mainwindow {

inline constexpr const char* kAppTitle = "Velmora";

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
};

class Form1 : public QWidget, private fileops::FileListHost {
  Q_OBJECT
 public:
  Form1(FormSettings settings, platform::Shell& shell, QWidget* parent = nullptr);
  ~Form1() override;

  const catalogue::FolderStore& Store() const { return store_; }
  // The selected folder, or -1.
  int SelectedFolder() const;
  FileListModel& Files() { return files_; }
  QListView& FileList() { return *lstFiles_; }
  platform::Shell& Shell() { return shell_; }
  void SetStatus(const QString& text);

  // Rescans the selected folder (after the file commands changed files); with none
  // selected it empties the view and scans nothing.
  void LoadFolder();
  void ApplyTagFilter();
  // Registers each of paths not registered yet, as "+" does, and shows the last.
  void OpenFolders(const std::vector<std::string>& paths);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateControls();
  void Form_Load();
  void Form_Resize();
  void Label8_Click();
  void lstFolders_Click();
  void cmdAddFolder_Click();
  // "+" leaves the folder shown as it is; a folder given on a command line is shown.
  void AddFolders(const std::vector<std::string>& paths, bool showLast);
  void cmdRemoveFolder_Click();
  void cmdAddUserTag_Click();
  void oTagPanel_TagSelected(const std::string& text);
  void oTagUser_TagSelected(const std::string& text);
  void oTagBar_TagSelected(const std::string& text, const std::string& kind);
  void TagPanelResize(widgets::TagPanel& panel, QFrame& container, QScrollBar& bar,
                      bool scrollToEnd);

  // The file list, as the file commands see it.
  std::vector<std::size_t> SelectedEntries() const override;
  std::string Entry(std::size_t position) const override;
  std::string CurrentEntry() const override;
  void SelectAll(bool select) override;
  void SetStatus(const std::string& text) override;
  void Rescan() override { LoadFolder(); }

  // Applies change to the store as the file holds it now (other windows may have
  // changed it) and saves it; the lists then show the file as it is, keeping the shown
  // folder. On failure the user is told why and the file stays as it was.
  bool Commit(const std::function<std::string(catalogue::FolderStore&)>& change);
  void ShowStore(catalogue::FolderStore next);
  void ClearFolderView();
  // The path of the folder shown, if any.
  std::optional<std::string> ShownPath() const;
  void ShowError(const std::string& text);
  // Says in the status line how many folders of the last load could not be read.
  void ReportUnreadable(std::size_t folders);

  FormSettings settings_;
  platform::Shell& shell_;
  catalogue::FolderStore store_;
  catalogue::PathList colFiles_;
  catalogue::FilterIndex index_;
  FileListModel files_;
  fileops::FileCommands commands_;
  bool centred_ = false;
  int selectionChanges_ = 0;
  QString unreadableText_;
  int selectionChangesAtPress_ = -1;

  QFrame* picture1_;
  ClickLabel* label8_;
  QRadioButton* optTagAll_;
  QRadioButton* optTagAny_;
  QCheckBox* chkAll_;
  QPushButton* cmdOpen_;
  QPushButton* cmdCopy_;
  QPushButton* cmdMove_;
  QPushButton* cmdRename_;
  QPushButton* cmdDelete_;
  QCheckBox* chkAutoTags_;
  QListWidget* lstUserTags_;
  QPushButton* cmdAddUserTag_;
  QFrame* picUserTags_;
  QScrollBar* vScroll2_;
  widgets::TagPanel* oTagUser_;
  QFrame* picTagPanel_;
  QScrollBar* vScroll1_;
  widgets::TagPanel* oTagPanel_;
  QFrame* picSelTags_;
  widgets::TagBar* oTagBar_;
  QListWidget* lstPaths_;
  QPushButton* cmdRemoveFolder_;
  QPushButton* cmdAddFolder_;
  QListWidget* lstFolders_;
  QListView* lstFiles_;
  QLabel* lblHelp_;
  QLabel* lblStatus_;
};

}  // namespace velmora::mainwindow
