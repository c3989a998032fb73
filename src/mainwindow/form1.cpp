#include "mainwindow/form1.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QListView>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <algorithm>
#include <climits>

#include "catalogue/folder_load.h"
#include "catalogue/tags.h"
#include "mainwindow/form_layout.h"
#include "platform/qt_services.h"
#include "platform/twips.h"
#include "platform/visible_text.h"
#include "widgets/tag_bar.h"
#include "widgets/tag_panel.h"

namespace velmora::mainwindow {

using platform::PixelsToTwips;
using platform::TwipsToWholePixels;

namespace {

constexpr int kDesignClientWidth = 12945;
constexpr int kDesignClientHeight = 8295;

// Paths and names as text that nothing in them can reorder or hide (a U+202E in a name
// would otherwise show "gpj.exe" as "exe.jpg"); the commands keep the exact bytes.
QString Show(std::string_view bytes) {
  return QString::fromStdString(platform::VisibleText(bytes));
}

// The caption for a folder, its middle elided: a title of megabytes can break the
// connection to the display.
QString Caption(std::string_view path) {
  constexpr qsizetype kEnd = 480;  // characters kept at each end
  // A shown character comes from at most 3 bytes, so these bytes cover each end; only
  // they are converted, however long the path.
  constexpr std::size_t kEndBytes = 4 * kEnd;
  QString head;
  QString tail;
  if (path.size() <= 2 * kEndBytes) {
    head = Show(path);
    if (head.size() <= 2 * kEnd + 1) return QString::fromLatin1(kAppTitle) + " - " + head;
    tail = head.right(kEnd);
    head.truncate(kEnd);
  } else {
    head = Show(path.substr(0, kEndBytes)).left(kEnd);
    tail = Show(path.substr(path.size() - kEndBytes)).right(kEnd);
  }
  if (head.back().isHighSurrogate()) head.chop(1);
  if (tail.front().isLowSurrogate()) tail.remove(0, 1);
  return QString::fromLatin1(kAppTitle) + " - " + head + QChar(0x2026) + tail;
}

// A fixed background needs a fixed text colour, or a dark desktop palette writes light
// text on it.
void Paint(QWidget* widget, const QColor& background) {
  widget->setAutoFillBackground(true);
  QPalette fixed = widget->palette();
  fixed.setColor(QPalette::Window, background);
  fixed.setColor(QPalette::WindowText, Qt::black);
  widget->setPalette(fixed);
}

// Every control stands where its design values put it, converted from twips here only.
template <class W>
W* Place(W* widget, const char* name, int left, int top, int width, int height) {
  widget->setObjectName(QString::fromLatin1(name));
  widget->setGeometry(TwipsToWholePixels(left), TwipsToWholePixels(top), TwipsToWholePixels(width),
                      TwipsToWholePixels(height));
  return widget;
}

QFont Arial(double points, bool bold = false, bool underline = false) {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(static_cast<int>(std::lround(points * 96 / 72)));
  font.setBold(bold);
  font.setUnderline(underline);
  return font;
}

// A label sized to its text at its design position.
QLabel* TextLabel(QWidget* parent, const char* name, const QString& text, int left, int top,
                  QFont font) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setFont(font);
  label->move(TwipsToWholePixels(left), TwipsToWholePixels(top));
  label->adjustSize();
  return label;
}

// A white, bordered picture container. Its controls stand inside the border, as the
// design measures them, on a client that clips them.
QFrame* WhiteBox(QWidget* parent) {
  auto* box = new QFrame(parent);
  box->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  Paint(box, Qt::white);
  auto* client = new QWidget(box);
  client->setObjectName(QStringLiteral("client"));
  auto* fill = new QGridLayout(box);
  fill->setContentsMargins(box->frameWidth(), box->frameWidth(), box->frameWidth(),
                           box->frameWidth());
  fill->addWidget(client);
  return box;
}

// The folder list: always one folder once one is picked, so that the folder commands
// act on the folder shown; a Ctrl+click or Ctrl+Space cannot deselect it.
class FolderList final : public QListWidget {
 public:
  using QListWidget::QListWidget;

