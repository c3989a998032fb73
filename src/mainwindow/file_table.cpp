#include "mainwindow/file_table.h"

#include <QAccessibleWidget>
#include <QCursor>
#include <QHash>
#include <QHeaderView>
#include <QHoverEvent>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>
#include <vector>

namespace velmora::mainwindow {
namespace {

// A cell for screen readers, made when one asks for it.
class CellAccessible final : public QAccessibleInterface, public QAccessibleTableCellInterface {
 public:
  CellAccessible(FileTable* view, const QModelIndex& index) : view_(view), index_(index) {}
  QModelIndex Index() const { return index_; }

  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::TableCellInterface
               ? static_cast<QAccessibleTableCellInterface*>(this)
               : nullptr;
  }
  bool isValid() const override { return view_ != nullptr && index_.isValid(); }
  QObject* object() const override { return nullptr; }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(view_);
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text t) const override {
    if (!isValid()) return {};
    if (t == QAccessible::Description) return index_.data(Qt::AccessibleDescriptionRole).toString();
    if (t != QAccessible::Name) return {};
    const QString name = index_.data(Qt::AccessibleTextRole).toString();
    return name.isEmpty() ? index_.data(Qt::DisplayRole).toString() : name;
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!isValid()) return {};
    const QRect shown = view_->visualRect(index_);
    return shown.isNull() ? shown : shown.translated(view_->viewport()->mapToGlobal(QPoint()));
  }
  QAccessible::Role role() const override { return QAccessible::Cell; }
  QAccessible::State state() const override {
    QAccessible::State state;
    if (!isValid()) return state;
    state.invisible = !QRect(view_->mapToGlobal(QPoint()), view_->size()).intersects(rect());
    state.selected = isSelected();
    state.focused = view_->currentIndex() == index_;
    state.selectable = state.focusable = state.extSelectable =
        (index_.flags() & Qt::ItemIsSelectable) != 0;
    return state;
  }

  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  int columnIndex() const override { return index_.column(); }
  int rowIndex() const override { return index_.row(); }
  bool isSelected() const override {
    return isValid() && view_->selectionModel()->isSelected(index_);
  }
  QAccessibleInterface* table() const override { return parent(); }

 private:
  QPointer<FileTable> view_;
  QPersistentModelIndex index_;
};

