#include "mainwindow/list_tools.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <algorithm>

#include "mainwindow/form_controls.h"

namespace velmora::mainwindow {

using catalogue::SortBy;
using catalogue::SortKey;

ListTools::ListTools(FileTable& list, FileListModel& model, catalogue::Browser& browser)
    : list_(list),
      model_(model),
      browser_(browser),
      find_(list, [this](const std::string& text) { browser_.SetFindText(text); }) {
  QHeaderView& header = *list_.horizontalHeader();
  header.setSectionsClickable(true);
  connect(&header, &QHeaderView::sectionClicked, this, &ListTools::HeaderClicked);
  connect(&model_, &FileListModel::Sorted, this, &ListTools::ShowHeader);
  KeepCurrentInPlace();
}

void ListTools::KeepCurrentInPlace() {
  connect(&model_, &QAbstractItemModel::layoutAboutToBeChanged, this, [this] {
    const QRect row = list_.visualRect(list_.currentIndex());
    currentTop_ = row.isValid() && list_.viewport()->rect().intersects(row) ? row.top() : -1;
  });
  connect(&model_, &QAbstractItemModel::layoutChanged, this, [this] {
    const QModelIndex current = list_.currentIndex();
    if (!current.isValid() || currentTop_ < 0) return;
    list_.doItemsLayout();  // the bar's range for the rows now
    // The bar counts rows, or pixels when the list scrolls by pixel.
    const int moved = list_.visualRect(current).top() - currentTop_;
    const int unit = list_.verticalScrollMode() == QAbstractItemView::ScrollPerItem
                         ? std::max(1, list_.rowHeight(current.row()))
                         : 1;
    QScrollBar& bar = *list_.verticalScrollBar();
    bar.setValue(bar.value() + moved / unit);
  });
}

void ListTools::ShowFind(const std::string& text) {
  if (text.empty()) return find_.Close();
  {
    const QSignalBlocker quiet(find_);
    find_.setText(QString::fromStdString(text));
  }
  find_.Open();
}

void ListTools::SetShown(Column column, bool on) {
  model_.SetShown(column, on);
  ShowHeader();
}

void ListTools::SetSort(SortBy by) {
  // The column showing the key: the one clicked, else the key's own.
  if (by.key != SortKeyOf(sortColumn_)) {
    sortColumn_ = Column::Path;
    for (const Column c : kExtraColumns)
      if (SortKeyOf(c) == by.key) sortColumn_ = c;
  }
  model_.SetSort(by);
  ShowHeader();
}

void ListTools::HeaderClicked(int section) {
  const auto& columns = model_.Columns();
  if (section < 0 || static_cast<std::size_t>(section) >= columns.size()) return;
  const Column column = columns[static_cast<std::size_t>(section)];
  const SortBy now = model_.Sort();
  SortBy next{SortKeyOf(column), false};
  if (column == sortColumn_ && now.key != SortKey::None)
    next = now.descending ? SortBy{} : SortBy{now.key, true};
  sortColumn_ = column;
  SetSort(next);
}

void ListTools::ShowHeader() {
  QHeaderView& header = *list_.horizontalHeader();
  const auto& columns = model_.Columns();
  const bool more = columns.size() > 1;
  if (more && !header.isVisible()) header.resizeSection(0, list_.viewport()->width() / 3);
  header.setVisible(more);
  const int em = list_.fontMetrics().averageCharWidth();
  for (std::size_t k = 1; k < columns.size(); ++k) {
    const int section = static_cast<int>(k);
    const int width = columns[k] == Column::Size || columns[k] == Column::Type ? 12 : 26;
    if (header.sectionSize(section) == header.defaultSectionSize())
      header.resizeSection(section, width * em);
  }
  const SortBy by = model_.Sort();
  const auto at = std::find(columns.begin(), columns.end(), sortColumn_);
  const bool indicated = by.key != SortKey::None && at != columns.end();
  header.setSortIndicatorShown(indicated);
  if (indicated)
    header.setSortIndicator(static_cast<int>(at - columns.begin()),
                            by.descending ? Qt::DescendingOrder : Qt::AscendingOrder);
}

std::vector<MenuItem> ListTools::MenuItems() {
  std::vector<MenuItem> columns;
  for (const Column c : kExtraColumns) {
    columns.push_back({QCoreApplication::translate("velmora", ColumnTitle(c)),
                       [this, c](bool on) { SetShown(c, on); }, true, model_.Shows(c)});
  }
  const SortBy now = model_.Sort();
  std::vector<MenuItem> sort;
  for (const auto& [name, key] :
       {std::pair{QT_TRANSLATE_NOOP("velmora", "Scan Order"), SortKey::None},
        std::pair{ColumnTitle(Column::Name), SortKey::Name},
        std::pair{ColumnTitle(Column::Folder), SortKey::Folder},
        std::pair{ColumnTitle(Column::Size), SortKey::Size},
        std::pair{ColumnTitle(Column::Modified), SortKey::Modified},
        std::pair{ColumnTitle(Column::Type), SortKey::Type}}) {
    sort.push_back({QCoreApplication::translate("velmora", name),
                    [this, k = key, down = now.descending](bool) {
                      SetSort({k, k != SortKey::None && down});
                    },
                    true, now.key == key});
  }
  sort.emplace_back();
  sort.push_back({QCoreApplication::translate("velmora", "Descending"),
                  [this, now](bool on) {
                    SetSort({now.key, on});
                  },
                  now.key != SortKey::None, now.descending});
  MenuItem columnsMenu(QCoreApplication::translate("velmora", "Columns"), {});
  columnsMenu.items = std::move(columns);
  MenuItem sortMenu(QCoreApplication::translate("velmora", "Sort By"), {});
  sortMenu.items = std::move(sort);
  return {{QCoreApplication::translate("velmora", "Find…"), [this](bool) { OpenFind(); }, true,
           std::nullopt, QKeySequence(QKeySequence::Find)},
          std::move(columnsMenu),
          std::move(sortMenu)};
}

ListToolsState ListTools::State() const {
  ListToolsState state;
  for (std::size_t k = 0; k < std::size(kExtraColumns); ++k)
    if (model_.Shows(kExtraColumns[k])) state.columns |= 1U << k;
  state.sort = model_.Sort();
  return state;
}

void ListTools::Restore(const ListToolsState& state) {
  for (std::size_t k = 0; k < std::size(kExtraColumns); ++k)
    SetShown(kExtraColumns[k], (state.columns >> k & 1U) != 0);
  SetSort(state.sort);
}

}  // namespace velmora::mainwindow