 protected:
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                       const QEvent* event) const override {
    const auto flags = QListWidget::selectionCommand(index, event);
    return flags.testAnyFlags(QItemSelectionModel::Deselect | QItemSelectionModel::Toggle)
               ? QItemSelectionModel::NoUpdate
               : flags;
  }
};

// A refused record for a message: its path readable and not endless.
std::string Describe(const catalogue::RefusedRecord& r) {
  constexpr std::size_t kShown = 120;
  std::string shown = platform::VisibleText(std::string_view(r.path).substr(0, kShown));
  if (r.path.size() > kShown) shown += "...";
  return shown + " - " + r.reason;
}

QWidget* ClientOf(QFrame* box) { return box->findChild<QWidget*>(QStringLiteral("client")); }

// The program's icon at every size it ships in, so that it stays crisp at any scale.
QIcon AppIcon() {
  QIcon icon;
  for (const int size : {16, 24, 32, 48, 64, 128, 256})
    icon.addFile(QStringLiteral(":/icons/%1.png").arg(size));
  return icon;
}

}  // namespace

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    emit clicked();
}

}  // namespace velmora::mainwindow

static void InitIcons() { Q_INIT_RESOURCE(icons); }

namespace velmora::mainwindow {

Form1::Form1(FormSettings settings, platform::Shell& shell, QWidget* parent)
    : QWidget(parent),
      settings_(std::move(settings)),
      shell_(shell),
      files_(this),
      commands_(*this, shell) {
  setObjectName(QStringLiteral("Form1"));
  setFont(Arial(9));
  InitIcons();
  setWindowIcon(AppIcon());
  resize(TwipsToWholePixels(kDesignClientWidth), TwipsToWholePixels(kDesignClientHeight));
  CreateControls();
  Form_Load();
}

Form1::~Form1() = default;

void Form1::CreateControls() {
  // Back to front as the design stacks them; the tab order follows below.
  picture1_ = Place(new QFrame(this), "Picture1", 60, 45, 4920, 690);
  Paint(picture1_, QColor(0xE0, 0xE0, 0xE0));
  label8_ = new ClickLabel(QStringLiteral("About Velmora (read me)"), picture1_);
  label8_->setObjectName(QStringLiteral("Label8"));
  label8_->setFont(Arial(8.25, false, true));
  label8_->setStyleSheet(QStringLiteral("color: #0000ff"));
  label8_->setCursor(Qt::PointingHandCursor);
  label8_->move(TwipsToWholePixels(982), TwipsToWholePixels(465));
  label8_->adjustSize();
  connect(label8_, &ClickLabel::clicked, this, &Form1::Label8_Click);
  TextLabel(picture1_, "Label7", QStringLiteral("Version 1.1"), 1957, 285, Arial(8.25));
  TextLabel(picture1_, "Label6", QString::fromLatin1(kAppTitle), 1140, 0, Arial(12));

  auto* shape1 = Place(new QFrame(this), "Shape1", 6555, 825, 1440, 315);
  shape1->setFrameStyle(QFrame::Box | QFrame::Plain);
  shape1->setStyleSheet(QStringLiteral("QFrame#Shape1 { border: 1px solid #808080; }"));
  shape1->setAttribute(Qt::WA_TransparentForMouseEvents);

  optTagAny_ =
      Place(new QRadioButton(QStringLiteral("Any"), this), "optTagAny", 7275, 870, 705, 240);
  optTagAll_ =
      Place(new QRadioButton(QStringLiteral("All"), this), "optTagAll", 6615, 870, 615, 240);
  optTagAll_->setChecked(true);
  connect(optTagAll_, &QRadioButton::clicked, this, &Form1::ApplyTagFilter);
  connect(optTagAny_, &QRadioButton::clicked, this, &Form1::ApplyTagFilter);

  chkAll_ =
      Place(new QCheckBox(QStringLiteral("Select All"), this), "chkAll", 5100, 1980, 1380, 225);
  cmdDelete_ =
      Place(new QPushButton(QStringLiteral("Delete"), this), "cmdDelete", 11775, 1845, 1035, 360);
  cmdRename_ =
      Place(new QPushButton(QStringLiteral("Rename"), this), "cmdRename", 10575, 1845, 1035, 360);
  cmdMove_ =
      Place(new QPushButton(QStringLiteral("Move To"), this), "cmdMove", 9375, 1845, 1035, 360);
  cmdCopy_ =
      Place(new QPushButton(QStringLiteral("Copy To"), this), "cmdCopy", 8190, 1845, 1035, 360);
  cmdOpen_ = Place(new QPushButton(QStringLiteral("Open"), this), "cmdOpen", 6990, 1845, 1035, 360);

  chkAutoTags_ = Place(new QCheckBox(QStringLiteral("Show Auto Tags"), this), "chkAutoTags", 3270,
                       855, 1665, 225);
  chkAutoTags_->setChecked(true);
  connect(chkAutoTags_, &QCheckBox::clicked, this, &Form1::lstFolders_Click);

  const QFont simSun = [] {
    QFont font(QStringLiteral("SimSun"));
    font.setPixelSize(12);
    return font;
  }();
  lstUserTags_ = Place(new QListWidget(this), "lstUserTags", 3060, 8895, 2235, 1860);
  lstUserTags_->setFont(simSun);
  lstUserTags_->hide();

  cmdAddUserTag_ = Place(new QPushButton(QStringLiteral("Add User Defined Tag"), this),
                         "cmdAddUserTag", 9930, 795, 2115, 345);
  cmdAddUserTag_->hide();
  connect(cmdAddUserTag_, &QPushButton::clicked, this, &Form1::cmdAddUserTag_Click);

  picUserTags_ = Place(WhiteBox(this), "picUserTags", 7470, 8895, 2340, 2190);
  picUserTags_->hide();
  vScroll2_ =
      Place(new QScrollBar(Qt::Vertical, ClientOf(picUserTags_)), "VScroll2", 2010, 15, 270, 2070);
  oTagUser_ = Place(new widgets::TagPanel(ClientOf(picUserTags_)), "oTagUser", 45, 15, 1875, 1965);

  picTagPanel_ = Place(WhiteBox(this), "picTagPanel", 2610, 1155, 2355, 7065);
  vScroll1_ =
      Place(new QScrollBar(Qt::Vertical, ClientOf(picTagPanel_)), "VScroll1", 2010, 0, 285, 6960);
  vScroll1_->setSingleStep(widgets::TagPanel::kRowHeight);
  oTagPanel_ =
      Place(new widgets::TagPanel(ClientOf(picTagPanel_)), "oTagPanel", 30, 45, 1890, 3810);
  vScroll1_->raise();

  picSelTags_ = Place(WhiteBox(this), "picSelTags", 5040, 1155, 7740, 465);
  oTagBar_ = Place(new widgets::TagBar(ClientOf(picSelTags_)), "oTagBar", 15, 30, 7605, 330);

  lstPaths_ = Place(new QListWidget(this), "lstPaths", 90, 9045, 2625, 1860);
  lstPaths_->setFont(simSun);
  lstPaths_->hide();

  cmdRemoveFolder_ =
      Place(new QPushButton(QStringLiteral("-"), this), "cmdRemoveFolder", 2145, 795, 435, 315);
  cmdRemoveFolder_->setToolTip(QStringLiteral("Remove a Folder"));
  cmdAddFolder_ =
      Place(new QPushButton(QStringLiteral("+"), this), "cmdAddFolder", 1695, 795, 435, 315);
  cmdAddFolder_->setToolTip(QStringLiteral("Add a Folder"));
  connect(cmdAddFolder_, &QPushButton::clicked, this, &Form1::cmdAddFolder_Click);
  connect(cmdRemoveFolder_, &QPushButton::clicked, this, &Form1::cmdRemoveFolder_Click);

  lstFolders_ = Place(new FolderList(this), "lstFolders", 60, 1155, 2535, 7035);
  lstFolders_->setSelectionMode(QAbstractItemView::SingleSelection);
  connect(lstFolders_, &QListWidget::itemSelectionChanged, this, [this] {
    ++selectionChanges_;
    lstFolders_Click();
  });
  // A click on the folder already selected loads it again.
  lstFolders_->viewport()->installEventFilter(this);
  connect(lstFolders_, &QListWidget::itemClicked, this, [this] {
    if (selectionChanges_ == selectionChangesAtPress_) lstFolders_Click();
  });

  lstFiles_ = Place(new QListView(this), "lstFiles", 5025, 2250, 7785, 5925);
  lstFiles_->setModel(&files_);
  lstFiles_->setUniformItemSizes(true);  // a million rows need no measuring
  lstFiles_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  lstFiles_->setEditTriggers(QAbstractItemView::NoEditTriggers);

  connect(chkAll_, &QCheckBox::clicked, this,
          [this](bool checked) { commands_.SelectAll(checked); });
  connect(cmdOpen_, &QPushButton::clicked, this, [this] { commands_.Open(); });
  connect(lstFiles_, &QListView::doubleClicked, this, [this] { commands_.Open(); });
  connect(cmdCopy_, &QPushButton::clicked, this, [this] { commands_.CopyTo(); });
  connect(cmdMove_, &QPushButton::clicked, this, [this] { commands_.MoveTo(); });
  connect(cmdRename_, &QPushButton::clicked, this, [this] { commands_.Rename(); });
  connect(cmdDelete_, &QPushButton::clicked, this, [this] { commands_.Delete(); });
  // The keys of a file manager, on the list.
  const auto onKey = [this](QKeySequence key, auto action) {
    connect(new QShortcut(key, lstFiles_, nullptr, nullptr, Qt::WidgetShortcut),
            &QShortcut::activated, this, action);
  };
  onKey(QKeySequence(Qt::Key_Return), [this] { commands_.Open(); });
  onKey(QKeySequence(Qt::Key_Enter), [this] { commands_.Open(); });
  onKey(QKeySequence(Qt::Key_Delete), [this] { commands_.Delete(); });
  onKey(QKeySequence(Qt::Key_F2), [this] { commands_.Rename(); });

  lblHelp_ = Place(
      new QLabel(QStringLiteral(" Click the tag name to add or remove it from the Tag Filter."),
                 this),
      "lblHelp", 5070, 420, 7725, 285);
  Paint(lblHelp_, QColor(255, 255, 192));
  lblHelp_->hide();

  TextLabel(this, "Label5", QStringLiteral("Tag Filter:"), 5070, 855, Arial(9, true));
  TextLabel(this, "Label4", QStringLiteral("of the following tags."), 8025, 870, Arial(9));
  TextLabel(this, "Label3", QStringLiteral("Match"), 6045, 870, Arial(9));
  TextLabel(this, "Label2", QStringLiteral("Tags:"), 2625, 855, Arial(9, true));
  TextLabel(this, "Label1", QStringLiteral("Folders:"), 75, 855, Arial(9, true));
  lblStatus_ = Place(new QLabel(this), "lblStatus", 5115, 1590, 1785, 225);
  lblStatus_->setFont(simSun);

  // Names for screen readers where a control has no caption of its own.
  lstFolders_->setAccessibleName(QStringLiteral("Folders"));
  lstFiles_->setAccessibleName(QStringLiteral("Files"));
  oTagPanel_->setAccessibleName(QStringLiteral("Tags"));
  oTagBar_->setAccessibleName(QStringLiteral("Tag filter"));
  oTagUser_->setAccessibleName(QStringLiteral("User tags"));
  vScroll1_->setAccessibleName(QStringLiteral("Scroll the tags"));
  vScroll2_->setAccessibleName(QStringLiteral("Scroll the user tags"));
  cmdAddFolder_->setAccessibleName(cmdAddFolder_->toolTip());
  cmdRemoveFolder_->setAccessibleName(cmdRemoveFolder_->toolTip());
  lblStatus_->setAccessibleName(QStringLiteral("Status"));

  // The design's tab order, over the controls that take the focus.
  const QList<QWidget*> order = {
      lstFiles_,  lstFolders_,    cmdAddFolder_, cmdRemoveFolder_, oTagPanel_, vScroll1_,
      oTagBar_,   cmdAddUserTag_, chkAutoTags_,  cmdOpen_,         cmdCopy_,   cmdMove_,
      cmdRename_, cmdDelete_,     chkAll_,       optTagAll_,       optTagAny_};
  for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);