// The list for screen readers: a table of cells, which it makes as they are asked for and
// forgets when the rows change.
class TableAccessible final : public QAccessibleWidget, public QAccessibleTableInterface {
 public:
  explicit TableAccessible(FileTable* view) : QAccessibleWidget(view, QAccessible::Table) {}
  ~TableAccessible() override { Forget(); }

  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this)
                                               : QAccessibleWidget::interface_cast(type);
  }
  int childCount() const override { return rowCount() * columnCount(); }
  QAccessibleInterface* child(int at) const override {
    const int columns = columnCount();
    return columns > 0 ? cellAt(at / columns, at % columns) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    auto* cell =
        child != nullptr ? const_cast<QAccessibleInterface*>(child)->tableCellInterface() : nullptr;
    return cell != nullptr ? cell->rowIndex() * columnCount() + cell->columnIndex() : -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    const QModelIndex index = View().indexAt(View().viewport()->mapFromGlobal(QPoint(x, y)));
    return index.isValid() ? cellAt(index.row(), index.column()) : nullptr;
  }
  QAccessibleInterface* focusChild() const override {
    const QModelIndex current = View().currentIndex();
    return current.isValid() ? cellAt(current.row(), current.column()) : nullptr;
  }

  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int row, int column) const override {
    const QAbstractItemModel* model = View().model();
    if (model == nullptr || !model->hasIndex(row, column, View().rootIndex())) return nullptr;
    const QModelIndex index = model->index(row, column, View().rootIndex());
    const quint64 key = quint64(row) << 32 | quint32(column);
    if (const auto known = cells_.constFind(key); known != cells_.constEnd()) {
      auto* cell = static_cast<CellAccessible*>(QAccessible::accessibleInterface(*known));
      if (cell != nullptr && cell->Index() == index) return cell;
      QAccessible::deleteAccessibleInterface(*known);
    }
    auto* cell = new CellAccessible(&View(), index);
    cells_.insert(key, QAccessible::registerAccessibleInterface(cell));
    return cell;
  }
  int columnCount() const override {
    return View().model() != nullptr ? View().model()->columnCount(View().rootIndex()) : 0;
  }
  int rowCount() const override {
    return View().model() != nullptr ? View().model()->rowCount(View().rootIndex()) : 0;
  }
  int selectedCellCount() const override {
    return int(View().selectionModel()->selectedIndexes().size());
  }
  int selectedColumnCount() const override { return int(selectedColumns().size()); }
  int selectedRowCount() const override { return int(selectedRows().size()); }
  QString columnDescription(int column) const override {
    return View().model()->headerData(column, Qt::Horizontal).toString();
  }
  QString rowDescription(int row) const override {
    return View().model()->headerData(row, Qt::Vertical).toString();
  }
  QList<QAccessibleInterface*> selectedCells() const override {
    QList<QAccessibleInterface*> cells;
    for (const QModelIndex& index : View().selectionModel()->selectedIndexes())
      cells.append(cellAt(index.row(), index.column()));
    return cells;
  }
  QList<int> selectedColumns() const override {
    QList<int> columns;
    for (const QModelIndex& index : View().selectionModel()->selectedColumns())
      columns.append(index.column());
    return columns;
  }
  QList<int> selectedRows() const override {
    QList<int> rows;
    for (const QModelIndex& index : View().selectionModel()->selectedRows())
      rows.append(index.row());
    return rows;
  }
  bool isColumnSelected(int column) const override {
    return View().selectionModel()->isColumnSelected(column, View().rootIndex());
  }
  bool isRowSelected(int row) const override {
    return View().selectionModel()->isRowSelected(row, View().rootIndex());
  }
  bool selectRow(int row) override { return Select(row, QItemSelectionModel::Select); }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int row) override { return Select(row, QItemSelectionModel::Deselect); }
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent*) override { Forget(); }

 private:
  FileTable& View() const { return *static_cast<FileTable*>(widget()); }
  bool Select(int row, QItemSelectionModel::SelectionFlag how) {
    const QModelIndex index = View().model() != nullptr
                                  ? View().model()->index(row, 0, View().rootIndex())
                                  : QModelIndex();
    if (!index.isValid()) return false;
    View().selectionModel()->select(index, how | QItemSelectionModel::Rows);
    return true;
  }
  void Forget() const {
    for (const QAccessible::Id id : std::as_const(cells_))
      QAccessible::deleteAccessibleInterface(id);
    cells_.clear();
  }

  mutable QHash<quint64, QAccessible::Id> cells_;
};

QAccessibleInterface* Accessible(const QString& className, QObject* object) {
  return className == QLatin1String(FileTable::staticMetaObject.className())
             ? new TableAccessible(static_cast<FileTable*>(object))
             : nullptr;
}

}  // namespace

FileTable::FileTable(QWidget* parent)
    : QAbstractItemView(parent), header_(new QHeaderView(Qt::Horizontal, this)) {
  // As high as a row header's least section: the text's height and the header's margins.
  const int text = fontMetrics().height();
  rowHeight_ = std::max(text + 2,
                        text + 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header_));
  // Qt makes tables accessible only for its own table views.
  QAccessible::installFactory(Accessible);  // once for the program, however often asked
  header_->setSectionsClickable(true);
  header_->setHighlightSections(true);
  columnsResized_.setSingleShot(true);
  columnsResized_.setInterval(0);
  connect(&columnsResized_, &QTimer::timeout, this, [this] {
    updateGeometries();
    viewport()->update();
  });
  connect(header_, &QHeaderView::sectionResized, &columnsResized_, qOverload<>(&QTimer::start));
  connect(header_, &QHeaderView::sectionMoved, &columnsResized_, qOverload<>(&QTimer::start));
  connect(header_, &QHeaderView::sectionCountChanged, this, [this] {
    updateGeometries();
    const int at = horizontalScrollBar()->value();
    if (horizontalScrollMode() == ScrollPerItem)
      header_->setOffsetToSectionPosition(at);
    else
      header_->setOffset(at);
    viewport()->update();
  });
  connect(header_, &QHeaderView::sectionHandleDoubleClicked, this,
          &FileTable::resizeColumnToContents);
  connect(header_, &QHeaderView::geometriesChanged, this, &FileTable::updateGeometries);
  header_->hide();
  header_->setStretchLastSection(true);
  setTextElideMode(Qt::ElideMiddle);  // the name, at the end, stays in sight
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setTabKeyNavigation(false);
  setDragEnabled(true);  // files dragged out to other programs
  setDragDropMode(QAbstractItemView::DragOnly);
}

