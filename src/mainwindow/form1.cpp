#include "mainwindow/form1.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDropEvent>
#include <QEvent>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QShortcut>
#include <utility>

#include "catalogue/folder_edits.h"
#include "catalogue/user_tags.h"
#include "desktop/queued_call.h"
#include "mainwindow/form_controls.h"
#include "mainwindow/form_layout.h"
#include "mainwindow/form_menus.h"
#include "mainwindow/preview_tips.h"
#include "mainwindow/window_state.h"
#include "platform/files.h"
#include "platform/visible_text.h"
#include "platform/words.h"
#include "widgets/tag_panel.h"
#include "widgets/twips.h"

static void InitIcons() { Q_INIT_RESOURCE(icons); }

namespace velmora::mainwindow {

using widgets::TwipsToWholePixels;

Form1::Form1(FormSettings settings, desktop::Shell& shell, QWidget* parent)
    : QWidget(parent),
      settings_(std::move(settings)),
      shell_(shell),
      browser_(settings_.storeFile, *this,
               [this] {
                 if (pollQueued_.exchange(true)) return;
                 desktop::QueueCall(this, [this] {
                   pollQueued_ = false;  // before the poll takes, so a later post wakes again
                   browser_.Poll();
                   SayCount();
                 });
               }),
      files_(browser_, this),
      placement_(*this),
      folders_(
          browser_,
          {// While another program holds the list, the window paints and takes in its
           // loads; no command of the user's comes in meanwhile.
           .meanwhile =
               [] {
                 QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents |
                                                 QEventLoop::ExcludeSocketNotifiers);
               },
           .changed = [this] { ShowStore(); },
           .show = [this](std::size_t i) { ui_.lstFolders->setCurrentRow(static_cast<int>(i)); },
           .report = [this](const std::string& text) { ShowError(text); },
           .undoable =
               [this](const std::string& words, std::function<void()> undo) {
                 commands_.HoldUndo(words, std::move(undo));
               }}),
      listed_(ui_, files_, browser_, [this](const std::string& text) { SetStatus(text); }),
      commands_(listed_, shell),
      tags_(browser_, ui_, [this] { SayCount(); }),
      searches_(settings_.searchesFile, shell.dialogs(),
                {.shown = [this] { return ShownSearch(); },
                 .apply = [this](const catalogue::SavedSearch& s) { ApplySearch(s); }}) {
  setObjectName(QStringLiteral("Form1"));
  setFont(Arial(9));
  InitIcons();
  setWindowIcon(AppIcon());
  resize(TwipsToWholePixels(kFullClientWidth), TwipsToWholePixels(kFullClientHeight));
  CreateControls();
  ConnectFolders();
  ConnectTags();
  ConnectFiles();
  ConnectCommands();
  Form_Load();
}

Form1::~Form1() = default;

void Form1::CreateControls() {
  ui_ = MakeControls(*this);
  statusWidth_ = ui_.lblStatus->width();
  ui_.vScroll1->setSingleStep(widgets::TagPanel::kRowHeight);
  ui_.lstFolders->setSelectionMode(QAbstractItemView::SingleSelection);
  ui_.lstFiles->setModel(&files_);
  connect(&files_, &FileListModel::modelReset, this, &Form1::SayCount);
  connect(&files_, &FileListModel::rowsInserted, this, &Form1::SayCount);
  connect(&files_, &FileListModel::rowsRemoved, this, &Form1::SayCount);
  tools_ = std::make_unique<ListTools>(*ui_.lstFiles, files_, browser_);
}

QAbstractButton* Form1::Button(const char* name) const {
  return findChild<QAbstractButton*>(QString::fromLatin1(name));
}

void Form1::ConnectFolders() {
  connect(ui_.label8, &ClickLabel::clicked, this,
          [this] { (void)shell_.OpenDocument(settings_.creditTarget); });
  connect(Button("cmdAddFolder"), &QPushButton::clicked, this, &Form1::cmdAddFolder_Click);
  connect(Button("cmdRemoveFolder"), &QPushButton::clicked, this,
          [this] { folders_.RemoveShown(); });
  connect(ui_.lstFolders, &QListWidget::itemSelectionChanged, this, [this] {
    ++selectionChanges_;
    lstFolders_Click();
  });
  // A click on the folder already selected loads it again; folders dropped come in.
  ui_.lstFolders->viewport()->installEventFilter(this);
  ui_.lstFolders->setAcceptDrops(true);
  connect(ui_.lstFolders, &QListWidget::itemClicked, this, [this] {
    if (selectionChanges_ == selectionChangesAtPress_) lstFolders_Click();
  });
  ui_.lstFolders->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(ui_.lstFolders, &QWidget::customContextMenuRequested, this, [this](QPoint at) {
    PopUpMenu(*ui_.lstFolders, "mnuFolders", ui_.lstFolders->mapToGlobal(at),
              {{QCoreApplication::translate("velmora", "All Folders Together"),
                [this](bool on) { ShowAllFolders(on); }, true, browser_.ShowsAll()}});
  });
}

