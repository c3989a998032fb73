#include "mainwindow/file_list_model.h"

#include "platform/visible_text.h"

namespace velmora::mainwindow {

void FileListModel::SetFiles(const catalogue::PathList* files) {
  beginResetModel();
  files_ = files;
  rows_.reset();
  endResetModel();
}

void FileListModel::SetRows(std::vector<std::size_t> rows) {
  beginResetModel();
  rows_ = std::move(rows);
  endResetModel();
}

std::string FileListModel::PathAt(int row) const {
  if (row < 0 || row >= rowCount()) return {};
  return std::string((*files_)[FileAt(row)]);
}

int FileListModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid() || files_ == nullptr) return 0;
  return static_cast<int>(rows_ ? rows_->size() : files_->size());
}

QVariant FileListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() ||
      (role != Qt::DisplayRole && role != Qt::ToolTipRole)) {
    return {};
  }
  // Text in which nothing can hide or reorder a name; the commands use PathAt, never this.
  return QString::fromStdString(platform::VisibleText((*files_)[FileAt(index.row())]));
}

}  // namespace velmora::mainwindow
