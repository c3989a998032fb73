#include "mainwindow/files_for_commands.h"

#include <QAbstractItemView>
#include <utility>

namespace velmora::mainwindow {

FilesForCommands::FilesForCommands(const Controls& ui, const FileListModel& files,
                                   catalogue::Browser& browser,
                                   std::function<void(const std::string&)> say)
    : ui_(ui), files_(files), browser_(browser), say_(std::move(say)) {}

std::vector<std::size_t> FilesForCommands::SelectedEntries() const {
  return SelectedRows(ui_.lstFiles->selectionModel()->selection());
}

std::string FilesForCommands::Entry(std::size_t position) const {
  return files_.PathAt(static_cast<int>(position));
}

std::string FilesForCommands::CurrentEntry() const {
  const QModelIndex current = ui_.lstFiles->currentIndex();
  return current.isValid() ? files_.PathAt(current.row()) : std::string();
}

void FilesForCommands::SelectAll(bool select) {
  if (select) {
    ui_.lstFiles->selectAll();
  } else {
    ui_.lstFiles->clearSelection();
  }
}

}  // namespace velmora::mainwindow
