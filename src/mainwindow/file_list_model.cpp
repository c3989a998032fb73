#include "mainwindow/file_list_model.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QMimeData>
#include <algorithm>
#include <climits>

#include "desktop/shell.h"
#include "desktop/shown_text.h"
#include "mainwindow/status_line.h"
#include "platform/paths.h"

namespace velmora::mainwindow {

using catalogue::SortKey;
using Kind = catalogue::RowChange::Kind;

namespace {

// More removed runs than this reset the views: one signal per run costs more.
constexpr std::size_t kMostRuns = 64;

int Rows(std::size_t n) { return static_cast<int>(std::min<std::size_t>(n, INT_MAX)); }

}  // namespace

const char* ColumnTitle(Column column) {
  switch (column) {
    case Column::Path:
      return QT_TRANSLATE_NOOP("velmora", "Path");
    case Column::Name:
      return QT_TRANSLATE_NOOP("velmora", "Name");
    case Column::Folder:
      return QT_TRANSLATE_NOOP("velmora", "Folder");
    case Column::Size:
      return QT_TRANSLATE_NOOP("velmora", "Size");
    case Column::Modified:
      return QT_TRANSLATE_NOOP("velmora", "Modified");
    case Column::Type:
      return QT_TRANSLATE_NOOP("velmora", "Type");
  }
  return "";
}

SortKey SortKeyOf(Column column) {
  switch (column) {
    case Column::Path:
    case Column::Folder:
      return SortKey::Folder;
    case Column::Name:
      return SortKey::Name;
    case Column::Size:
      return SortKey::Size;
    case Column::Modified:
      return SortKey::Modified;
    case Column::Type:
      return SortKey::Type;
  }
  return SortKey::None;
}

FileListModel::FileListModel(catalogue::Browser& browser, QObject* parent)
    : QAbstractTableModel(parent), browser_(browser), kinds_(browser.SharedInbox()) {
  announce_.setSingleShot(true);
  announce_.setInterval(100);
  connect(&announce_, &QTimer::timeout, this, &FileListModel::Announce);
  browser_.SetRowListener(this);
}

FileListModel::~FileListModel() {
  browser_.SortedRows().Forget();
  browser_.SetRowListener(nullptr);
}

void FileListModel::RowsChanging(const catalogue::RowChange& change) {
  if (change.kind == Kind::Insert) return;  // told once they are there
  Announce();  // the rows to remove or replace are among those the views know
  if (change.kind == Kind::Reset) beginResetModel();
  if (change.kind == Kind::Renumber) {
    emit layoutAboutToBeChanged();
    renumbering_ = persistentIndexList();
    renumberingFiles_.clear();
    for (const QModelIndex& i : renumbering_) renumberingFiles_.push_back(FileAt(i.row()));
    return;
  }
  if (change.kind != Kind::Remove) return;
  if (!browser_.SortedRows().Files()) {
    beginRemoveRows({}, static_cast<int>(change.first), static_cast<int>(change.last));
    return;
  }
  removing_.clear();
  for (std::size_t row = change.first; row <= change.last; ++row)
    removing_.push_back(browser_.FileAtRow(row));
}

void FileListModel::RowsChanged(const catalogue::RowChange& change) {
  if (change.kind == Kind::Insert) {
    if (shown_ == 0 || !browser_.Progress().loading) return Announce();
    if (!announce_.isActive()) announce_.start();
    return;
  }
  if (change.kind == Kind::Renumber) return Renumber(*change.numbers);
  const bool sorted = browser_.SortedRows().Files().has_value();
  if (change.kind == Kind::Remove && sorted) {
    DropSorted(removing_);
    removing_.clear();
  }
  shown_ = Rows(browser_.RowCount());
  if (change.kind == Kind::Remove && !sorted) endRemoveRows();
  if (change.kind == Kind::Reset) {
    browser_.SortedRows().Forget();
    kinds_.Clear();
    endResetModel();
    if (Sort().key != SortKey::None) Resort();
  }
}

void FileListModel::Renumber(const std::vector<std::size_t>& numbers) {
  kinds_.Renumber(numbers);
  const auto now = [&](std::size_t f) {
    return f < numbers.size() ? numbers[f] : catalogue::RowChange::kGone;
  };
  const std::size_t files = browser_.Files().size();
  catalogue::RowOrder& order = browser_.SortedRows();
  bool stale = false;
  if (order.Files()) {
    std::vector<std::size_t> rows = browser_.RowFiles();
    stale = order.Renumber(numbers, rows, files, [&](std::vector<std::size_t> next) {
      std::optional<catalogue::TypeRanks> ranks = Ranks(order.By().key, next);
      return catalogue::SortFiles(catalogue::MakeSortInput(order.By(), std::move(next),
                                                           browser_.Index(), browser_.Files(),
                                                           browser_.Facts(), std::move(ranks)));
    });
  }
  std::vector<std::size_t> rowOf(files, SIZE_MAX);
  shown_ = Rows(browser_.RowCount());
  for (int r = 0; r < rowCount(); ++r) rowOf[FileAt(r)] = static_cast<std::size_t>(r);
  QModelIndexList after;
  after.reserve(renumbering_.size());
  for (qsizetype k = 0; k < renumbering_.size(); ++k) {
    const std::size_t n = now(renumberingFiles_[static_cast<std::size_t>(k)]);
    const std::size_t row = n < files ? rowOf[n] : SIZE_MAX;
    after.push_back(row == SIZE_MAX ? QModelIndex()
                                    : createIndex(static_cast<int>(row), renumbering_[k].column()));
  }
  changePersistentIndexList(renumbering_, after);
  renumbering_.clear();
  renumberingFiles_.clear();
  emit layoutChanged();
  if (stale) Resort();
}

void FileListModel::DropSorted(const std::vector<std::size_t>& files) {
  catalogue::RowOrder& order = browser_.SortedRows();
  const auto runs = order.RunsOf(files, browser_.Files().size());
  const bool reset = runs.size() > kMostRuns;
  if (reset) beginResetModel();
  for (auto run = runs.rbegin(); run != runs.rend(); ++run) {
    if (!reset) beginRemoveRows({}, static_cast<int>(run->first), static_cast<int>(run->second));
    order.Erase(run->first, run->second);
    if (!reset) endRemoveRows();
  }
  if (reset) endResetModel();
}

void FileListModel::FactsChanged(bool complete) {
  for (const Column c : {Column::Size, Column::Modified}) {
    const auto at = std::find(columns_.begin(), columns_.end(), c);
    if (at == columns_.end() || rowCount() == 0) continue;
    const int column = static_cast<int>(at - columns_.begin());
    emit dataChanged(index(0, column), index(rowCount() - 1, column), {Qt::DisplayRole});
  }
  // Sorted by them once all are in: a sort per piece would never rest.
  const SortKey key = Sort().key;
  if ((key == SortKey::Size || key == SortKey::Modified) && complete) Resort();
}

void FileListModel::KindsRead(catalogue::handover::Kinds& kinds) {
  if (!kinds_.Take(kinds) || !Shows(Column::Type) || rowCount() == 0) return;
  const auto type = std::find(columns_.begin(), columns_.end(), Column::Type);
  emit dataChanged(index(0, 0), index(rowCount() - 1, static_cast<int>(type - columns_.begin())),
                   {Qt::DisplayRole, Qt::DecorationRole});
  if (Sort().key == SortKey::Type) Resort();
}

std::optional<catalogue::TypeRanks> FileListModel::Ranks(SortKey key,
                                                         const std::vector<std::size_t>& files) {
  if (key != SortKey::Type || !Shows(Column::Type)) return std::nullopt;
  return kinds_.Ranks(files, browser_.Index());
}

void FileListModel::SortEnded(std::vector<std::size_t> order) {
  Reorder(std::move(order));
  if (browser_.SortedRows().Stale()) Resort();  // rows came while it sorted
}

void FileListModel::Announce() {
  announce_.stop();
  const int rows = Rows(browser_.RowCount());
  if (rows <= shown_) return;
  catalogue::RowOrder& order = browser_.SortedRows();
  if (!order.Files()) {
    beginInsertRows({}, shown_, rows - 1);
    shown_ = rows;
    endInsertRows();
    return;
  }
  // Sorted: the new rows go at the end for now, and are sorted in soon.
  const int known = rowCount();
  beginInsertRows({}, known, known + rows - shown_ - 1);
  for (int r = shown_; r < rows; ++r) order.Add(browser_.FileAtRow(static_cast<std::size_t>(r)));
  shown_ = rows;
  endInsertRows();
  if (!order.Sorting()) Resort();
}

bool FileListModel::Shows(Column column) const {
  return std::find(columns_.begin(), columns_.end(), column) != columns_.end();
}

void FileListModel::SetShown(Column column, bool on) {
  if (column == Column::Path || Shows(column) == on) return;
  if (!on) {
    const int at =
        static_cast<int>(std::find(columns_.begin(), columns_.end(), column) - columns_.begin());
    beginRemoveColumns({}, at, at);
    columns_.erase(columns_.begin() + at);
    endRemoveColumns();
    if (column == Column::Type) TypeShown(false);
    return;
  }
  // In the order of kExtraColumns, after the path.
  int at = 1;
  for (const Column c : kExtraColumns) {
    if (c == column) break;
    at += Shows(c);
  }
  beginInsertColumns({}, at, at);
  columns_.insert(columns_.begin() + at, column);
  endInsertColumns();
  if (column == Column::Size || column == Column::Modified) browser_.WantFacts();
  if (column == Column::Type) TypeShown(true);
}

void FileListModel::TypeShown(bool on) {
  if (!on) kinds_.Clear();  // the kinds by content go with the column; those by name stay
  if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, 0), {Qt::DecorationRole});
  if (Sort().key == SortKey::Type) Resort();  // by description, or by extension again
}

