#include "mainwindow/form_menus.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>

#include "mainwindow/form_controls.h"
#include "platform/files.h"
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
  const auto copyPaths = [&files](bool) {
    std::vector<std::string> paths;
    for (const std::size_t row : files.SelectedEntries()) paths.push_back(files.Entry(row));
    CopyPaths(paths);
  };
  MenuItem openWith(QCoreApplication::translate("velmora", "Open With"), {}, any);
  const auto apps = any ? actions.applications() : std::vector<desktop::Application>{};
  for (const desktop::Application& app : apps) {
    openWith.items.push_back({QString::fromStdString(app.name).replace(u'&', QStringLiteral("&&")),
                              [run = actions.openWith, app](bool) { run(app); }});
    if (app.byDefault && apps.size() > 1) openWith.items.emplace_back();
  }
  if (!openWith.items.empty()) openWith.items.emplace_back();
  openWith.items.push_back({QCoreApplication::translate("velmora", "Other Application\u2026"),
                            [run = actions.openWith](bool) { run(std::nullopt); }});
  std::vector<MenuItem> items{
      {"Open", command(&FC::Open), any},
      std::move(openWith),
      {"Open Containing Folder", openFolder, any},
      {"Copy Path", copyPaths, any},
      {},
      {"Copy To", command(&FC::CopyTo), any},
      {"Move To", command(&FC::MoveTo), any},
      {"Rename", command(&FC::Rename), any},
      {"Delete", command(&FC::Delete), any},
      {actions.undo.empty() ? QStringLiteral("Undo") : QString::fromStdString(actions.undo),
       command(&FC::Undo), !actions.undo.empty()},
      {},
      {"Show Count in Status Line", actions.showCount, true, actions.countShown}};
  if (!actions.more.empty()) items.emplace_back();
  items.insert(items.end(), actions.more.begin(), actions.more.end());
  PopUpMenu(list, "mnuFiles", list.viewport()->mapToGlobal(at), items);
}

void ShowPanelMenu(widgets::TagPanel& panel, QPoint at, catalogue::Browser& browser) {
  std::vector<MenuItem> items;
  if (const long chip = panel.ChipAt(at); chip >= 0) {
    const std::string text = panel.TextAt(static_cast<std::size_t>(chip));
    items.push_back({QStringLiteral("Exclude \u201C%1\u201D").arg(ShownText(text)),
                     [&panel, &browser, text](bool) {
                       // Unless live changes took it from the panel meanwhile.
                       if (panel.Holds(text))
                         browser.AddBarTag(text, catalogue::TagKind::Auto, true);
                     }});
    items.emplace_back();
  }
  using catalogue::ChipOrder;
  for (const auto& [name, order] :
       {std::pair{"First Seen", ChipOrder::FirstSeen}, std::pair{"A to Z", ChipOrder::Name},
        std::pair{"Most Files First", ChipOrder::Count}}) {
    items.push_back({QString::fromLatin1(name),
                     [&browser, o = order](bool) { browser.SetOrder(o); }, true,
                     browser.Order() == order});
  }
  items.emplace_back();
  items.push_back({QStringLiteral("Tags from Folder Names"),
                   [&browser](bool on) { browser.SetFolderWords(on); }, true,
                   browser.FolderWords()});
  items.push_back({QStringLiteral("Keep Digits in Tags"),
                   [&browser](bool on) { browser.SetKeepDigits(on); }, true, browser.KeepDigits()});
  PopUpMenu(panel, "mnuTags", panel.mapToGlobal(at), items);
}

void ShowBarMenu(widgets::TagBar& bar, QPoint at, catalogue::Browser& browser,
                 const std::vector<MenuItem>& more) {
  std::vector<MenuItem> items{
      {"Keep Filter After Commands", [&browser](bool on) { browser.SetKeepFilter(on); }, true,
       browser.KeepFilter()},
      {"Match Whole Tags", [&browser](bool on) { browser.SetWholeTags(on); }, true,
       browser.WholeTags()}};
  if (!more.empty()) items.emplace_back();
  items.insert(items.end(), more.begin(), more.end());
  PopUpMenu(bar, "mnuFilter", bar.mapToGlobal(at), items);
}

}  // namespace velmora::mainwindow