void FileTable::SetRoomBelow(int height) {
  roomBelow_ = height;
  updateGeometries();
}

int FileTable::Rows() const { return model() != nullptr ? model()->rowCount(rootIndex()) : 0; }

int FileTable::rowHeight(int row) const { return row >= 0 && row < Rows() ? rowHeight_ : 0; }

int FileTable::rowAt(int y) const {
  const qint64 at = qint64(y) + rowOffset_;
  return at < 0 || at >= qint64(Rows()) * rowHeight_ ? -1 : int(at / rowHeight_);
}

int FileTable::rowViewportPosition(int row) const {
  return row >= 0 && row < Rows() ? row * rowHeight_ - rowOffset_ : -1;
}

int FileTable::columnAt(int x) const { return header_->logicalIndexAt(x); }
int FileTable::columnWidth(int column) const { return header_->sectionSize(column); }
int FileTable::columnViewportPosition(int column) const {
  return header_->sectionViewportPosition(column);
}
bool FileTable::isColumnHidden(int column) const { return header_->isSectionHidden(column); }
int FileTable::horizontalOffset() const { return header_->offset(); }
bool FileTable::isIndexHidden(const QModelIndex& index) const {
  return isColumnHidden(index.column());
}

void FileTable::setModel(QAbstractItemModel* model) {
  if (model == this->model()) return;
  header_->setModel(model);
  QAbstractItemView::setModel(model);
}

void FileTable::setSelectionModel(QItemSelectionModel* selectionModel) {
  header_->setSelectionModel(selectionModel);
  QAbstractItemView::setSelectionModel(selectionModel);
}

QRect FileTable::visualRect(const QModelIndex& index) const {
  if (!index.isValid() || index.model() != model() || index.parent() != rootIndex() ||
      isIndexHidden(index))
    return {};
  const_cast<FileTable*>(this)->executeDelayedItemsLayout();
  return {columnViewportPosition(index.column()), rowViewportPosition(index.row()),
          columnWidth(index.column()), rowHeight_};
}

QModelIndex FileTable::indexAt(const QPoint& point) const {
  const_cast<FileTable*>(this)->executeDelayedItemsLayout();
  const int row = rowAt(point.y());
  const int column = columnAt(point.x());
  return row >= 0 && column >= 0 ? model()->index(row, column, rootIndex()) : QModelIndex();
}

int FileTable::BarOffset() const {
  const QScrollBar& bar = *verticalScrollBar();
  if (verticalScrollMode() == ScrollPerPixel) return bar.value();
  if (bar.maximum() > 0 && bar.value() == bar.maximum())
    return Rows() * rowHeight_ - viewport()->height();
  return bar.value() < Rows() ? bar.value() * rowHeight_ : rowOffset_;
}

void FileTable::doItemsLayout() {
  QAbstractItemView::doItemsLayout();
  rowOffset_ = BarOffset();
}

void FileTable::scrollContentsBy(int dx, int dy) {
  dx = isRightToLeft() ? -dx : dx;
  if (dx != 0) {
    const int old = header_->offset();
    const QScrollBar& bar = *horizontalScrollBar();
    if (horizontalScrollMode() == ScrollPerPixel) {
      header_->setOffset(bar.value());
    } else {
      if (bar.maximum() > 0 && bar.value() == bar.maximum())
        header_->setOffsetToLastSection();
      else
        header_->setOffsetToSectionPosition(bar.value());
      dx = isRightToLeft() ? header_->offset() - old : old - header_->offset();
    }
  }
  if (dy != 0) {
    const int old = rowOffset_;
    rowOffset_ = BarOffset();
    if (verticalScrollMode() == ScrollPerItem) dy = old - rowOffset_;
  }
  QAbstractItemView::scrollContentsBy(dx, dy);
}