void FileListModel::SetSort(catalogue::SortBy by) {
  catalogue::RowOrder& order = browser_.SortedRows();
  order.SetBy(by);
  if (by.key == SortKey::Size || by.key == SortKey::Modified) browser_.WantFacts();
  if (by.key != SortKey::None) return Resort();
  if (!order.Files()) return emit Sorted();
  Announce();
  std::vector<std::size_t> walk = browser_.RowFiles();
  walk.resize(static_cast<std::size_t>(shown_));
  Reorder(std::move(walk));
  order.Forget();
}

void FileListModel::Resort() {
  std::vector<std::size_t> files = RowFiles();
  const bool atOnce = files.size() < catalogue::kSortAtOnce && !browser_.Progress().loading;
  catalogue::RowOrder& order = browser_.SortedRows();
  std::optional<catalogue::TypeRanks> ranks = Ranks(order.By().key, files);
  std::optional<std::vector<std::size_t>> sorted =
      order.Sort(catalogue::MakeSortInput(order.By(), std::move(files), browser_.Index(),
                                          browser_.Files(), browser_.Facts(), std::move(ranks)),
                 atOnce);
  if (sorted) Reorder(std::move(*sorted));
}

void FileListModel::Reorder(std::vector<std::size_t> order) {
  std::vector<std::size_t> rows = RowFiles();
  emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  const QModelIndexList before = persistentIndexList();
  std::vector<std::size_t> beforeFiles;
  beforeFiles.reserve(static_cast<std::size_t>(before.size()));
  for (const QModelIndex& i : before) beforeFiles.push_back(FileAt(i.row()));
  const std::vector<std::size_t> rowOf =
      browser_.SortedRows().Place(order, rows, browser_.Files().size());
  QModelIndexList after;
  after.reserve(before.size());
  for (qsizetype k = 0; k < before.size(); ++k)
    after.push_back(createIndex(static_cast<int>(rowOf[beforeFiles[static_cast<std::size_t>(k)]]),
                                before[k].column()));
  changePersistentIndexList(before, after);
  emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
  emit Sorted();
}

