#include "mainwindow/form_menus.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QMenu>
#include <QMimeData>
#include <algorithm>
#include <iterator>

#include "mainwindow/form_controls.h"
#include "platform/files.h"
#include "widgets/chip_container.h"
#include "widgets/tag_bar.h"
#include "widgets/tag_panel.h"

namespace velmora::mainwindow {

void CopyPaths(const std::vector<std::string>& paths) {
  QByteArray bytes;
  for (const std::string& path : paths) bytes += QByteArray::fromStdString(path) + '\n';
  bytes.chop(1);
  auto* text = new QMimeData;
  text->setData(QStringLiteral("text/plain"), bytes);
  QApplication::clipboard()->setMimeData(text);
}

QKeySequence CopyPathKey() { return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C); }

void CopyChosenPaths(const fileops::FileListHost& files) {
  std::vector<std::string> paths;
  for (const std::size_t row : files.SelectedEntries()) paths.push_back(files.Entry(row));
  if (!paths.empty()) CopyPaths(paths);
}

QPoint KeyboardMenuSpot(QWidget& w) {
  if (auto* view = qobject_cast<QAbstractItemView*>(&w)) {
    const QRect row = view->visualRect(view->currentIndex());
    if (row.isValid() && view->viewport()->rect().intersects(row))
      return {row.left() + std::min(row.width() / 2, 40), row.center().y()};
  } else if (auto* chips = qobject_cast<widgets::ChipContainer*>(&w)) {
    if (const long chip = chips->FocusedChip(); chip >= 0)
      return chips->ChipRect(static_cast<std::size_t>(chip)).center().toPoint();
  } else {
    return w.rect().center();
  }
  return {4, 4};
}

static void AddItems(QMenu& menu, QWidget& parent, const std::vector<MenuItem>& items) {
  for (const MenuItem& item : items) {
    if (item.text.isEmpty()) {
      menu.addSeparator();
      continue;
    }
    if (!item.items.empty()) {
      QMenu* sub = menu.addMenu(item.text);
      sub->menuAction()->setEnabled(item.enabled);
      AddItems(*sub, parent, item.items);
      continue;
    }
    QAction* action = menu.addAction(item.text);
    action->setEnabled(item.enabled);
    if (!item.key.isEmpty()) {
      action->setShortcut(item.key);
      action->setShortcutContext(Qt::WidgetShortcut);  // the window's own key does it outside
      action->setShortcutVisibleInContextMenu(true);
    }
    action->setCheckable(item.checked.has_value());
    action->setChecked(item.checked.value_or(false));
    QObject::connect(action, &QAction::triggered, &parent, item.action);
  }
}

void PopUpMenu(QWidget& parent, const char* name, QPoint global,
               const std::vector<MenuItem>& items) {
  QMenu menu(&parent);
  menu.setObjectName(QString::fromLatin1(name));
  AddItems(menu, parent, items);
  menu.exec(global);
}

void ShowFileMenu(QAbstractItemView& list, QPoint at, const fileops::FileListHost& files,
                  desktop::Shell& shell, const FileMenuActions& actions) {
  const QModelIndex index = list.indexAt(at);
  if (index.isValid() && !list.selectionModel()->isSelected(index)) {
    list.selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  }
  const bool any = list.selectionModel()->hasSelection();
  using FC = fileops::FileCommands;
  const auto command = [&actions](void (FC::*c)()) {
    return [run = actions.command, c](bool) { run(c); };
  };
  const auto openFolder = [&files, &shell](bool) {
    if (const std::string file = files.CurrentEntry(); !file.empty())
      (void)shell.OpenDocument(platform::ParentFolder(file));
  };
  const auto copyPaths = [&files](bool) { CopyChosenPaths(files); };
  const std::nullopt_t plain = std::nullopt;
  MenuItem openWith(QCoreApplication::translate("velmora", "Open With"), {}, any);
  const auto apps = any ? actions.applications() : std::vector<desktop::Application>{};
  for (const desktop::Application& app : apps) {
    openWith.items.push_back({QString::fromStdString(app.name).replace(u'&', QStringLiteral("&&")),
                              [run = actions.openWith, app](bool) { run(app); }});
    if (app.byDefault && apps.size() > 1) openWith.items.emplace_back();
  }
  if (!openWith.items.empty()) openWith.items.emplace_back();
  openWith.items.push_back({QCoreApplication::translate("velmora", "Other Application…"),
                            [run = actions.openWith](bool) { run(std::nullopt); }});
  std::vector<MenuItem> items{
      {QCoreApplication::translate("velmora", "Open"), command(&FC::Open), any, plain,
       QKeySequence(Qt::Key_Return)},
      std::move(openWith),
      {QCoreApplication::translate("velmora", "Open Containing Folder"), openFolder, any},
      {QCoreApplication::translate("velmora", "Copy Path"), copyPaths, any, plain, CopyPathKey()},
      {},
      {QCoreApplication::translate("velmora", "Copy To"), command(&FC::CopyTo), any},
      {QCoreApplication::translate("velmora", "Move To"), command(&FC::MoveTo), any},
      {QCoreApplication::translate("velmora", "Rename"), command(&FC::Rename), any, plain,
       QKeySequence(Qt::Key_F2)},
      {QCoreApplication::translate("velmora", "Add Tag to Names…"), command(&FC::AddTagToNames),
       any},
      {QCoreApplication::translate("velmora", "Delete"), command(&FC::Delete), any, plain,
       QKeySequence(QKeySequence::Delete)},
      {actions.undo.empty() ? QCoreApplication::translate("velmora", "Undo")
                            : QString::fromStdString(actions.undo),
       command(&FC::Undo), !actions.undo.empty(), plain, QKeySequence(QKeySequence::Undo)},
      {},
      {QCoreApplication::translate("velmora", "Show Count in Status Line"), actions.showCount, true,
       actions.countShown}};
  if (!actions.more.empty()) items.emplace_back();
  items.insert(items.end(), actions.more.begin(), actions.more.end());
  PopUpMenu(list, "mnuFiles", list.viewport()->mapToGlobal(at), items);
}