void FileTable::updateGeometries() {
  if (inGeometries_) return;
  inGeometries_ = true;
  int height = 0;
  if (!header_->isHidden())
    height = std::min(std::max(header_->minimumHeight(), header_->sizeHint().height()),
                      header_->maximumHeight());
  setViewportMargins(0, height, 0, roomBelow_);
  const QRect rows = viewport()->geometry();
  header_->setGeometry(rows.left(), rows.top() - height, rows.width(), height);
  if (header_->isHidden()) QMetaObject::invokeMethod(header_, "updateGeometries");

  QSize size = viewport()->size();
  const QSize most = maximumViewportSize();
  const int count = Rows();
  if (most.width() >= header_->length() && qint64(most.height()) >= qint64(count) * rowHeight_)
    size = most;
  const int columns = header_->count();
  int columnsInView = 0;
  for (int width = 0, c = columns - 1; c >= 0; --c) {
    const int logical = header_->logicalIndex(c);
    if (header_->isSectionHidden(logical)) continue;
    width += header_->sectionSize(logical);
    if (width > size.width()) break;
    ++columnsInView;
  }
  columnsInView = std::max(columnsInView, 1);
  QScrollBar& across = *horizontalScrollBar();
  if (horizontalScrollMode() == ScrollPerItem) {
    const int shown = columns - header_->hiddenSectionCount();
    across.setRange(0, shown - columnsInView);
    across.setPageStep(columnsInView);
    if (columnsInView >= shown) header_->setOffset(0);
    across.setSingleStep(1);
  } else {
    across.setPageStep(size.width());
    across.setRange(0, header_->length() - size.width());
    across.setSingleStep(std::max(size.width() / (columnsInView + 1), 2));
  }
  const int rowsInView = std::max(1, std::min(count, size.height() / rowHeight_));
  QScrollBar& down = *verticalScrollBar();
  if (verticalScrollMode() == ScrollPerItem) {
    down.setRange(0, count - rowsInView);
    down.setPageStep(rowsInView);
    if (rowsInView >= count) rowOffset_ = 0;
    down.setSingleStep(1);
  } else {
    down.setPageStep(size.height());
    down.setRange(0, count * rowHeight_ - size.height());
    down.setSingleStep(std::max(size.height() / (rowsInView + 1), 2));
  }
  inGeometries_ = false;
  QAbstractItemView::updateGeometries();
}

void FileTable::initViewItemOption(QStyleOptionViewItem* option) const {
  QAbstractItemView::initViewItemOption(option);
  option->showDecorationSelected = true;
}

void FileTable::paintEvent(QPaintEvent* event) {
  QStyleOptionViewItem option;
  initViewItemOption(&option);
  const bool alternate = alternatingRowColors();
  const bool rightToLeft = isRightToLeft();
  QPainter painter(viewport());
  const int rows = Rows();
  if (header_->count() == 0 || rows == 0 || itemDelegate() == nullptr) return;
  const int x = header_->length() - header_->offset() - (rightToLeft ? 0 : 1);
  const int y = rows * rowHeight_ - rowOffset_ - 1;
  const int firstRow = std::max(rowAt(0), 0);
  int lastRow = rowAt(viewport()->height());
  if (lastRow == -1) lastRow = rows - 1;
  int firstColumn = header_->visualIndexAt(0);
  int lastColumn = header_->visualIndexAt(header_->viewport()->width());
  if (rightToLeft) std::swap(firstColumn, lastColumn);
  if (firstColumn == -1) firstColumn = 0;
  if (lastColumn == -1) lastColumn = header_->count() - 1;
  // Each cell once, however many rectangles of the region it is in.
  const int across = lastColumn - firstColumn + 1;
  std::vector<bool> drawn(std::size_t(std::max(0, (lastRow - firstRow + 1) * across)));
  const bool focused = hasFocus() || viewport()->hasFocus();
  for (QRect dirty : event->region()) {
    dirty.setBottom(std::min(dirty.bottom(), y));
    if (rightToLeft)
      dirty.setLeft(std::max(dirty.left(), viewport()->width() - x));
    else
      dirty.setRight(std::min(dirty.right(), x));
    int left = header_->visualIndexAt(dirty.left());
    int right = header_->visualIndexAt(dirty.right());
    if (rightToLeft) std::swap(left, right);
    if (left == -1) left = 0;
    if (right == -1) right = header_->count() - 1;
    int bottom = rowAt(dirty.bottom());
    if (bottom == -1) bottom = rows - 1;
    const int top = rowAt(dirty.top());
    if (top == -1 || top > bottom) continue;
    bool alternateBase = (top & 1) != 0 && alternate;
    for (int row = top; row <= bottom; ++row) {
      for (int visual = left; visual <= right; ++visual) {
        const int bit = (row - firstRow) * across + visual - firstColumn;
        if (bit < 0 || bit >= int(drawn.size()) || drawn[std::size_t(bit)]) continue;
        drawn[std::size_t(bit)] = true;
        const int column = header_->logicalIndex(visual);
        if (header_->isSectionHidden(column)) continue;
        const QModelIndex index = model()->index(row, column, rootIndex());
        if (!index.isValid()) continue;
        QStyleOptionViewItem cell = option;
        cell.rect = QRect(columnViewportPosition(column), rowViewportPosition(row),
                          columnWidth(column), rowHeight_);
        if (alternate) cell.features.setFlag(QStyleOptionViewItem::Alternate, alternateBase);
        if (selectionModel() != nullptr && selectionModel()->isSelected(index))
          cell.state |= QStyle::State_Selected;
        if (index == hover_) cell.state |= QStyle::State_MouseOver;
        if (option.state & QStyle::State_Enabled) {
          const bool enabled = (index.flags() & Qt::ItemIsEnabled) != 0;
          cell.state.setFlag(QStyle::State_Enabled, enabled);
          cell.palette.setCurrentColorGroup(enabled ? QPalette::Normal : QPalette::Disabled);
        }
        if (focused && index == currentIndex()) cell.state |= QStyle::State_HasFocus;
        style()->drawPrimitive(QStyle::PE_PanelItemViewRow, &cell, &painter, this);
        itemDelegateForIndex(index)->paint(&painter, cell, index);
      }
      alternateBase = !alternateBase && alternate;
    }
  }
}

