#include "mainwindow/file_list_model.h"

#include <QMimeData>
#include <climits>

#include "platform/shell.h"
#include "platform/visible_text.h"

namespace velmora::mainwindow {

using Kind = catalogue::RowChange::Kind;

void FileListModel::Changing(const catalogue::RowChange& change) {
  const auto first = static_cast<int>(change.first);
  const auto last = static_cast<int>(change.last);
  if (change.kind == Kind::Reset) beginResetModel();
  if (change.kind == Kind::Insert) beginInsertRows({}, first, last);
  if (change.kind == Kind::Remove) beginRemoveRows({}, first, last);
}

void FileListModel::Changed(const catalogue::RowChange& change) {
  if (change.kind == Kind::Reset) endResetModel();
  if (change.kind == Kind::Insert) endInsertRows();
  if (change.kind == Kind::Remove) endRemoveRows();
}

std::string FileListModel::PathAt(int row) const {
  if (row < 0 || row >= rowCount()) return {};
  return browser_.Files()[browser_.FileAtRow(static_cast<std::size_t>(row))];
}

int FileListModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid()) return 0;
  return static_cast<int>(std::min<std::size_t>(browser_.RowCount(), INT_MAX));
}

QModelIndex FileListModel::index(int row, int column, const QModelIndex& parent) const {
  if (parent.isValid() || column != 0 || row < 0 || row >= rowCount()) return {};
  return createIndex(row, column);
}

QVariant FileListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() ||
      (role != Qt::DisplayRole && role != Qt::ToolTipRole)) {
    return {};
  }
  // Text in which nothing can hide or reorder a name; the commands use PathAt, never this.
  return QString::fromStdString(platform::VisibleText(PathAt(index.row())));
}

Qt::ItemFlags FileListModel::flags(const QModelIndex& index) const {
  return QAbstractListModel::flags(index) | (index.isValid() ? Qt::ItemIsDragEnabled : Qt::NoItemFlags);
}

QStringList FileListModel::mimeTypes() const {
  return {QStringLiteral("text/uri-list"), QStringLiteral("text/plain")};
}

QMimeData* FileListModel::mimeData(const QModelIndexList& indexes) const {
  QByteArray urls;
  QByteArray paths;
  for (const QModelIndex& index : indexes) {
    const std::string path = PathAt(index.row());
    urls += QByteArray::fromStdString(platform::FileUrl(path)) + "\r\n";
    paths += QByteArray::fromStdString(path) + '\n';
  }
  auto* data = new QMimeData;
  data->setData(QStringLiteral("text/uri-list"), urls);
  data->setData(QStringLiteral("text/plain"), paths);
  return data;
}

}  // namespace velmora::mainwindow
