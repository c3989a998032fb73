#pragma once
// The file list: rows of paths, and more columns under a header when asked for. Rows are
// all one height and never measured (a list view lays out every row again on each change,
// a tenth of a second at a million files), so a row's place is its number times that
// height and the view keeps nothing for a row: a table's row header keeps an entry for
// each and walks them all on every insertion and removal, tens of milliseconds a change at
// millions of files, seconds behind when another program deletes them by the thousand. Only the
// rows in sight are painted; selection, the current row and the hovered one live in the model's
// indexes. Looks and acts as a table with a hidden row header and no grid, selecting whole rows,
// and screen readers read it as one. Owner: the window's thread; no thread of its own.

#include <QAbstractItemView>
#include <QAccessible>
#include <QPersistentModelIndex>
#include <QTimer>

class QHeaderView;

namespace velmora::mainwindow {

class FileTable final : public QAbstractItemView {
  Q_OBJECT
 public:
  explicit FileTable(QWidget* parent);
  // Room under the rows for a pane over the list's lower edge; 0 for none.
  void SetRoomBelow(int height);

  QHeaderView* horizontalHeader() const { return header_; }
  int rowHeight(int row) const;
  int rowAt(int y) const;
  int rowViewportPosition(int row) const;
  int columnAt(int x) const;
  int columnWidth(int column) const;
  int columnViewportPosition(int column) const;
  bool isColumnHidden(int column) const;
  void resizeColumnToContents(int column);

  void setModel(QAbstractItemModel* model) override;
  void setSelectionModel(QItemSelectionModel* selectionModel) override;
  QRect visualRect(const QModelIndex& index) const override;
  void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
  QModelIndex indexAt(const QPoint& point) const override;
  void doItemsLayout() override;
  // At most the header's precision of rows, those in sight first, as a table does.
  int sizeHintForColumn(int column) const override;

 protected:
  // The margins keep the header above the rows and the room below under them.
  void updateGeometries() override;
  void scrollContentsBy(int dx, int dy) override;
  void paintEvent(QPaintEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void initViewItemOption(QStyleOptionViewItem* option) const override;
  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
  int horizontalOffset() const override;
  int verticalOffset() const override { return rowOffset_; }
  bool isIndexHidden(const QModelIndex& index) const override;
  void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
  QRegion visualRegionForSelection(const QItemSelection& selection) const override;
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
  void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;
  void rowsInserted(const QModelIndex& parent, int start, int end) override;
  void rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) override;
  void verticalScrollbarValueChanged(int value) override;
  void horizontalScrollbarValueChanged(int value) override;

 private:
  int Rows() const;
  // The rows' offset as the vertical bar puts it: whole rows, or the last row at the foot.
  int BarOffset() const;
  void HoverAtCursor();
  void TellAccessible(const QModelIndex& index, QAccessible::Event event);

  QHeaderView* header_;
  int rowHeight_;
  int rowOffset_ = 0;  // pixels above the viewport
  QPersistentModelIndex hover_;
  QTimer columnsResized_;
  bool inGeometries_ = false;
  int roomBelow_ = 0;
};

}  // namespace velmora::mainwindow
