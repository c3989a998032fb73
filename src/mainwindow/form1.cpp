#include "mainwindow/form1.h"

#include <QAccessible>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDropEvent>
#include <QEvent>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTableView>
#include <algorithm>
#include <cmath>
#include <utility>

#include "catalogue/folder_load.h"
#include "catalogue/tags.h"
#include "mainwindow/form_controls.h"
#include "mainwindow/form_layout.h"
#include "platform/twips.h"
#include "platform/visible_text.h"
#include "widgets/chip_painter.h"
#include "widgets/tag_bar.h"
#include "widgets/tag_panel.h"

namespace velmora::mainwindow {

using platform::TwipsToWholePixels;

namespace {

constexpr int kDesignClientWidth = 12945;
constexpr int kDesignClientHeight = 8295;

}  // namespace

}  // namespace velmora::mainwindow

static void InitIcons() { Q_INIT_RESOURCE(icons); }

namespace velmora::mainwindow {

Form1::Form1(FormSettings settings, platform::Shell& shell, QWidget* parent)
    : QWidget(parent),
      settings_(std::move(settings)),
      shell_(shell),
      browser_(settings_.storeFile, *this,
               [this] {
                 QMetaObject::invokeMethod(
                     this,
                     [this] {
                       browser_.Poll();
                       SayCount();
                     },
                     Qt::QueuedConnection);
               }),
      files_(browser_, this),
      commands_(*this, shell) {
  setObjectName(QStringLiteral("Form1"));
  setFont(Arial(9));
  InitIcons();
  setWindowIcon(AppIcon());
  resize(TwipsToWholePixels(kDesignClientWidth), TwipsToWholePixels(kDesignClientHeight));
  CreateControls();
  Connect();
  Form_Load();
}

Form1::~Form1() = default;

void Form1::CreateControls() {
  CreateDesignedControls(*this);
  const auto get = [this]<class W>(W*& member, const char* name) {
    member = findChild<W*>(QString::fromLatin1(name));
  };
  get(picture1_, "Picture1");
  get(label8_, "Label8");
  get(optTagAll_, "optTagAll");
  get(optTagAny_, "optTagAny");
  get(chkAll_, "chkAll");
  get(chkAutoTags_, "chkAutoTags");
  get(lstUserTags_, "lstUserTags");
  get(cmdAddUserTag_, "cmdAddUserTag");
  get(picUserTags_, "picUserTags");
  get(vScroll2_, "VScroll2");
  get(oTagUser_, "oTagUser");
  get(picTagPanel_, "picTagPanel");
  get(vScroll1_, "VScroll1");
  get(oTagPanel_, "oTagPanel");
  get(picSelTags_, "picSelTags");
  get(oTagBar_, "oTagBar");
  get(lstPaths_, "lstPaths");
  get(lstFolders_, "lstFolders");
  get(lstFiles_, "lstFiles");
  get(lblHelp_, "lblHelp");
  get(lblStatus_, "lblStatus");
  statusWidth_ = lblStatus_->width();

  vScroll1_->setSingleStep(widgets::TagPanel::kRowHeight);
  lstFolders_->setSelectionMode(QAbstractItemView::SingleSelection);
  lstFiles_->setModel(&files_);
  connect(&files_, &FileListModel::modelReset, this, &Form1::SayCount);
  connect(&files_, &FileListModel::rowsInserted, this, &Form1::SayCount);
  connect(&files_, &FileListModel::rowsRemoved, this, &Form1::SayCount);
  oTagPanel_->installEventFilter(this);
  picTagPanel_->installEventFilter(this);
  lstFolders_->setAcceptDrops(true);
  lstFiles_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(lstFiles_, &QWidget::customContextMenuRequested, this, &Form1::ShowFileMenu);
  oTagPanel_->SetTipMore([this](const std::string& tag) {
    const std::optional<catalogue::TagHits> hits = browser_.Hits(tag);
    if (!hits) return QString();
    return QStringLiteral("\n%L1 %2 of the folder, %L3 of them listed")
        .arg(hits->all)
        .arg(hits->all == 1 ? QStringLiteral("file") : QStringLiteral("files"))
        .arg(hits->kept);
  });
  // The chip the keyboard moves to comes into sight, through the scroll bar.
  connect(oTagPanel_, &widgets::ChipContainer::CurrentChanged, this, [this](QRect chip) {
    const int shown = picTagPanel_->height();
    const int top = -oTagPanel_->y();
    const int to = chip.top() < top ? chip.top()
                   : chip.bottom() >= top + shown ? chip.bottom() + 1 - shown
                                                  : top;
    if (to != top) vScroll1_->setValue(static_cast<int>(std::ceil(platform::PixelsToTwips(to))));
  });
  for (QWidget* w : std::initializer_list<QWidget*>{oTagBar_, picSelTags_}) {
    w->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(w, &QWidget::customContextMenuRequested, this,
            [this, w](QPoint at) { ShowBarMenu(oTagBar_->mapFrom(w, at)); });
  }
  // The panel's menu, on its chips and on the white below them.
  for (QWidget* w : std::initializer_list<QWidget*>{oTagPanel_, picTagPanel_}) {
    w->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(w, &QWidget::customContextMenuRequested, this,
            [this, w](QPoint at) { ShowPanelMenu(oTagPanel_->mapFrom(w, at)); });
  }
}

void Form1::Connect() {
  panelTimer_.setSingleShot(true);
  panelTimer_.setInterval(150);
  connect(&panelTimer_, &QTimer::timeout, this, &Form1::RedrawPanel);
  const auto button = [this](const char* name) {
    return findChild<QAbstractButton*>(QString::fromLatin1(name));
  };
  connect(label8_, &ClickLabel::clicked, this,
          [this] { shell_.OpenDocument(settings_.creditTarget); });
  connect(optTagAll_, &QRadioButton::clicked, this,
          [this] { browser_.SetMode(catalogue::MatchMode::All);
            SayCount();
          });
  connect(optTagAny_, &QRadioButton::clicked, this,
          [this] { browser_.SetMode(catalogue::MatchMode::Any);
            SayCount();
          });
  connect(chkAutoTags_, &QCheckBox::clicked, this,
          [this](bool checked) { browser_.SetAutoTags(checked); });
  connect(cmdAddUserTag_, &QPushButton::clicked, this, &Form1::cmdAddUserTag_Click);
  connect(button("cmdAddFolder"), &QPushButton::clicked, this, &Form1::cmdAddFolder_Click);
  connect(button("cmdRemoveFolder"), &QPushButton::clicked, this, &Form1::cmdRemoveFolder_Click);
  connect(lstFolders_, &QListWidget::itemSelectionChanged, this, [this] {
    ++selectionChanges_;
    lstFolders_Click();
  });
  // A click on the folder already selected loads it again.
  lstFolders_->viewport()->installEventFilter(this);
  connect(lstFolders_, &QListWidget::itemClicked, this, [this] {
    if (selectionChanges_ == selectionChangesAtPress_) lstFolders_Click();
  });

  using fileops::FileCommands;
  connect(chkAll_, &QCheckBox::clicked, this,
          [this](bool checked) { commands_.SelectAll(checked); });
  for (const auto& [name, command] :
       {std::pair{"cmdOpen", &FileCommands::Open}, std::pair{"cmdCopy", &FileCommands::CopyTo},
        std::pair{"cmdMove", &FileCommands::MoveTo}, std::pair{"cmdRename", &FileCommands::Rename},
        std::pair{"cmdDelete", &FileCommands::Delete}}) {
    connect(button(name), &QPushButton::clicked, this, [this, c = command] { Command(c); });
  }
  connect(lstFiles_, &QTableView::doubleClicked, this, [this] { Command(&FileCommands::Open); });
  // The keys of a file manager, on the list; Esc stops a load anywhere in the window.
  const auto onKey = [this](QKeySequence key, QWidget* on, auto action) {
    connect(new QShortcut(key, on, nullptr, nullptr, Qt::WidgetWithChildrenShortcut),
            &QShortcut::activated, this, action);
  };
  onKey(QKeySequence(Qt::Key_Return), lstFiles_, [this] { Command(&FileCommands::Open); });
  onKey(QKeySequence(Qt::Key_Enter), lstFiles_, [this] { Command(&FileCommands::Open); });
  onKey(QKeySequence(Qt::Key_Delete), lstFiles_, [this] { Command(&FileCommands::Delete); });
  onKey(QKeySequence(Qt::Key_F2), lstFiles_, [this] { Command(&FileCommands::Rename); });
  onKey(QKeySequence(Qt::Key_Escape), this, [this] { browser_.Stop(); });

  // Ctrl with a click (or the panel's menu) puts the tag in the bar as one that excludes.
  for (auto* panel : {oTagPanel_, oTagUser_}) {
    connect(panel, &widgets::TagPanel::TagSelected, this, [this, panel](const std::string& text) {
      ToBar(text, panel == oTagPanel_ ? "auto" : "user",
            panel->ClickModifiers().testFlag(Qt::ControlModifier));
    });
  }
  connect(oTagBar_, &widgets::TagBar::TagSelected, this,
          [this](const std::string& text, const std::string& kind) {
            const std::string_view home_kind =
                widgets::IsExcluded(kind) ? std::string_view(kind).substr(4) : kind;
            widgets::TagPanel* home = home_kind == "auto"   ? oTagPanel_
                                      : home_kind == "user" ? oTagUser_
                                                            : nullptr;
            if (home != nullptr) {
              home->AddItem(text);
              home->Redraw();
            }
            browser_.RemoveBarTag(text);
            SayCount();
          });
  connect(oTagPanel_, &widgets::TagPanel::Resize, this,
          [this] { ApplyScrollRule(*oTagPanel_, *picTagPanel_, *vScroll1_, true); });
  connect(oTagUser_, &widgets::TagPanel::Resize, this,
          [this] { ApplyScrollRule(*oTagUser_, *picUserTags_, *vScroll2_, false); });
  // Dragging the thumb and each completed change both move the panel.
  connect(vScroll1_, &QScrollBar::valueChanged, this,
          [this](int value) { oTagPanel_->move(oTagPanel_->x(), -TwipsToWholePixels(value)); });
  connect(vScroll2_, &QScrollBar::valueChanged, this,
          [this](int value) { oTagUser_->move(oTagUser_->x(), -TwipsToWholePixels(value)); });
}

void Form1::Form_Load() {
  if (const platform::Status status = browser_.OpenStore(); !status.ok()) {
    // Every save reads the file first, so it is never written while it cannot be read.
    ShowError(status.message() + "\nFolder changes cannot be saved while it cannot be read.");
  }
  if (!Store().Refused().empty()) {
    std::string text = "These folders of " + settings_.storeFile +
                       " cannot be used; they stay in the file as they are:";
    for (const catalogue::RefusedRecord& r : Store().Refused()) text += "\n" + Describe(r);
    ShowError(text);
  }
  ShowStore();
  setWindowTitle(QString::fromLatin1(kAppTitle));
  lstFolders_->setFocus();  // where a person starts: choosing a folder
}

void Form1::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (centred_) return;
  centred_ = true;
  recentre_ = true;
  Centre();
}