void Form1::ConnectTags() {
  for (const auto& [radio, mode] : {std::pair{ui_.optTagAll, catalogue::MatchMode::All},
                                    std::pair{ui_.optTagAny, catalogue::MatchMode::Any}}) {
    connect(radio, &QRadioButton::clicked, this, [this, m = mode] {
      browser_.SetMode(m);
      SayCount();
    });
  }
  connect(ui_.chkAutoTags, &QCheckBox::clicked, this,
          [this](bool checked) { browser_.SetAutoTags(checked); });
  connect(ui_.cmdAddUserTag, &QPushButton::clicked, this, &Form1::cmdAddUserTag_Click);
  // The wheel moves the tag panel through its scroll bar, so the scroll rule holds.
  ui_.oTagPanel->installEventFilter(this);
  ui_.picTagPanel->installEventFilter(this);
  tags_.Connect(*this);
  if (!settings_.searchesFile.empty()) tags_.SetBarMenuMore([this] { return searches_.Items(); });
  tags_.SetChipItems([this](const std::string& chip) {
    std::vector<MenuItem> items = UserTagItems(chip);
    items.push_back(
        {tr("Remove Tag from Names…"), [this, chip](bool) { commands_.RemoveTagFromNames(chip); }});
    items.push_back(
        {tr("Rename Tag in Names…"), [this, chip](bool) { commands_.RenameTagInNames(chip); }});
    return items;
  });
}

void Form1::ConnectFiles() {
  using fileops::FileCommands;
  connect(ui_.lstFiles, &QAbstractItemView::doubleClicked, this,
          [this] { Command(&FileCommands::Open); });
  ui_.lstFiles->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(ui_.lstFiles, &QWidget::customContextMenuRequested, this, &Form1::ShowFileMenu);
  new PreviewTips(*ui_.lstFiles, files_, ui_.lstFiles);  // pictures' thumbnails in the tips
}

void Form1::ConnectCommands() {
  using fileops::FileCommands;
  connect(ui_.chkAll, &QCheckBox::clicked, this,
          [this](bool checked) { commands_.SelectAll(checked); });
  for (const auto& [name, command] :
       {std::pair{"cmdOpen", &FileCommands::Open}, std::pair{"cmdCopy", &FileCommands::CopyTo},
        std::pair{"cmdMove", &FileCommands::MoveTo}, std::pair{"cmdRename", &FileCommands::Rename},
        std::pair{"cmdDelete", &FileCommands::Delete}}) {
    connect(Button(name), &QPushButton::clicked, this, [this, c = command] { Command(c); });
  }
  // The keys of a file manager, on the list; Esc stops a load anywhere in the window.
  const auto onKey = [this](QKeySequence key, QWidget* on, auto action) {
    connect(new QShortcut(key, on, nullptr, nullptr, Qt::WidgetWithChildrenShortcut),
            &QShortcut::activated, this, action);
  };
  onKey(QKeySequence(Qt::Key_Return), ui_.lstFiles, [this] { Command(&FileCommands::Open); });
  onKey(QKeySequence(Qt::Key_Enter), ui_.lstFiles, [this] { Command(&FileCommands::Open); });
  onKey(QKeySequence(Qt::Key_Delete), ui_.lstFiles, [this] { Command(&FileCommands::Delete); });
  onKey(QKeySequence(Qt::Key_F2), ui_.lstFiles, [this] { Command(&FileCommands::Rename); });
  // A file command is taken back from the file list; a change of the folder list from
  // anywhere in the window.
  onKey(QKeySequence(QKeySequence::Undo), this, [this] {
    if (commands_.HoldsOtherUndo() || ui_.lstFiles->isAncestorOf(focusWidget()) ||
        ui_.lstFiles == focusWidget())
      Command(&FileCommands::Undo);
  });
  onKey(QKeySequence(Qt::Key_Escape), this, [this] { browser_.Stop(); });
  onKey(QKeySequence::Find, this, [this] { tools_->OpenFind(); });
  onKey(CopyPathKey(), ui_.lstFiles, [this] { CopyChosenPaths(listed_); });
  // A control's menu from the keyboard, where the focus is.
  for (const QKeySequence& key :
       {QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)})
    onKey(key, this, [this] { OpenMenuByKey(); });
}