  connect(oTagPanel_, &widgets::TagPanel::TagSelected, this, &Form1::oTagPanel_TagSelected);
  connect(oTagUser_, &widgets::TagPanel::TagSelected, this, &Form1::oTagUser_TagSelected);
  connect(oTagBar_, &widgets::TagBar::TagSelected, this, &Form1::oTagBar_TagSelected);
  connect(oTagPanel_, &widgets::TagPanel::Resize, this,
          [this] { TagPanelResize(*oTagPanel_, *picTagPanel_, *vScroll1_, true); });
  connect(oTagUser_, &widgets::TagPanel::Resize, this,
          [this] { TagPanelResize(*oTagUser_, *picUserTags_, *vScroll2_, false); });
  // Dragging the thumb and each completed change both move the panel.
  connect(vScroll1_, &QScrollBar::valueChanged, this,
          [this](int value) { oTagPanel_->move(oTagPanel_->x(), -TwipsToWholePixels(value)); });
  connect(vScroll2_, &QScrollBar::valueChanged, this,
          [this](int value) { oTagUser_->move(oTagUser_->x(), -TwipsToWholePixels(value)); });
}

void Form1::Form_Load() {
  catalogue::FolderStore loaded;
  if (const platform::Status status = catalogue::LoadFolders(loaded, settings_.storeFile);
      !status.ok()) {
    // Every save reads the file first, so it is never written while it cannot be read.
    ShowError(status.message() + "\nFolder changes cannot be saved while it cannot be read.");
  }
  if (!loaded.Refused().empty()) {
    std::string text = "These folders of " + settings_.storeFile +
                       " cannot be used; they stay in the file as they are:";
    for (const catalogue::RefusedRecord& r : loaded.Refused()) text += "\n" + Describe(r);
    ShowError(text);
  }
  ShowStore(std::move(loaded));
  setWindowTitle(QString::fromLatin1(kAppTitle));
}