std::vector<std::size_t> FileListModel::RowFiles() const {
  const auto& order = browser_.SortedRows().Files();
  std::vector<std::size_t> rows = order ? *order : browser_.RowFiles();
  rows.resize(static_cast<std::size_t>(rowCount()));
  return rows;
}

std::size_t FileListModel::FileAt(int row) const {
  const auto r = static_cast<std::size_t>(row);
  const auto& order = browser_.SortedRows().Files();
  return order ? (*order)[r] : browser_.FileAtRow(r);
}

std::string FileListModel::PathAt(int row) const {
  if (row < 0 || row >= rowCount()) return {};
  return browser_.Files()[FileAt(row)];
}

int FileListModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid()) return 0;
  const auto& order = browser_.SortedRows().Files();
  return order ? Rows(order->size()) : shown_;
}

int FileListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QModelIndex FileListModel::index(int row, int column, const QModelIndex& parent) const {
  if (parent.isValid() || column < 0 || column >= columnCount() || row < 0 || row >= rowCount())
    return {};
  return createIndex(row, column);
}

QVariant FileListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
  const Column column = columns_[static_cast<std::size_t>(index.column())];
  const bool number = column == Column::Size;
  if (role == Qt::TextAlignmentRole && number)
    return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
  const std::size_t file = FileAt(index.row());
  const auto kind = [&] {
    return kinds_.Of(file, browser_.Files(), browser_.Index().Folded(file));
  };
  if (role == Qt::DecorationRole && column == Column::Path && Shows(Column::Type))
    return kinds_.Icon(kind());
  if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
  const catalogue::PathList& files = browser_.Files();
  // Text in which nothing can hide or reorder a name; the commands use PathAt, never this.
  if (role == Qt::ToolTipRole) {
    return desktop::ShownText(files[file]) + u'\n' +
           FilesCount(browser_.RowCount(), browser_.FileCount());
  }
  const auto facts = browser_.Facts();
  const platform::FileFacts fact = file < facts.size() ? facts[file] : platform::FileFacts{};
  switch (column) {
    case Column::Path:
      return desktop::ShownText(files[file]);
    case Column::Name:
      return desktop::ShownText(files.Name(file));
    case Column::Folder: {
      std::string folder;
      files.AppendFolder(files.FolderOf(file), folder);
      return desktop::ShownText(platform::WithoutTrailingSeparator(std::move(folder)));
    }
    case Column::Type:
      return kinds_.Description(kind());
    case Column::Size:
      if (!fact.Known()) return QString();
      if (fact.size == 1)
        return QCoreApplication::translate("velmora",
                                           "1 byte");  // the locale's word is plural only
      return QLocale().formattedDataSize(fact.size);
    case Column::Modified:
      if (!fact.Known()) return QString();
      return QLocale().toString(QDateTime::fromMSecsSinceEpoch(fact.modified / 1'000'000),
                                QLocale::ShortFormat);
  }
  return {};
}

