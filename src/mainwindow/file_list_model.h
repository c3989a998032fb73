#pragma once
// The file list as a model over the browser's rows: it hears the rows' changes and passes
// them on, so that selection and scrolling survive them. Its one column, the path, may
// be joined by others, and its rows put in a column's order (the browser's RowOrder,
// which sorts in the background). With the Type column, each row shows its kind's
// description there and its icon beside the path (FileKinds). Owner: the window's thread; no thread
// of its own.

#include <QAbstractTableModel>
#include <QTimer>
#include <optional>
#include <vector>

#include "catalogue/browser.h"
#include "catalogue/row_order.h"
#include "mainwindow/file_kinds.h"

namespace velmora::mainwindow {

// The columns of the file list: the path always, and the others when asked for.
enum class Column : std::uint8_t { Path, Name, Folder, Size, Modified, Type };
inline constexpr Column kExtraColumns[] = {Column::Name, Column::Folder, Column::Size,
                                           Column::Modified, Column::Type};
const char* ColumnTitle(Column column);
// The order a column's header sorts by.
catalogue::SortKey SortKeyOf(Column column);

class FileListModel : public QAbstractTableModel, public catalogue::RowListener {
  Q_OBJECT
 public:
  // Hears the browser's rows until it goes.
  FileListModel(catalogue::Browser& browser, QObject* parent);
  ~FileListModel() override;

  void RowsChanging(const catalogue::RowChange& change) override;
  void RowsChanged(const catalogue::RowChange& change) override;
  void FactsChanged(bool complete) override;
  void SortEnded(std::vector<std::size_t> order) override;
  void KindsRead(catalogue::handover::Kinds& kinds) override;
  // While a folder loads, rows added at the end are told to the views together, at most
  // every tenth of a second (the first at once): a view's bookkeeping for an insertion
  // grows with the rows it has. Call when the load ends.
  void Announce();

  const std::vector<Column>& Columns() const { return columns_; }
  bool Shows(Column column) const;
  void SetShown(Column column, bool on);
  // Puts the rows in by's order (the walk's for none): at once for a few, else in the
  // background, Sorted telling when it is in place. Rows that come meanwhile are added at
  // the end and sorted in again soon after. Size and Modified read the files' facts.
  void SetSort(catalogue::SortBy by);
  catalogue::SortBy Sort() const { return browser_.SortedRows().By(); }
  // Whether the rows are in the sort's order now.
  bool InOrder() const { return browser_.SortedRows().InOrder(); }

  // The number of the file at row, and the exact bytes of its path; the empty text for a
  // row that is not there.
  std::size_t FileAt(int row) const;
  // The files of every row shown, in order.
  std::vector<std::size_t> RowFiles() const;
  std::string PathAt(int row) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  // Without the base's checks through rowCount and columnCount: views ask for every row.
  QModelIndex index(int row, int column = 0, const QModelIndex& parent = {}) const override;
  QModelIndex parent(const QModelIndex&) const override { return {}; }
  QVariant data(const QModelIndex& index, int role) const override;
  // The columns are named for screen readers, also when the header is not shown.
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  // Rows dragged out to other programs: their addresses (exact bytes, escaped) and paths.
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QStringList mimeTypes() const override;
  QMimeData* mimeData(const QModelIndexList& indexes) const override;

 signals:
  void Sorted();

 private:
  // For a sort by Type with the Type column shown: the order of the kinds' descriptions.
  std::optional<catalogue::TypeRanks> Ranks(catalogue::SortKey key,
                                            const std::vector<std::size_t>& files);
  // Sorts the rows known again, at once or in the background.
  void Resort();
  // order (of the rows as they were) in place: rows gone since are left out, and rows
  // come since follow.
  void Reorder(std::vector<std::size_t> order);
  void DropSorted(const std::vector<std::size_t>& files);
  // The Type column came or went.
  void TypeShown(bool on);
  // The rows after the files were numbered afresh: numbers[old] is each file's number now.
  void Renumber(const std::vector<std::size_t>& numbers);

  catalogue::Browser& browser_;
  int shown_ = 0;  // the browser's rows the views know of
  QTimer announce_;
  std::vector<Column> columns_{Column::Path};
  std::vector<std::size_t> removing_;          // the files of rows about to go
  QModelIndexList renumbering_;                // the views' rows held while files are renumbered
  std::vector<std::size_t> renumberingFiles_;  // and their files' numbers before
  // Asked only while the Type column shows: painting fills its caches.
  mutable FileKinds kinds_;
};

}  // namespace velmora::mainwindow