void Form1::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (centred_) return;
  centred_ = true;
  if (const QScreen* screen = this->screen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
}

void Form1::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Form_Resize();
}

void Form1::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange) Form_Resize();
}

void Form1::Form_Resize() {
  if (isMinimized()) return;
  // The rule measures the outer size, frame and title bar included.
  const QSize frameExtra = frameGeometry().size() - size();
  const int outerWidth = static_cast<int>(PixelsToTwips(frameGeometry().width()));
  const int outerHeight = static_cast<int>(PixelsToTwips(frameGeometry().height()));
  const FormSizes s = FormLayout(outerWidth, outerHeight);
  setMinimumSize(TwipsToWholePixels(kMinimumWindow) - frameExtra.width(),
                 TwipsToWholePixels(kMinimumWindow) - frameExtra.height());
  if (s.windowWidth != outerWidth || s.windowHeight != outerHeight) {
    resize(std::max(width(), minimumWidth()), std::max(height(), minimumHeight()));
  }
  lstFiles_->resize(TwipsToWholePixels(s.lstFilesWidth), TwipsToWholePixels(s.lstFilesHeight));
  picSelTags_->resize(TwipsToWholePixels(s.picSelTagsWidth), picSelTags_->height());
  oTagBar_->resize(TwipsToWholePixels(s.oTagBarWidth), oTagBar_->height());
  lstFolders_->resize(lstFolders_->width(), TwipsToWholePixels(s.lstFoldersHeight));
  picTagPanel_->resize(picTagPanel_->width(), TwipsToWholePixels(s.picTagPanelHeight));
  vScroll1_->resize(vScroll1_->width(), TwipsToWholePixels(s.vScroll1Height));
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lstFolders_->viewport() && event->type() == QEvent::MouseButtonPress) {
    selectionChangesAtPress_ = selectionChanges_;
  }
  return QWidget::eventFilter(watched, event);
}

