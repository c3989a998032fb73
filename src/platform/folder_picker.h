#pragma once
// A folder chooser over the folders exactly as the system names them. Qt's own picker
// works in QString and so drops every folder whose name is not UTF-8; this one lists
// names as bytes, shows them through VisibleText and hands back the exact bytes.

#include <QDialog>
#include <string>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace velmora::platform {

class FolderPicker : public QDialog {
  Q_OBJECT
 public:
  FolderPicker(const std::string& title, QWidget* parent = nullptr);

  // Lists the subfolders of folder; false, and the listing stays, when it cannot be read.
  bool Open(const std::string& folder);
  // The folder listed.
  const std::string& Folder() const { return folder_; }
  // What OK chooses: the selected subfolder, else the folder listed.
  std::string Chosen() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Enter(QListWidgetItem* item);
  void GoToTyped();

  std::string folder_;
  QString shownFolder_;
  QLineEdit* path_;
  QListWidget* list_;
  QLabel* problem_;
};

// Runs a FolderPicker from the home folder: the chosen folder's bytes, or empty on Cancel.
std::string PickFolderFromHome(const std::string& title, QWidget* parent);

}  // namespace velmora::platform
