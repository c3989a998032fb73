#pragma once
// A folder chooser over the folders exactly as the system names them. Qt's own picker
// works in QString and so drops every folder whose name is not UTF-8; this one lists
// names as bytes, shows them through ShownText and hands back the exact bytes.

#include <QDialog>
#include <string>

#include "platform/status.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace velmora::desktop {

class FolderPicker : public QDialog {
  Q_OBJECT
 public:
  FolderPicker(const std::string& title, QWidget* parent = nullptr);

  // Lists the subfolders of folder. One that cannot be read leaves the listing as it was;
  // the failure, naming folder, is said on the picker and returned.
  platform::Status Open(const std::string& folder);
  // The folder listed.
  const std::string& Folder() const { return folder_; }
  // What OK chooses: the selected subfolder, else the folder listed.
  std::string Chosen() const;
  // OK goes first to a path typed on the line, making it when it is not there yet.
  void accept() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Enter(QListWidgetItem* item);
  // Goes to the path typed on the line. One not there yet is made when make is true or
  // it was offered before, else offered. False when the listing did not move there.
  bool GoToTyped(bool make);
  // New Folder: the line, ready for the new folder's name.
  void StartNewFolder();
  void Say(const std::string& text);

  std::string folder_;
  std::string offered_;  // a missing path the next Enter makes
  bool making_ = false;  // after New Folder, Enter makes the path typed
  QString shownFolder_;
  QLineEdit* path_;
  QListWidget* list_;
  QLabel* problem_;
};

// The folder the picker lists first: start when it can be read, else home, else the root.
void OpenFirst(FolderPicker& picker, const std::string& start);
// Runs a modal FolderPicker: the chosen folder's bytes, or empty on Cancel.
std::string PickFolderAt(const std::string& title, const std::string& start, QWidget* parent);

// Makes path and the folders above it that are missing. ok(), or the system's text alone
// (the caller names the folder).
platform::Status MakeFolders(const std::string& path);

}  // namespace velmora::desktop
