#include "mainwindow/file_list_model.h"

#include <QMimeData>
#include <climits>

#include "desktop/shell.h"
#include "desktop/shown_text.h"
#include "mainwindow/status_line.h"

namespace velmora::mainwindow {

using Kind = catalogue::RowChange::Kind;

FileListModel::FileListModel(catalogue::Browser& browser, QObject* parent)
    : QAbstractListModel(parent), browser_(browser) {
  announce_.setSingleShot(true);
  announce_.setInterval(100);
  connect(&announce_, &QTimer::timeout, this, &FileListModel::Announce);
  browser_.SetRowListener(this);
}

FileListModel::~FileListModel() { browser_.SetRowListener(nullptr); }

void FileListModel::RowsChanging(const catalogue::RowChange& change) {
  if (change.kind == Kind::Insert) return;  // told once they are there
  Announce();  // the rows to remove or replace are among those the views know
  if (change.kind == Kind::Reset) beginResetModel();
  if (change.kind == Kind::Remove)
    beginRemoveRows({}, static_cast<int>(change.first), static_cast<int>(change.last));
}

void FileListModel::RowsChanged(const catalogue::RowChange& change) {
  if (change.kind == Kind::Insert) {
    if (shown_ == 0 || !browser_.Progress().loading) return Announce();
    if (!announce_.isActive()) announce_.start();
    return;
  }
  shown_ = static_cast<int>(std::min<std::size_t>(browser_.RowCount(), INT_MAX));
  if (change.kind == Kind::Reset) endResetModel();
  if (change.kind == Kind::Remove) endRemoveRows();
}

void FileListModel::Announce() {
  announce_.stop();
  const auto rows = static_cast<int>(std::min<std::size_t>(browser_.RowCount(), INT_MAX));
  if (rows <= shown_) return;
  beginInsertRows({}, shown_, rows - 1);
  shown_ = rows;
  endInsertRows();
}

std::string FileListModel::PathAt(int row) const {
  if (row < 0 || row >= rowCount()) return {};
  return browser_.Files()[browser_.FileAtRow(static_cast<std::size_t>(row))];
}

int FileListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : shown_;
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
  const QString path = platform::ShownText(PathAt(index.row()));
  if (role == Qt::DisplayRole) return path;
  return path + u'\n' + FilesCount(browser_.RowCount(), browser_.FileCount());
}

QVariant FileListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal && (role == Qt::DisplayRole || role == Qt::AccessibleTextRole))
    return QStringLiteral("Path");
  return QAbstractListModel::headerData(section, orientation, role);
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