QVariant FileListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal && section >= 0 && section < columnCount() &&
      (role == Qt::DisplayRole || role == Qt::AccessibleTextRole))
    return QCoreApplication::translate("velmora",
                                       ColumnTitle(columns_[static_cast<std::size_t>(section)]));
  return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags FileListModel::flags(const QModelIndex& index) const {
  return QAbstractTableModel::flags(index) |
         (index.isValid() ? Qt::ItemIsDragEnabled : Qt::NoItemFlags);
}

QStringList FileListModel::mimeTypes() const {
  return {QStringLiteral("text/uri-list"), QStringLiteral("text/plain")};
}

QMimeData* FileListModel::mimeData(const QModelIndexList& indexes) const {
  QByteArray urls;
  QByteArray paths;
  for (const QModelIndex& index : indexes) {
    if (index.column() != 0) continue;  // a row once, however many columns it has
    const std::string path = PathAt(index.row());
    urls += QByteArray::fromStdString(desktop::FileUrl(path)) + "\r\n";
    paths += QByteArray::fromStdString(path) + '\n';
  }
  auto* data = new QMimeData;
  data->setData(QStringLiteral("text/uri-list"), urls);
  data->setData(QStringLiteral("text/plain"), paths);
  return data;
}

}  // namespace velmora::mainwindow