void Form1::Centre() {
  // Cut to the screen first: a large scale must not leave the title bar out of reach.
  if (const QScreen* screen = this->screen()) {
    const QRect a = screen->availableGeometry();
    const Box place =
        FirstPlace({a.x(), a.y(), a.width(), a.height()}, width(), height(),
                   frameGeometry().width() - width(), frameGeometry().height() - height());
    resize(place.width, place.height);
    move(place.x, place.y);
  }
}

void Form1::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  FrameCheck();
}

void Form1::FrameCheck() {
  // A window manager's frame is known only once the window is up (no event tells when):
  // the layout, which measures the outer size, is made again by it, and the first
  // centring corrected.
  const QSize extra = frameGeometry().size() - size();
  if (extra == frameExtra_) return;
  frameExtra_ = extra;
  Form_Resize();
  if (std::exchange(recentre_, false)) Centre();
}

void Form1::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Form_Resize();
}

void Form1::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange) Form_Resize();
  if (event->type() == QEvent::ActivationChange) FrameCheck();
}

void Form1::Form_Resize() { ApplyResizeRule(*this); }

bool Form1::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (watched == lstFolders_->viewport() && type == QEvent::MouseButtonPress) {
    selectionChangesAtPress_ = selectionChanges_;
  }
  // The wheel moves the tag panel through its scroll bar, so the scroll rule holds.
  if (watched != lstFolders_->viewport() && type == QEvent::Wheel) {
    QCoreApplication::sendEvent(vScroll1_, event);
    return true;
  }
  if (watched == lstFolders_->viewport() &&
      (type == QEvent::DragEnter || type == QEvent::DragMove || type == QEvent::Drop)) {
    auto* drop = static_cast<QDropEvent*>(event);
    const std::vector<std::string> folders = DroppedFolders(*drop->mimeData());
    if (folders.empty()) return drop->ignore(), true;
    drop->acceptProposedAction();
    if (type == QEvent::Drop) AddFolders(folders, true);
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

int Form1::SelectedFolder() const {
  const auto selected = lstFolders_->selectedItems();
  return selected.isEmpty() ? -1 : lstFolders_->row(selected.front());
}

void Form1::ShowStatus() {
  const QString text = status_.Text();
  if (text == lblStatus_->text()) return;
  lblStatus_->setText(text);
  // Longer words run on to the right, over nothing; the design's width is the least.
  lblStatus_->resize(std::max(statusWidth_, lblStatus_->sizeHint().width()), lblStatus_->height());
  // Its text is its accessible name: screen readers hear each change.
  QAccessibleEvent changed(lblStatus_, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&changed);
}

void Form1::SetStatus(const std::string& text) {
  status_.Say(Show(text));
  ShowStatus();
}

std::vector<std::size_t> Form1::SelectedEntries() const {
  std::vector<std::size_t> rows;
  for (const QItemSelectionRange& range : lstFiles_->selectionModel()->selection()) {
    for (int row = range.top(); row <= range.bottom(); ++row)
      rows.push_back(static_cast<std::size_t>(row));
  }
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  return rows;
}

std::string Form1::Entry(std::size_t position) const {
  return files_.PathAt(static_cast<int>(position));
}

std::string Form1::CurrentEntry() const {
  const QModelIndex current = lstFiles_->currentIndex();
  return current.isValid() ? files_.PathAt(current.row()) : std::string();
}

void Form1::SelectAll(bool select) {
  if (select) {
    lstFiles_->selectAll();
  } else {
    lstFiles_->clearSelection();
  }
}

void Form1::ToBar(const std::string& text, const std::string& kind, bool excluded) {
  oTagBar_->AddItem(text, (excluded ? std::string(widgets::kExcludedKind) : "") + kind);
  oTagBar_->Redraw();
  browser_.AddBarTag(text, kind, excluded);
  SayCount();
}

void Form1::Command(void (fileops::FileCommands::*command)()) {
  browser_.Stop();
  status_.CommandStarted();
  (commands_.*command)();
  status_.CommandEnded();
}

void Form1::lstFolders_Click() {
  const int i = SelectedFolder();
  if (i < 0) return;
  setWindowTitle(Caption(Store().Path(static_cast<std::size_t>(i))));
  browser_.Show(static_cast<std::size_t>(i));
  lblHelp_->show();
}

void Form1::ChipsAdded(const std::vector<std::string>& chips) {
  for (const std::string& chip : chips) oTagPanel_->AddItem(chip);
  // While a folder loads, the panel is laid out (and scrolled) a few times a second,
  // not for every piece.
  if (!browser_.Progress().loading) return RedrawPanel();
  if (panelTimer_.isActive()) return;
  panelTimer_.start();
}

void Form1::RedrawPanel() {
  panelTimer_.stop();
  oTagPanel_->Redraw();
}

void Form1::ChipsReset() {
  oTagPanel_->Clear();
  panelTimer_.stop();
  ChipsAdded(browser_.PanelChips());
  oTagBar_->Clear();
  for (const catalogue::BarTag& tag : browser_.Bar())
    oTagBar_->AddItem(tag.text, (tag.excluded ? std::string(widgets::kExcludedKind) : "") + tag.kind);
  oTagBar_->Redraw();
  cmdAddUserTag_->setVisible(browser_.ShownPath().has_value());
}

void Form1::ProgressChanged(const catalogue::LoadProgress& progress) {
  const bool ended = status_.Loading() && !progress.loading;
  status_.Progress(progress, Show(browser_.ShownPath().value_or(std::string())));
  SayCount();
  if (progress.loading) return;
  if (panelTimer_.isActive()) RedrawPanel();
  files_.Announce();
  if (ended) emit LoadEnded();
}

void Form1::cmdAddFolder_Click() {
  // The window stays usable while the picker is open; the folder comes when chosen, as a
  // new entry even when it is listed already, and is not shown.
  shell_.PickFolderLater("Select a folder", Folder(),
                         [self = QPointer<Form1>(this)](const std::string& path) {
                           if (self) self->AddFolders({path}, false);
                         });
}

void Form1::OpenFolders(const std::vector<std::string>& paths, const std::string& refused) {
  if (committing_) return toOpen_.emplace_back(paths, refused), void();
  AddFolders(paths, true);
  if (!refused.empty()) ShowError(refused);
}

void Form1::AddFolders(const std::vector<std::string>& paths, bool showLast) {
  if (paths.empty()) return;
  std::string refused;
  Commit([&](catalogue::FolderStore& store) {
    refused.clear();
    for (const std::string& path : paths) {
      if (showLast && store.Find(path) < store.size()) continue;
      if (std::string why = store.Append(path, ""); !why.empty())
        refused += (refused.empty() ? "" : "\n") + platform::VisibleText(path) + ": " + why;
    }
    return std::string();
  });
  if (!refused.empty()) ShowError(refused);
  if (showLast) {
    const std::size_t last = Store().Find(paths.back());
    if (last < Store().size()) lstFolders_->setCurrentRow(static_cast<int>(last));
  }
}

namespace {

std::string NoLongerListed(const std::string& path) {
  return platform::VisibleText(path) + " is no longer in the folder list.";
}

}  // namespace

// The record shown is the one selected; in the file as it is now, it is the record of
// the same path and rank, if the file still has that many.
void Form1::cmdRemoveFolder_Click() {
  const std::size_t shown = browser_.ShownRecord();
  if (shown >= Store().size()) return;
  const catalogue::RecordKey key = Store().KeyOf(shown);
  // The browser stops reading it; nothing waits for its load.
  Commit([&](catalogue::FolderStore& store) {
    const std::size_t i = store.Find(key);
    if (i == store.size()) return NoLongerListed(key.path);
    store.Remove(i);
    return std::string();
  });
}

void Form1::cmdAddUserTag_Click() {
  const std::size_t shown = browser_.ShownRecord();
  if (shown >= Store().size()) return;
  const catalogue::RecordKey key = Store().KeyOf(shown);
  // Spelled as the design spells it, prompt and title alike; the accessibility test pins it.
  const std::string tag =
      shell_.dialogs().Input("Input User Definded Tag", "Input User Definded Tag", "");
  if (tag.empty()) return;
  if (tag.find_first_of("\r\n") != std::string::npos)
    return ShowError("A tag with a line break cannot be stored.");
  const std::string lower = catalogue::LowerCase(tag);
  oTagBar_->AddItem(lower, "auto");
  oTagBar_->Redraw();
  browser_.AddBarTag(lower, "auto");
  Commit([&](catalogue::FolderStore& store) {
    const std::size_t i = store.Find(key);
    if (i == store.size()) return NoLongerListed(key.path);
    const auto line = catalogue::WithUserTag(store.UserTags(i), tag);
    return line ? store.SetUserTags(i, *line) : std::string();
  });
}

void Form1::Commit(const std::function<std::string(catalogue::FolderStore&)>& change) {
  // While another program holds the list, the window paints and takes in its loads; no
  // command of the user's comes in meanwhile, and another start's folders wait.
  platform::LockWait wait;
  wait.meanwhile = [] {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents |
                                    QEventLoop::ExcludeSocketNotifiers);
  };
  committing_ = true;
  const platform::Status status = browser_.Commit(change, wait);
  committing_ = false;
  ShowStore();
  if (!status.ok()) ShowError(status.message());
  for (auto& [paths, refused] : std::exchange(toOpen_, {})) OpenFolders(paths, refused);
}

void Form1::ShowStore() {
  const catalogue::FolderStore& store = Store();
  const QSignalBlocker quiet(lstFolders_);
  lstPaths_->clear();
  lstFolders_->clear();
  lstUserTags_->clear();
  for (std::size_t i = 0; i < store.size(); ++i) {
    lstPaths_->addItem(Show(store.Path(i)));
    lstFolders_->addItem(Show(store.Folder(i)));
    lstFolders_->item(static_cast<int>(i))->setToolTip(Show(store.Path(i)));
    lstUserTags_->addItem(Show(store.UserTags(i)));
  }
  if (browser_.ShownRecord() < store.size())
    lstFolders_->setCurrentRow(static_cast<int>(browser_.ShownRecord()));
}

void Form1::ShowError(const std::string& text) { shell_.dialogs().ShowError(text, kAppTitle); }

}  // namespace velmora::mainwindow