void Form1::Label8_Click() { shell_.OpenDocument(settings_.creditTarget); }

int Form1::SelectedFolder() const {
  const auto selected = lstFolders_->selectedItems();
  return selected.isEmpty() ? -1 : lstFolders_->row(selected.front());
}

void Form1::SetStatus(const QString& text) { lblStatus_->setText(text); }

void Form1::SetStatus(const std::string& text) { SetStatus(Show(text)); }

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

void Form1::lstFolders_Click() {
  const int i = SelectedFolder();
  if (i < 0) return;
  setWindowTitle(Caption(store_.Path(static_cast<std::size_t>(i))));
  LoadFolder();
  lblHelp_->show();
}

void Form1::LoadFolder() {
  // The last load goes before the next one is read, so that two never share memory.
  ClearFolderView();
  const int i = SelectedFolder();
  if (i < 0) return;  // no folder: nothing to scan, and no record to add tags to
  const auto record = static_cast<std::size_t>(i);
  QApplication::setOverrideCursor(Qt::WaitCursor);
  catalogue::FolderContents contents = catalogue::LoadFolderContents(
      store_.Path(record), store_.UserTags(record), chkAutoTags_->isChecked());
  colFiles_ = std::move(contents.files);
  index_ = catalogue::FilterIndex(colFiles_);
  files_.SetFiles(&colFiles_);
  for (const std::string& chip : contents.chips) oTagPanel_->AddItem(chip);
  oTagPanel_->Redraw();
  cmdAddUserTag_->show();
  QApplication::restoreOverrideCursor();
  ReportUnreadable(contents.unreadableFolders);
}