bool FileTable::viewportEvent(QEvent* event) {
  switch (event->type()) {
    case QEvent::HoverEnter:
    case QEvent::HoverMove:
      hover_ = indexAt(static_cast<QHoverEvent*>(event)->position().toPoint());
      break;
    case QEvent::HoverLeave:
    case QEvent::Leave:
      hover_ = QPersistentModelIndex();
      break;
    default:
      break;
  }
  return QAbstractItemView::viewportEvent(event);
}

void FileTable::mouseMoveEvent(QMouseEvent* event) {
  if (state() != ExpandingState && state() != CollapsingState && state() != DraggingState)
    hover_ = indexAt(event->position().toPoint());
  QAbstractItemView::mouseMoveEvent(event);
}

void FileTable::HoverAtCursor() {
  const QPoint at = viewport()->mapFromGlobal(QCursor::pos());
  if (viewport()->rect().contains(at)) hover_ = indexAt(at);
}

void FileTable::verticalScrollbarValueChanged(int value) {
  QAbstractItemView::verticalScrollbarValueChanged(value);
  HoverAtCursor();
}

void FileTable::horizontalScrollbarValueChanged(int value) {
  QAbstractItemView::horizontalScrollbarValueChanged(value);
  HoverAtCursor();
}

void FileTable::scrollTo(const QModelIndex& index, ScrollHint hint) {
  if (!index.isValid() || index.model() != model() || index.parent() != rootIndex() ||
      isIndexHidden(index))
    return;
  const int column = index.column();
  const int width = viewport()->width();
  const int left = header_->sectionPosition(column) - header_->offset();
  const int cellWidth = header_->sectionSize(column);
  QScrollBar& across = *horizontalScrollBar();
  if (horizontalScrollMode() == ScrollPerItem) {
    int visual = header_->visualIndex(column);
    const bool pastRight = left + cellWidth > width;
    if (hint == PositionAtCenter || pastRight) {
      const int room = hint == PositionAtCenter ? width / 2 : width;
      for (int x = cellWidth; visual > 0; --visual) {
        x += columnWidth(header_->logicalIndex(visual - 1));
        if (x > room) break;
      }
    }
    if (pastRight || hint == PositionAtCenter || left < 0) {
      int hidden = 0;
      for (int s = visual - 1; s >= 0; --s) hidden += isColumnHidden(header_->logicalIndex(s));
      across.setValue(visual - hidden);
    }
  } else if (hint == PositionAtCenter) {
    across.setValue(header_->sectionPosition(column) - (width - cellWidth) / 2);
  } else if (left < 0 || cellWidth > width) {
    across.setValue(header_->sectionPosition(column));
  } else if (left + cellWidth > width) {
    across.setValue(header_->sectionPosition(column) - width + cellWidth);
  }

  const int height = viewport()->height();
  const int row = index.row();
  const int top = row * rowHeight_ - rowOffset_;
  if (hint == EnsureVisible && (top < 0 || rowHeight_ > height))
    hint = PositionAtTop;
  else if (hint == EnsureVisible && top + rowHeight_ > height)
    hint = PositionAtBottom;
  QScrollBar& down = *verticalScrollBar();
  if (verticalScrollMode() == ScrollPerItem) {
    if (hint == PositionAtBottom || hint == PositionAtCenter) {
      // As many rows above as fit with it in the room, less one.
      const int room = hint == PositionAtCenter ? height / 2 : height;
      down.setValue(row - std::min(row, std::max(0, room / rowHeight_ - 1)));
    } else if (hint == PositionAtTop) {
      down.setValue(row);
    }
  } else if (hint == PositionAtTop) {
    down.setValue(row * rowHeight_);
  } else if (hint == PositionAtBottom) {
    down.setValue(row * rowHeight_ - height + rowHeight_);
  } else if (hint == PositionAtCenter) {
    down.setValue(row * rowHeight_ - (height - rowHeight_) / 2);
  }
  update(index);
}

