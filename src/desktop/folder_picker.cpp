#include "desktop/folder_picker.h"

#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>

#include <cerrno>

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

#include "desktop/shown_text.h"
#include "platform/dir_enum.h"
#include "platform/file_system.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/words.h"

namespace velmora::desktop {

using platform::EntryKind;
using platform::ErrorText;
using platform::FolderListing;
using platform::Fs;
using platform::JoinPath;
using platform::kPathSeparator;
using platform::ParentFolder;
using platform::ReadFolder;
using platform::Status;

namespace {

constexpr int kPathRole = Qt::UserRole;
constexpr int kParentRole = Qt::UserRole + 1;

std::string HomeFolder() {
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') return home;
  if (const passwd* user = getpwuid(getuid()); user != nullptr && user->pw_dir != nullptr)
    return user->pw_dir;
  return "/";
}

QListWidgetItem* Item(const QString& text, const std::string& path) {
  auto* item = new QListWidgetItem(text);
  item->setData(kPathRole, QByteArray::fromStdString(path));
  return item;
}

}  // namespace

FolderPicker::FolderPicker(const std::string& title, QWidget* parent)
    : QDialog(parent),
      path_(new QLineEdit(this)),
      list_(new QListWidget(this)),
      problem_(new QLabel(this)) {
  setWindowTitle(ShownText(title));
  setObjectName(QStringLiteral("FolderPicker"));
  path_->setObjectName(QStringLiteral("path"));
  path_->setAccessibleName(QCoreApplication::translate("velmora", "Folder"));
  list_->setObjectName(QStringLiteral("folders"));
  list_->setAccessibleName(QCoreApplication::translate("velmora", "Subfolders"));
  problem_->setWordWrap(true);
  problem_->hide();
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(path_);
  layout->addWidget(list_);
  layout->addWidget(problem_);
  layout->addWidget(buttons);
  resize(480, 420);
  QPushButton* make = buttons->addButton(QCoreApplication::translate("velmora", "New Folder"),
                                         QDialogButtonBox::ActionRole);
  make->setObjectName(QStringLiteral("newFolder"));
  make->setAutoDefault(false);
  connect(make, &QPushButton::clicked, this, &FolderPicker::StartNewFolder);
  connect(buttons, &QDialogButtonBox::accepted, this, &FolderPicker::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(list_, &QListWidget::itemActivated, this, &FolderPicker::Enter);
  path_->installEventFilter(this);
  list_->installEventFilter(this);
}

Status FolderPicker::Open(const std::string& folder) {
  FolderListing listing;
  if (const Status read = ReadFolder(folder, listing); !read.ok()) {
    const Status said = read.Retold(platform::Fill(
        platform::Tr("velmora", "%1: %2", "a folder: why"), {folder, read.message()}));
    Say(said.message());  // what was typed stays, to be put right
    return said;
  }
  problem_->hide();
  offered_.clear();
  making_ = false;
  std::vector<std::pair<QString, std::string>> folders;
  for (std::size_t i = 0; i < listing.size(); ++i) {
    if (listing.Kind(i) != EntryKind::Folder) continue;
    std::string_view name = listing.NameField(i);
    name = name.substr(0, name.find('\0'));
    if (name.empty() || name.front() == '.') continue;  // hidden; the path line reaches them
    folders.emplace_back(ShownText(std::string(name)), JoinPath(folder, name));
  }
  std::sort(folders.begin(), folders.end(), [](const auto& a, const auto& b) {
    const int order = a.first.localeAwareCompare(b.first);
    return order != 0 ? order < 0 : a.second < b.second;
  });
  folder_ = folder;
  shownFolder_ = ShownText(folder);
  path_->setText(shownFolder_);
  list_->clear();
  if (folder != "/") {
    QListWidgetItem* up = Item(QStringLiteral(".."), ParentFolder(folder));
    up->setData(kParentRole, true);
    list_->addItem(up);
  }
  for (const auto& [text, path] : folders) list_->addItem(Item(text, path));
  return {};
}

std::string FolderPicker::Chosen() const {
  const QList<QListWidgetItem*> selected = list_->selectedItems();
  if (selected.isEmpty() || selected.front()->data(kParentRole).toBool()) return folder_;
  return selected.front()->data(kPathRole).toByteArray().toStdString();
}

bool FolderPicker::eventFilter(QObject* watched, QEvent* event) {
  // Enter goes into the folder on the list, or to the one typed on the path line,
  // rather than choosing; OK chooses.
  const auto* key = event->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(event) : nullptr;
  if (key == nullptr || (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter))
    return QDialog::eventFilter(watched, event);
  if (watched == path_) GoToTyped(false);
  if (watched == list_ && list_->currentItem() != nullptr) Enter(list_->currentItem());
  return true;
}

void FolderPicker::Enter(QListWidgetItem* item) {
  (void)Open(item->data(kPathRole).toByteArray().toStdString());
}

void FolderPicker::accept() {
  if (GoToTyped(true)) QDialog::accept();
}

bool FolderPicker::GoToTyped(bool make) {
  // The shown text stands for the exact bytes; only an edited line is taken as typed.
  if (path_->text() == shownFolder_) return true;
  const std::string typed = QFile::encodeName(path_->text()).toStdString();
  const std::string path = typed.starts_with(kPathSeparator) ? typed : JoinPath(folder_, typed);
  struct stat st {};
  if (Fs().StatAt(AT_FDCWD, path.c_str(), &st, 0) != 0 && errno == ENOENT) {
    if (!make && !making_ && path != offered_) {
      offered_ = path;
      Say(platform::Fill(platform::Tr("velmora", "%1 is not there yet: Enter or OK makes it."),
                         {path}));
      return false;
    }
    if (const Status made = MakeFolders(path); !made.ok()) {
      Say(platform::Fill(platform::Tr("velmora", "%1: %2", "a folder: why"),
                         {path, made.message()}));
      return false;
    }
  }
  return Open(path).ok();
}

void FolderPicker::StartNewFolder() {
  const QString name = QCoreApplication::translate("velmora", "New Folder");
  path_->setText(ShownText(JoinPath(folder_, "")) + name);
  path_->setFocus();
  path_->setSelection(static_cast<int>(path_->text().size() - name.size()),
                      static_cast<int>(name.size()));
  making_ = true;
  Say(platform::Tr("velmora", "Type the new folder's name: Enter or OK makes it."));
}

void FolderPicker::Say(const std::string& text) {
  problem_->setText(ShownText(text));
  problem_->show();
}

Status MakeFolders(const std::string& path) {
  for (std::size_t end = path.find(kPathSeparator, 1);; end = path.find(kPathSeparator, end + 1)) {
    const std::string part = path.substr(0, end);
    if (!part.empty() && Fs().Mkdir(part.c_str(), 0777) != 0 && errno != EEXIST) {
      const int error = errno;
      return {error, ErrorText(error)};
    }
    if (end == std::string::npos) return {};
  }
}

void OpenFirst(FolderPicker& picker, const std::string& start) {
  if ((start.empty() || !picker.Open(start).ok()) && !picker.Open(HomeFolder()).ok())
    (void)picker.Open("/");
}

std::string PickFolderAt(const std::string& title, const std::string& start, QWidget* parent) {
  FolderPicker picker(title, parent);
  OpenFirst(picker, start);
  if (picker.exec() != QDialog::Accepted) return {};
  return picker.Chosen();
}

}  // namespace velmora::desktop
