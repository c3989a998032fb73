#include "desktop/qt_services.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "desktop/folder_picker.h"

namespace velmora::desktop {
namespace {

QString Text(const std::string& s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

int AskWith(QMessageBox::Icon icon, const std::string& text, const std::string& title,
            QMessageBox::StandardButtons buttons, QMessageBox::StandardButton byDefault,
            QMessageBox::StandardButton onEscape) {
  QMessageBox box(icon, Text(title), Text(text), buttons, QApplication::activeWindow());
  box.setDefaultButton(byDefault);
  box.setEscapeButton(onEscape);  // Esc and the close box
  return box.exec();
}

class QtProgress final : public Progress {
 public:
  QtProgress(const std::string& title, const std::string& text)
      : dialog_(Text(text), QCoreApplication::translate("velmora", "Cancel"), 0, kSteps,
                QApplication::activeWindow()) {
    dialog_.setWindowTitle(Text(title));
    dialog_.setWindowModality(Qt::ApplicationModal);
    dialog_.setMinimumDuration(500);  // short copies never flash a window
    dialog_.setAutoReset(false);
    dialog_.setValue(0);
  }
  bool Update(std::uint64_t done, std::uint64_t total) override {
    const auto step = total == 0 ? kSteps : static_cast<int>(done * kSteps / total);
    dialog_.setValue(std::min(step, kSteps - 1));  // a modal dialog runs events here
    return !dialog_.wasCanceled();
  }

 private:
  static constexpr int kSteps = 1000;
  QProgressDialog dialog_;
};

}  // namespace

bool QtDialogs::Confirm(const std::string& text, const std::string& title) {
  // Without a title of its own the box bears the program's name.
  const std::string caption =
      title.empty() ? QApplication::applicationDisplayName().toStdString() : title;
  return AskWith(QMessageBox::NoIcon, text, caption, QMessageBox::Ok | QMessageBox::Cancel,
                 QMessageBox::Ok, QMessageBox::Cancel) == QMessageBox::Ok;
}

std::string QtDialogs::Input(const std::string& prompt, const std::string& title,
                             const std::string& preset) {
  QInputDialog dialog(QApplication::activeWindow());
  dialog.setWindowTitle(Text(title));
  dialog.setLabelText(Text(prompt));
  const QString shown = QFile::decodeName(QByteArray::fromStdString(preset));
  dialog.setTextValue(shown);
  if (dialog.exec() != QDialog::Accepted) return {};
  const QString typed = dialog.textValue();
  if (typed == shown) return preset;  // bytes a name had before, even if not UTF-8
  return QFile::encodeName(typed).toStdString();
}

bool QtDialogs::AskYesNo(const std::string& question, const std::string& title) {
  return AskWith(QMessageBox::Question, question, title, QMessageBox::Yes | QMessageBox::No,
                 QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

Answer QtDialogs::AskReplace(const std::string& question, const std::string& title) {
  switch (AskWith(QMessageBox::Question, question, title,
                  QMessageBox::Yes | QMessageBox::YesToAll | QMessageBox::No |
                      QMessageBox::NoToAll | QMessageBox::Cancel,
                  QMessageBox::No, QMessageBox::Cancel)) {
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::YesToAll:
      return Answer::YesToAll;
    case QMessageBox::No:
      return Answer::No;
    case QMessageBox::NoToAll:
      return Answer::NoToAll;
    default:
      return Answer::Cancel;
  }
}

void QtDialogs::ShowError(const std::string& text, const std::string& title) {
  AskWith(QMessageBox::Warning, text, title, QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok);
}

std::optional<std::vector<std::string>> QtDialogs::EditNames(
    const std::string& title, const std::vector<std::string>& names) {
  QDialog dialog(QApplication::activeWindow());
  dialog.setWindowTitle(Text(title));
  auto* list = new QListWidget(&dialog);
  const auto shown = [&names](int i) {
    return QFile::decodeName(QByteArray::fromStdString(names[static_cast<std::size_t>(i)]));
  };
  for (int i = 0; i < static_cast<int>(names.size()); ++i) {
    auto* item = new QListWidgetItem(shown(i), list);
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    item->setData(Qt::UserRole, i);
  }
  list->setCurrentRow(0);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QPushButton* rename = buttons->addButton(QCoreApplication::translate("velmora", "Rename"),
                                           QDialogButtonBox::ActionRole);
  QPushButton* remove = buttons->addButton(QCoreApplication::translate("velmora", "Delete"),
                                           QDialogButtonBox::ActionRole);
  QObject::connect(rename, &QPushButton::clicked, list, [list] {
    if (QListWidgetItem* item = list->currentItem()) list->editItem(item);
  });
  QObject::connect(remove, &QPushButton::clicked, list, [list] { delete list->currentItem(); });
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(list);
  layout->addWidget(buttons);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  std::vector<std::string> out(names.size());
  for (int row = 0; row < list->count(); ++row) {
    const QListWidgetItem& item = *list->item(row);
    const int i = item.data(Qt::UserRole).toInt();
    const bool same = item.text().isEmpty() || item.text() == shown(i);
    out[static_cast<std::size_t>(i)] =
        same ? names[static_cast<std::size_t>(i)] : QFile::encodeName(item.text()).toStdString();
  }
  return out;
}

std::optional<std::size_t> QtDialogs::Choose(const std::string& title, const std::string& prompt,
                                             const std::vector<std::string>& items) {
  QDialog dialog(QApplication::activeWindow());
  dialog.setWindowTitle(Text(title));
  auto* list = new QListWidget(&dialog);
  for (const std::string& item : items) list->addItem(Text(item));
  list->setCurrentRow(0);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(list, &QListWidget::itemActivated, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  auto* layout = new QVBoxLayout(&dialog);
  auto* label = new QLabel(Text(prompt), &dialog);
  label->setBuddy(list);
  layout->addWidget(label);
  layout->addWidget(list);
  layout->addWidget(buttons);
  if (dialog.exec() != QDialog::Accepted || list->currentRow() < 0) return std::nullopt;
  return static_cast<std::size_t>(list->currentRow());
}

std::string QtDialogs::PickFolder(const std::string& title, const std::string& start) {
  // Modal: Copy To and Move To hold their files, their status text and the rescan after
  // them until the answer; a second command or another folder shown meanwhile would
  // act on a list the first is about to change.
  return PickFolderAt(title, start, QApplication::activeWindow());
}

void QtDialogs::PickFolderLater(const std::string& title, const std::string& start,
                                std::function<void(const std::string&)> chosen) {
  // One at a time: a second click brings the open one to the front.
  static QPointer<FolderPicker> open;
  if (open) return open->raise(), open->activateWindow();
  // No owner: the window stays usable, and closing it ends the program all the same.
  auto* picker = new FolderPicker(title, nullptr);
  open = picker;
  picker->setAttribute(Qt::WA_DeleteOnClose);
  picker->setAttribute(Qt::WA_QuitOnClose, false);
  OpenFirst(*picker, start);
  QObject::connect(picker, &QDialog::accepted, picker,
                   [picker, chosen = std::move(chosen)] { chosen(picker->Chosen()); });
  picker->show();
}

std::unique_ptr<Progress> QtDialogs::StartProgress(const std::string& title,
                                                   const std::string& text) {
  return std::make_unique<QtProgress>(title, text);
}

bool DesktopUrlLauncher::OpenUrl(const std::string& url) {
  return QDesktopServices::openUrl(
      QUrl::fromEncoded(QByteArray::fromStdString(url), QUrl::StrictMode));
}

void ProcessPendingEvents() { QCoreApplication::processEvents(); }

}  // namespace velmora::desktop