QModelIndex FileTable::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
  const int bottom = Rows() - 1;
  const auto hidden = [this](int visual) { return isColumnHidden(header_->logicalIndex(visual)); };
  int right = header_->count() - 1;
  while (right >= 0 && hidden(right)) --right;
  if (bottom < 0 || right < 0) return {};
  const QModelIndex current = currentIndex();
  if (!current.isValid()) {
    int column = 0;
    while (column < right && hidden(column)) ++column;
    return model()->index(0, header_->logicalIndex(column), rootIndex());
  }
  int row = std::min(current.row(), bottom);
  int column = std::min(header_->visualIndex(current.column()), right);
  if (isRightToLeft() && (action == MoveLeft || action == MoveRight))
    action = action == MoveLeft ? MoveRight : MoveLeft;
  const int fromRow = row;
  const int fromColumn = column;
  bool wrapped = false;
  bool looped = false;
  switch (action) {
    case MoveUp:
      row = std::max(row - 1, 0);
      break;
    case MoveDown:
      row = std::min(row + 1, bottom);
      break;
    case MovePrevious:
    case MoveLeft:
      // Previous goes on from the end of the row above, and from the last row after the first.
      do {
        while (column >= 0) {
          --column;
          if (column < 0 || !hidden(column)) break;
          if (wrapped && (fromRow < row || (fromRow == row && fromColumn <= column))) {
            looped = true;
            break;
          }
        }
        if (action == MoveLeft || column >= 0) break;
        column = right + 1;
        wrapped = wrapped || row == 0;
        row = row == 0 ? bottom : row - 1;
      } while (!looped);
      if (column < 0) column = fromColumn;
      break;
    case MoveNext:
    case MoveRight:
      do {
        while (column <= right) {
          ++column;
          if (column > right || !hidden(column)) break;
          if (wrapped && (fromRow > row || (fromRow == row && fromColumn >= column))) {
            looped = true;
            break;
          }
        }
        if (action == MoveRight || column <= right) break;
        column = -1;
        wrapped = wrapped || row == bottom;
        row = row == bottom ? 0 : row + 1;
      } while (!looped);
      if (column > right) column = fromColumn;
      break;
    case MoveHome:
      column = 0;
      while (column < right && hidden(column)) ++column;
      if (modifiers & Qt::ControlModifier) row = 0;
      break;
    case MoveEnd:
      column = right;
      if (modifiers & Qt::ControlModifier) row = bottom;
      break;
    case MovePageUp: {
      const int to = rowAt(visualRect(current).bottom() - viewport()->height());
      return model()->index(to == -1 ? 0 : to, current.column(), rootIndex());
    }
    case MovePageDown: {
      const int to = rowAt(visualRect(current).top() + viewport()->height());
      return model()->index(to == -1 ? bottom : to, current.column(), rootIndex());
    }
  }
  const int logical = header_->logicalIndex(column);
  if (!model()->hasIndex(row, logical, rootIndex())) return {};
  const QModelIndex next = model()->index(row, logical, rootIndex());
  return !isColumnHidden(logical) && (next.flags() & Qt::ItemIsEnabled) ? next : QModelIndex();
}