void Form1::OpenMenuByKey() {
  QWidget* focus = QApplication::focusWidget();
  if (focus == nullptr || !isAncestorOf(focus)) return;
  const QPoint at = KeyboardMenuSpot(*focus);
  if (focus->contextMenuPolicy() == Qt::CustomContextMenu) {
    emit focus->customContextMenuRequested(at);
  } else {
    QContextMenuEvent event(QContextMenuEvent::Keyboard, at, focus->mapToGlobal(at));
    QApplication::sendEvent(focus, &event);
  }
}

void Form1::Form_Load() {
  if (const platform::Status status = browser_.OpenStore(); !status.ok()) {
    // Every save reads the file first, so it is never written while it cannot be read.
    ShowError(platform::Fill(
        platform::Tr("velmora", "%1\nFolder changes cannot be saved while it cannot be read."),
        {status.message()}));
  }
  if (const std::string refused =
          catalogue::RefusedRecordsText(settings_.storeFile, Store().Refused());
      !refused.empty())
    ShowError(refused);
  ShowStore();
  setWindowTitle(QString::fromLatin1(desktop::kTitle));
  ui_.lstFolders->setFocus();  // where a person starts: choosing a folder
}

void Form1::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  placement_.Shown();
}

void Form1::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  placement_.FrameCheck();
}

void Form1::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  placement_.Resized();
}