// The own entries of the chip at at in chips, when there is one and it has any.
static std::vector<MenuItem> ChipEntries(const widgets::ChipContainer& chips, QPoint at,
                                         const ChipItems& chipItems) {
  const long chip = chips.ChipAt(at);
  if (chip < 0 || !chipItems) return {};
  return chipItems(chips.TextAt(static_cast<std::size_t>(chip)));
}

void ShowPanelMenu(widgets::TagPanel& panel, QPoint at, catalogue::Browser& browser,
                   const ChipItems& chipItems) {
  std::vector<MenuItem> items;
  if (const long chip = panel.ChipAt(at); chip >= 0) {
    const std::string text = panel.TextAt(static_cast<std::size_t>(chip));
    items.push_back({QCoreApplication::translate("velmora", "Exclude “%1”").arg(ShownText(text)),
                     [&panel, &browser, text](bool) {
                       // Unless live changes took it from the panel meanwhile.
                       if (panel.Holds(text))
                         browser.AddBarTag(text, catalogue::TagKind::Auto, true);
                     }});
    const std::vector<MenuItem> own = ChipEntries(panel, at, chipItems);
    items.insert(items.end(), own.begin(), own.end());
    items.emplace_back();
  }
  using catalogue::ChipOrder;
  for (const auto& [name, order] :
       {std::pair{QT_TRANSLATE_NOOP("velmora", "First Seen"), ChipOrder::FirstSeen},
        std::pair{QT_TRANSLATE_NOOP("velmora", "A to Z"), ChipOrder::Name},
        std::pair{QT_TRANSLATE_NOOP("velmora", "Most Files First"), ChipOrder::Count}}) {
    items.push_back({QCoreApplication::translate("velmora", name),
                     [&browser, o = order](bool) { browser.SetOrder(o); }, true,
                     browser.Order() == order});
  }
  items.emplace_back();
  items.push_back({QCoreApplication::translate("velmora", "Tags from Folder Names"),
                   [&browser](bool on) { browser.SetFolderWords(on); }, true,
                   browser.FolderWords()});
  items.push_back({QCoreApplication::translate("velmora", "Keep Digits in Tags"),
                   [&browser](bool on) { browser.SetKeepDigits(on); }, true, browser.KeepDigits()});
  PopUpMenu(panel, "mnuTags", panel.mapToGlobal(at), items);
}

void ShowBarMenu(widgets::TagBar& bar, QPoint at, catalogue::Browser& browser,
                 const std::vector<MenuItem>& more, const ChipItems& chipItems) {
  std::vector<MenuItem> items = ChipEntries(bar, at, chipItems);
  if (!items.empty()) items.emplace_back();
  items.insert(items.end(),
               {{QCoreApplication::translate("velmora", "Keep Filter After Commands"),
                 [&browser](bool on) { browser.SetKeepFilter(on); }, true, browser.KeepFilter()},
                {QCoreApplication::translate("velmora", "Match Whole Tags"),
                 [&browser](bool on) { browser.SetWholeTags(on); }, true, browser.WholeTags()}});
  if (!more.empty()) items.emplace_back();
  items.insert(items.end(), more.begin(), more.end());
  PopUpMenu(bar, "mnuFilter", bar.mapToGlobal(at), items);
}

}  // namespace velmora::mainwindow