void FileTable::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) {
  const int left = std::min(rect.left(), rect.right());
  const int right = std::max(rect.left(), rect.right());
  const int top = std::min(rect.top(), rect.bottom());
  const int bottom = std::max(rect.top(), rect.bottom());
  const bool reverse = isRightToLeft();
  const QModelIndex from = indexAt(QPoint(reverse ? right : left, top));
  const QModelIndex to = indexAt(QPoint(reverse ? left : right, bottom));
  if (selectionModel() == nullptr || !from.isValid() || !to.isValid() ||
      !(from.flags() & Qt::ItemIsEnabled) || !(to.flags() & Qt::ItemIsEnabled))
    return;
  QItemSelection selection;
  if (const QItemSelectionRange range(from, to); !range.isEmpty()) selection.append(range);
  selectionModel()->select(selection, command);
}

QRegion FileTable::visualRegionForSelection(const QItemSelection& selection) const {
  QRegion region;
  const QRect inView = viewport()->rect();
  for (const QItemSelectionRange& range : selection) {
    if (range.parent() != rootIndex() || !range.isValid()) continue;
    const int top = rowViewportPosition(range.top());
    const int bottom = rowViewportPosition(range.bottom()) + rowHeight(range.bottom());
    int left = columnViewportPosition(range.left());
    int right = columnViewportPosition(range.right()) + columnWidth(range.right());
    if (isRightToLeft()) {
      left = columnViewportPosition(range.right());
      right = columnViewportPosition(range.left()) + columnWidth(range.left());
    }
    if (const QRect rect(QPoint(left, top), QPoint(right - 1, bottom - 1)); inView.intersects(rect))
      region += rect;
  }
  return region;
}

int FileTable::sizeHintForColumn(int column) const {
  if (model() == nullptr) return -1;
  ensurePolished();
  const int most = header_->resizeContentsPrecision();
  const int rows = Rows();
  const int top = std::max(0, rowAt(0));
  int bottom = rowAt(viewport()->height());
  if (!isVisible() || bottom == -1) bottom = rows - 1;
  QStyleOptionViewItem option;
  initViewItemOption(&option);
  int hint = 0;
  int done = 0;
  const auto take = [&](int row) {
    const QModelIndex index = model()->index(row, column, rootIndex());
    hint = std::max(hint, itemDelegateForIndex(index)->sizeHint(option, index).width());
    ++done;
  };
  int row = top;
  for (; row <= bottom; ++row) {
    take(row);
    if (done == most) break;
  }
  // Then rows above and below by turns.
  int above = top;
  int below = row - 1;
  if (most == 0) done = 0;
  while (done != most && (above > 0 || below < rows - 1)) {
    if ((done % 2 != 0 && above > 0) || below == rows - 1)
      take(--above);
    else
      take(++below);
  }
  return hint;
}

void FileTable::resizeColumnToContents(int column) {
  header_->resizeSection(column,
                         std::max(sizeHintForColumn(column), header_->sectionSizeHint(column)));
}

void FileTable::TellAccessible(const QModelIndex& index, QAccessible::Event event) {
  if (!QAccessible::isActive() || !index.isValid()) return;
  // The accessible table numbers its cells row by row, with no headers among them.
  QAccessibleEvent told(this, event);
  told.setChild(index.row() * index.model()->columnCount(rootIndex()) + index.column());
  QAccessible::updateAccessibility(&told);
}

void FileTable::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  TellAccessible(current, QAccessible::Focus);
  QAbstractItemView::currentChanged(current, previous);
}

void FileTable::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) {
  // The first cell of each: a range's cells are not listed one by one.
  TellAccessible(selected.isEmpty() ? QModelIndex() : QModelIndex(selected.front().topLeft()),
                 QAccessible::SelectionAdd);
  TellAccessible(deselected.isEmpty() ? QModelIndex() : QModelIndex(deselected.front().topLeft()),
                 QAccessible::SelectionRemove);
  QAbstractItemView::selectionChanged(selected, deselected);
}

void FileTable::rowsInserted(const QModelIndex& parent, int start, int end) {
  QAbstractItemView::rowsInserted(parent, start, end);
  scheduleDelayedItemsLayout();
}

void FileTable::rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) {
  QAbstractItemView::rowsAboutToBeRemoved(parent, start, end);
  scheduleDelayedItemsLayout();
}

}  // namespace velmora::mainwindow