void Form1::ReportUnreadable(std::size_t folders) {
  // Said after the load; a later clean load takes back only this text, not a command's.
  const QString text = folders == 0   ? QString()
                       : folders == 1 ? QStringLiteral("1 folder could not be read")
                                      : QStringLiteral("%1 folders could not be read").arg(folders);
  if (!text.isEmpty() || lblStatus_->text() == unreadableText_) lblStatus_->setText(text);
  unreadableText_ = text;
}

void Form1::ApplyTagFilter() {
  const auto mode = optTagAll_->isChecked() ? catalogue::MatchMode::All : catalogue::MatchMode::Any;
  files_.SetRows(catalogue::ApplyTagFilter(index_, oTagBar_->GetTags(), mode));
}

void Form1::oTagPanel_TagSelected(const std::string& text) {
  oTagBar_->AddItem(text, "auto");
  oTagBar_->Redraw();
  ApplyTagFilter();
}

void Form1::oTagUser_TagSelected(const std::string& text) {
  oTagBar_->AddItem(text, "user");
  oTagBar_->Redraw();
  ApplyTagFilter();
}

void Form1::oTagBar_TagSelected(const std::string& text, const std::string& kind) {
  if (kind == "auto") {
    oTagPanel_->AddItem(text);
    oTagPanel_->Redraw();
  } else if (kind == "user") {
    oTagUser_->AddItem(text);
    oTagUser_->Redraw();
  }
  ApplyTagFilter();
}

void Form1::TagPanelResize(widgets::TagPanel& panel, QFrame& container, QScrollBar& bar,
                           bool scrollToEnd) {
  const ScrollRange range = ScrollRule(panel.HeightTwips(), PixelsToTwips(container.height()));
  if (!range.visible) {
    panel.move(panel.x(), 0);
    bar.hide();
    return;
  }
  bar.show();
  bar.setMinimum(0);
  bar.setMaximum(static_cast<int>(std::min<std::int64_t>(range.maximum, INT_MAX)));
  bar.setPageStep(static_cast<int>(std::min<std::int64_t>(range.pageStep, INT_MAX)));
  if (!scrollToEnd) return;
  // The design lets waiting events run before it jumps to the end, twice: one pass runs
  // what is queued now (clicks, the repaint at the panel's new height), the second what
  // that pass posted in turn, so the jump comes last, after a chip clicked meanwhile.
  platform::ProcessPendingEvents();
  platform::ProcessPendingEvents();
  bar.setValue(bar.maximum());
  panel.move(panel.x(), -TwipsToWholePixels(bar.value()));
}