void Form1::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange) placement_.Resized();
  if (event->type() == QEvent::ActivationChange) placement_.FrameCheck();
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (watched == ui_.lstFolders->viewport() && type == QEvent::MouseButtonPress) {
    selectionChangesAtPress_ = selectionChanges_;
  }
  // The wheel moves the tag panel through its scroll bar, so the scroll rule holds.
  if (watched != ui_.lstFolders->viewport() && type == QEvent::Wheel) {
    QCoreApplication::sendEvent(ui_.vScroll1, event);
    return true;
  }
  if (watched == ui_.lstFolders->viewport() &&
      (type == QEvent::DragEnter || type == QEvent::DragMove || type == QEvent::Drop)) {
    folders_.Add(TakeFolderDrop(*static_cast<QDropEvent*>(event)), true);
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

int Form1::SelectedFolder() const {
  const auto selected = ui_.lstFolders->selectedItems();
  return selected.isEmpty() ? -1 : ui_.lstFolders->row(selected.front());
}

void Form1::ShowStatus() { SetStatusText(*ui_.lblStatus, status_.Text(), statusWidth_); }

void Form1::SetStatus(const std::string& text) {
  status_.Say(ShownText(text));
  ShowStatus();
}

void Form1::Command(void (fileops::FileCommands::*command)()) {
  // A load goes on meanwhile: the command took its files' paths before it asks anything,
  // and reads the folder again once it changed files.
  (commands_.*command)();
}

void Form1::lstFolders_Click() {
  const int i = SelectedFolder();
  if (i < 0) return;
  applied_.reset();
  setWindowTitle(Caption(Store().Path(static_cast<std::size_t>(i))));
  browser_.Show(static_cast<std::size_t>(i));
  ui_.lblHelp->show();
}

void Form1::ShowAllFolders(bool on) {
  {
    const QSignalBlocker quiet(ui_.lstFolders);
    ui_.lstFolders->clearSelection();
    ui_.lstFolders->setCurrentRow(-1);
  }
  applied_.reset();
  if (!on) {
    setWindowTitle(QString::fromLatin1(desktop::kTitle));
    return browser_.Show(Store().size());
  }
  browser_.ShowAll();
  ShowCaption();
  ui_.lblHelp->show();
}

void Form1::ChipsReset() {
  tags_.Reset();
  ui_.cmdAddUserTag->setVisible(browser_.ShownPath().has_value());
}

void Form1::ProgressChanged(const catalogue::LoadProgress& progress) {
  const bool ended = status_.Loading() && !progress.loading;
  // A load that emptied the filter let go of the text looked for too.
  if (std::exchange(load_, progress.load) != progress.load && browser_.FindText().empty())
    tools_->CloseFind();
  status_.Progress(progress, ShownText(browser_.ShownPath().value_or(std::string())));
  SayCount();
  if (progress.loading) return;
  tags_.LoadEnded();
  files_.Announce();
  if (ended) emit LoadEnded();
}

void Form1::cmdAddFolder_Click() {
  // The window stays usable while the picker is open; the folder comes when chosen, as a
  // new entry even when it is listed already, and is not shown.
  shell_.PickFolderLater(platform::Tr("velmora", "Select a folder"), listed_.Folder(),
                         [self = QPointer<Form1>(this)](const std::string& path) {
                           if (self) self->folders_.Add({path}, false);
                         });
}

void Form1::OpenFolders(const std::vector<std::string>& paths, const std::string& refused) {
  folders_.Open(paths, refused);
}

void Form1::cmdAddUserTag_Click() {
  const std::optional<catalogue::RecordKey> key = folders_.Shown();
  if (!key) return;
  // Spelled so, prompt and title alike, as users of the program have always seen it; the
  // accessibility test pins it.
  const std::string tag =
      shell_.dialogs().Input(platform::Tr("velmora", "Input User Definded Tag"),
                             platform::Tr("velmora", "Input User Definded Tag"), "");
  if (!tag.empty()) folders_.AddUserTag(*key, tag);
}

std::vector<MenuItem> Form1::UserTagItems(const std::string& chip) {
  const std::optional<catalogue::RecordKey> key = folders_.Shown();
  if (!key) return {};
  const std::optional<std::string> tag =
      catalogue::UserTagOf(Store().UserTags(browser_.ShownRecord()), chip);
  if (!tag) return {};
  return {
      {tr("Rename Tag\u2026"),
       [this, k = *key, t = *tag](bool) {
         const std::string to = shell_.dialogs().Input(
             tr("New name of the tag \u201C%1\u201D:").arg(ShownText(t)).toStdString(),
             tr("Rename Tag").toStdString(), t);
         if (!to.empty()) folders_.ChangeUserTag(k, t, to);
       }},
      {tr("Remove Tag"), [this, k = *key, t = *tag](bool) { folders_.ChangeUserTag(k, t, {}); }}};
}

void Form1::ShowStore() {
  const QSignalBlocker quiet(ui_.lstFolders);
  ShowRecords(Store(), *ui_.lstPaths, *ui_.lstFolders, *ui_.lstUserTags);
  if (browser_.ShownRecord() < Store().size())
    ui_.lstFolders->setCurrentRow(static_cast<int>(browser_.ShownRecord()));
}

void Form1::ShowError(const std::string& text) {
  shell_.dialogs().ShowError(text, desktop::kTitle);
}

void Form1::ShowFileMenu(const QPoint& at) {
  mainwindow::ShowFileMenu(
      *ui_.lstFiles, at, listed_, shell_,
      {.command = [this](void (fileops::FileCommands::*command)()) { Command(command); },
       .undo = commands_.UndoText(),
       .countShown = status_.ShowsCount(),
       .showCount =
           [this](bool show) {
             status_.SetShowCount(show);
             ShowStatus();
           },
       .more = tools_->MenuItems(),
       .applications = [this] { return commands_.Applications(); },
       .openWith =
           [this](const std::optional<desktop::Application>& app) { commands_.OpenWith(app); }});
}

std::optional<catalogue::SavedSearch> Form1::ShownSearch() const {
  if (!browser_.ShownPath() && !browser_.ShowsAll()) return std::nullopt;
  catalogue::SavedSearch search = applied_.value_or(catalogue::SavedSearch());
  search.folder = browser_.ShownPath().value_or(std::string());
  search.allFolders = browser_.ShowsAll();
  search.tags = browser_.Bar();
  search.mode = browser_.Mode();
  search.wholeTags = browser_.WholeTags();
  search.keepDigits = browser_.KeepDigits();
  search.folderWords = browser_.FolderWords();
  search.find = browser_.FindText();
  search.sort = tools_->State().sort;
  return search;
}

void Form1::ApplySearch(const catalogue::SavedSearch& search) {
  const std::size_t record = search.allFolders ? Store().size() : Store().Find(search.folder);
  if (record == Store().size() && !search.allFolders) {
    return ShowError(platform::Fill(
        platform::Tr("velmora",
                     "The folder %1 of the search “%2” is not in the folder list any more."),
        {search.folder, platform::VisibleText(search.name)}));
  }
  {
    const QSignalBlocker quiet(ui_.lstFolders);
    ui_.lstFolders->clearSelection();
    ui_.lstFolders->setCurrentRow(search.allFolders ? -1 : static_cast<int>(record));
  }
  (search.mode == catalogue::MatchMode::Any ? ui_.optTagAny : ui_.optTagAll)->setChecked(true);
  browser_.ShowWith(record, {search.tags, search.mode, search.wholeTags, search.find,
                             search.keepDigits ? catalogue::Digits::Keep : catalogue::Digits::Split,
                             search.folderWords, search.allFolders});
  tools_->SetSort(search.sort);  // the new rows, not the folder shown before
  tools_->ShowFind(search.find);
  ui_.lblHelp->show();
  applied_ = search;
  ShowCaption();
}

void Form1::ShowCaption() {
  const std::optional<std::string> path = browser_.ShownPath();
  const bool all = browser_.ShowsAll();
  if (applied_ &&
      (all != applied_->allFolders || (!all && path != applied_->folder) ||
       browser_.Bar() != applied_->tags || browser_.Mode() != applied_->mode ||
       browser_.FindText() != applied_->find || browser_.WholeTags() != applied_->wholeTags))
    applied_.reset();
  if (!path && !all) return;
  QString caption =
      path ? Caption(*path) : QCoreApplication::translate("velmora", "Velmora - All Folders");
  if (applied_)
    caption = QCoreApplication::translate("velmora", "%1 — search %2")
                  .arg(caption, ShownText(applied_->name));
  if (caption != windowTitle()) setWindowTitle(caption);
}

void Form1::SayCount() {
  if (applied_) ShowCaption();
  status_.Count(browser_.RowCount(), browser_.FileCount());
  status_.SetAll(browser_.ShowsAll());
  // Over the list's blank; a row's tooltip adds the count to the path.
  QString tip = status_.CountText();
  if (const std::uint32_t every = browser_.Progress().recheck; every > 0)
    tip += QCoreApplication::translate("velmora", "\nChanges made elsewhere are checked every %1 s")
               .arg(every);
  if (tip != ui_.lstFiles->toolTip()) {
    ui_.lstFiles->setToolTip(tip);
    ui_.lstFiles->setAccessibleDescription(tip);
  }
  ShowStatus();
}

void Form1::RestoreState(bool folder) {
  const std::optional<WindowState> state = ReadWindowState(settings_.stateFile);
  if (!state) return;
  // On the screen it was on; centred by the first show only when nothing was kept.
  if (restoreGeometry(QByteArray::fromStdString(state->geometry))) placement_.Restored();
  status_.SetShowCount(state->countInStatus);
  browser_.SetOrder(state->order);
  browser_.SetKeepFilter(state->keepFilter);
  browser_.SetWholeTags(state->wholeTags);
  browser_.SetKeepDigits(state->keepDigits);
  browser_.SetFolderWords(state->folderWords);
  tools_->Restore({state->columns, state->sort});
  if (folder && state->allFolders) return ShowAllFolders(true);
  const std::size_t record = Store().Find(state->folder);
  if (!folder || record == Store().size()) return;
  if (const platform::Status there = platform::IsFolder(state->folder);
      !there.ok() && !there.NotAFolder()) {
    connect(
        this, &Form1::LoadEnded, this,
        [this, path = state->folder] {
          status_.Note(ShownText(platform::Fill(
              platform::Tr("velmora", "The folder %1 is not there any more"), {path})));
          ShowStatus();
        },
        Qt::SingleShotConnection);
  }
  ui_.lstFolders->setCurrentRow(static_cast<int>(record));
}

void Form1::closeEvent(QCloseEvent* event) {
  const ListToolsState list = tools_->State();
  WriteWindowState(
      settings_.stateFile,
      {saveGeometry().toStdString(), browser_.Order(), browser_.KeepFilter(), status_.ShowsCount(),
       browser_.ShownPath().value_or(std::string()), list.columns, list.sort, browser_.WholeTags(),
       browser_.KeepDigits(), browser_.FolderWords(), browser_.ShowsAll()});
  QWidget::closeEvent(event);
}

}  // namespace velmora::mainwindow
