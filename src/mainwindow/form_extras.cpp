// What the window offers beyond its buttons: the file list's menu, folders dropped on the
// folder list, how many files the filter keeps, the tag panel's menu, and the size,
// place, chip order and folder it had.

#include <fcntl.h>
#include <sys/stat.h>

#include <cstdio>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QSettings>
#include <QTableView>

#include "mainwindow/form1.h"
#include "mainwindow/form_controls.h"
#include "platform/file_system.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "widgets/tag_bar.h"
#include "widgets/tag_panel.h"

namespace velmora::mainwindow {
namespace {

// QSettings reads the whole file, and would wait on a FIFO for good: the state is kept
// only in a regular file of a sane size, or in none yet.
bool StateFileUsable(const std::string& path) {
  std::string bytes;
  const platform::Status read = platform::ReadWholeFile(path, bytes, 64 * 1024);
  if (read.ok() || read.NotFound()) return true;
  std::fprintf(stderr, "velmora: %s; the window's size and place are not kept\n",
               read.message().c_str());
  return false;
}

}  // namespace

std::vector<std::string> DroppedFolders(const QMimeData& data) {
  std::vector<std::string> folders;
  for (const QByteArray& line : data.data(QStringLiteral("text/uri-list")).split('\n')) {
    const QByteArray url = line.trimmed();
    if (url.isEmpty() || url.startsWith('#')) continue;
    std::optional<std::string> path = platform::PathOfFileUrl(url.toStdString());
    if (!path) continue;
    *path = platform::WithoutTrailingSeparator(std::move(*path));
    struct stat st {};
    // A name holding NUL goes on, to be refused by the folder list as "+" refuses it.
    if (path->find('\0') != std::string::npos ||
        (platform::Fs().StatAt(AT_FDCWD, path->c_str(), &st, 0) == 0 && S_ISDIR(st.st_mode)))
      folders.push_back(std::move(*path));
  }
  return folders;
}

void Form1::ShowFileMenu(const QPoint& at) {
  const QModelIndex index = lstFiles_->indexAt(at);
  if (index.isValid() && !lstFiles_->selectionModel()->isSelected(index)) {
    lstFiles_->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  }
  const std::vector<std::size_t> chosen = SelectedEntries();
  QMenu menu(this);
  menu.setObjectName(QStringLiteral("mnuFiles"));
  const auto add = [&](const char* text, auto action) {
    QAction* item = menu.addAction(QString::fromLatin1(text));
    item->setEnabled(!chosen.empty());
    connect(item, &QAction::triggered, this, action);
  };
  using FC = fileops::FileCommands;
  add("Open", [this] { Command(&FC::Open); });
  add("Open Containing Folder", [this] {
    if (const std::string file = CurrentEntry(); !file.empty())
      shell_.OpenDocument(platform::ParentFolder(file));
  });
  add("Copy Path", [this, chosen] {
    QByteArray paths;  // the exact bytes, one path a line
    for (const std::size_t row : chosen) paths += QByteArray::fromStdString(Entry(row)) + '\n';
    paths.chop(1);
    auto* text = new QMimeData;
    text->setData(QStringLiteral("text/plain"), paths);
    QApplication::clipboard()->setMimeData(text);
  });
  menu.addSeparator();
  add("Copy To", [this] { Command(&FC::CopyTo); });
  add("Move To", [this] { Command(&FC::MoveTo); });
  add("Rename", [this] { Command(&FC::Rename); });
  add("Delete", [this] { Command(&FC::Delete); });
  menu.addSeparator();
  QAction* count = menu.addAction(QStringLiteral("Show Count in Status Line"));
  count->setCheckable(true);
  count->setChecked(status_.ShowsCount());
  connect(count, &QAction::toggled, this, [this](bool show) {
    status_.SetShowCount(show);
    ShowStatus();
  });
  menu.exec(lstFiles_->viewport()->mapToGlobal(at));
}

void Form1::ShowPanelMenu(const QPoint& at) {
  QMenu menu(this);
  menu.setObjectName(QStringLiteral("mnuTags"));
  if (const long chip = oTagPanel_->ChipAt(at); chip >= 0) {
    const std::string text = oTagPanel_->TextAt(static_cast<std::size_t>(chip));
    connect(menu.addAction(QStringLiteral("Exclude \u201C%1\u201D").arg(ShownText(text))),
            &QAction::triggered, this, [this, text] {
              // Found again by its text: live changes may have moved it meanwhile.
              for (std::size_t p = 0; p < oTagPanel_->Count(); ++p)
                if (oTagPanel_->TextAt(p) == text) return oTagPanel_->ClickChip(p, Qt::ControlModifier);
            });
    menu.addSeparator();
  }
  using catalogue::ChipOrder;
  for (const auto& [name, order] : {std::pair{"First Seen", ChipOrder::FirstSeen},
                                    std::pair{"A to Z", ChipOrder::Name},
                                    std::pair{"Most Files First", ChipOrder::Count}}) {
    QAction* item = menu.addAction(QString::fromLatin1(name));
    item->setCheckable(true);
    item->setChecked(browser_.Order() == order);
    connect(item, &QAction::triggered, this, [this, o = order] { browser_.SetOrder(o); });
  }
  menu.exec(oTagPanel_->mapToGlobal(at));
}

void Form1::ShowBarMenu(const QPoint& at) {
  QMenu menu(this);
  menu.setObjectName(QStringLiteral("mnuFilter"));
  QAction* keep = menu.addAction(QStringLiteral("Keep Filter After Commands"));
  keep->setCheckable(true);
  keep->setChecked(browser_.KeepFilter());
  connect(keep, &QAction::toggled, this, [this](bool on) { browser_.SetKeepFilter(on); });
  menu.exec(oTagBar_->mapToGlobal(at));
}

void Form1::SayCount() {
  status_.Count(browser_.RowCount(), browser_.FileCount());
  if (const QString& count = status_.CountText(); count != lstFiles_->toolTip()) {
    lstFiles_->setToolTip(count);  // over the list's blank; a row's tooltip adds it to the path
    lstFiles_->setAccessibleDescription(count);
  }
  ShowStatus();
}

void Form1::RestoreState(bool folder) {
  if (settings_.stateFile.empty() || !StateFileUsable(settings_.stateFile)) return;
  const QSettings state(QString::fromStdString(settings_.stateFile), QSettings::IniFormat);
  // On the screen it was on; centred by the first show only when nothing was kept.
  if (restoreGeometry(state.value(QStringLiteral("geometry")).toByteArray())) centred_ = true;
  status_.SetShowCount(state.value(QStringLiteral("countInStatus")).toBool());
  const int order = state.value(QStringLiteral("order")).toInt();
  if (order >= 0 && order <= static_cast<int>(catalogue::ChipOrder::Count))
    browser_.SetOrder(static_cast<catalogue::ChipOrder>(order));
  browser_.SetKeepFilter(state.value(QStringLiteral("keepFilter")).toBool());
  const std::string path = state.value(QStringLiteral("folder")).toByteArray().toStdString();
  const std::size_t record = Store().Find(path);
  if (!folder || record == Store().size()) return;
  struct stat st {};
  if (platform::Fs().StatAt(AT_FDCWD, path.c_str(), &st, 0) != 0) {
    connect(
        this, &Form1::LoadEnded, this,
        [this, path] { SetStatus("The folder " + path + " is not there any more"); },
        Qt::SingleShotConnection);
  }
  lstFolders_->setCurrentRow(static_cast<int>(record));
}

void Form1::closeEvent(QCloseEvent* event) {
  if (!settings_.stateFile.empty() && StateFileUsable(settings_.stateFile)) {
    QSettings state(QString::fromStdString(settings_.stateFile), QSettings::IniFormat);
    state.setValue(QStringLiteral("geometry"), saveGeometry());
    state.setValue(QStringLiteral("order"), static_cast<int>(browser_.Order()));
    state.setValue(QStringLiteral("keepFilter"), browser_.KeepFilter());
    state.setValue(QStringLiteral("countInStatus"), status_.ShowsCount());
    state.setValue(QStringLiteral("folder"),
                   QByteArray::fromStdString(browser_.ShownPath().value_or(std::string())));
  }
  QWidget::closeEvent(event);
}

}  // namespace velmora::mainwindow