void Form1::cmdAddFolder_Click() {
  const std::string path = shell_.PickFolder("Select a folder");
  if (!path.empty()) AddFolders({path}, false);
}

void Form1::OpenFolders(const std::vector<std::string>& paths) { AddFolders(paths, true); }

void Form1::AddFolders(const std::vector<std::string>& paths, bool showLast) {
  if (paths.empty()) return;
  std::string refused;
  Commit([&](catalogue::FolderStore& store) {
    refused.clear();
    for (const std::string& path : paths) {
      if (store.Find(path) < store.size()) continue;
      if (std::string why = store.Append(path, ""); !why.empty())
        refused += (refused.empty() ? "" : "\n") + platform::VisibleText(path) + ": " + why;
    }
    return std::string();
  });
  if (!refused.empty()) ShowError(refused);
  if (showLast) {
    const std::size_t last = store_.Find(paths.back());
    if (last < store_.size()) lstFolders_->setCurrentRow(static_cast<int>(last));
  }
}

void Form1::cmdRemoveFolder_Click() {
  const auto shown = ShownPath();
  if (!shown) return;
  const std::string& path = *shown;
  Commit([&](catalogue::FolderStore& store) {
    for (std::size_t i = store.Find(path); i < store.size(); i = store.Find(path)) store.Remove(i);
    return std::string();
  });
}

void Form1::cmdAddUserTag_Click() {
  const auto shown = ShownPath();
  if (!shown) return;
  const std::string& path = *shown;
  // Spelled as the design spells it, prompt and title alike; the accessibility test pins it.
  const std::string tag =
      shell_.dialogs().Input("Input User Definded Tag", "Input User Definded Tag", "");
  if (tag.empty()) return;
  if (tag.find_first_of("\r\n") != std::string::npos)
    return ShowError("A tag with a line break cannot be stored.");
  oTagBar_->AddItem(catalogue::LowerCase(tag), "auto");
  oTagBar_->Redraw();
  Commit([&](catalogue::FolderStore& store) {
    const std::size_t i = store.Find(path);
    if (i == store.size()) return platform::VisibleText(path) + " is no longer in the folder list.";
    const auto line = catalogue::WithUserTag(store.UserTags(i), tag);
    return line ? store.SetUserTags(i, *line) : std::string();
  });
  ApplyTagFilter();
}

bool Form1::Commit(const std::function<std::string(catalogue::FolderStore&)>& change) {
  catalogue::FolderStore now = store_;
  const platform::Status status = catalogue::UpdateFolders(settings_.storeFile, change, now);
  ShowStore(std::move(now));
  if (!status.ok()) ShowError(status.message());
  return status.ok();
}

std::optional<std::string> Form1::ShownPath() const {
  const int i = SelectedFolder();
  if (i < 0) return std::nullopt;
  return store_.Path(static_cast<std::size_t>(i));
}

void Form1::ShowStore(catalogue::FolderStore next) {
  const auto shown = ShownPath();
  store_ = std::move(next);
  const std::size_t keep = shown ? store_.Find(*shown) : store_.size();
  {
    const QSignalBlocker quiet(lstFolders_);
    lstPaths_->clear();
    lstFolders_->clear();
    lstUserTags_->clear();
    for (std::size_t i = 0; i < store_.size(); ++i) {
      lstPaths_->addItem(Show(store_.Path(i)));
      lstFolders_->addItem(Show(store_.Folder(i)));
      lstUserTags_->addItem(Show(store_.UserTags(i)));
    }
    if (keep < store_.size()) lstFolders_->setCurrentRow(static_cast<int>(keep));
  }
  if (shown && keep == store_.size()) ClearFolderView();  // it was removed
}

void Form1::ClearFolderView() {
  oTagPanel_->Clear();
  oTagBar_->Clear();
  files_.Clear();
  colFiles_ = {};
  index_ = {};
  cmdAddUserTag_->hide();
}

void Form1::ShowError(const std::string& text) { shell_.dialogs().ShowError(text, kAppTitle); }

}  // namespace velmora::mainwindow
