#include "mainwindow/form_controls.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDropEvent>
#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QHeaderView>
#include <QItemSelection>
#include <QListWidget>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>
#include <cmath>
#include <utility>

#include "desktop/shell.h"
#include "mainwindow/form1.h"
#include "mainwindow/form_layout.h"
#include "platform/files.h"
#include "platform/visible_text.h"
#include "widgets/tag_bar.h"
#include "widgets/tag_panel.h"
#include "widgets/twips.h"

namespace velmora::mainwindow {

using widgets::TwipsToWholePixels;

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    emit clicked();
}

QString Caption(std::string_view path) {
  constexpr qsizetype kEnd = 480;  // characters kept at each end
  // A shown character comes from at most 3 bytes, so these bytes cover each end; only
  // they are converted, however long the path.
  constexpr std::size_t kEndBytes = 4 * kEnd;
  QString head;
  QString tail;
  if (path.size() <= 2 * kEndBytes) {
    head = ShownText(path);
    if (head.size() <= 2 * kEnd + 1) return QString::fromLatin1(desktop::kTitle) + " - " + head;
    tail = head.right(kEnd);
    head.truncate(kEnd);
  } else {
    head = ShownText(path.substr(0, kEndBytes)).left(kEnd);
    tail = ShownText(path.substr(path.size() - kEndBytes)).right(kEnd);
  }
  if (head.back().isHighSurrogate()) head.chop(1);
  if (tail.front().isLowSurrogate()) tail.remove(0, 1);
  return QString::fromLatin1(desktop::kTitle) + " - " + head + QChar(0x2026) + tail;
}

QFont Arial(double points, bool bold) {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(static_cast<int>(std::lround(points * 96 / 72)));
  font.setBold(bold);
  return font;
}

std::vector<std::string> DroppedFolders(const QMimeData& data) {
  std::vector<std::string> folders;
  for (const QByteArray& line : data.data(QStringLiteral("text/uri-list")).split('\n')) {
    const QByteArray url = line.trimmed();
    if (url.isEmpty() || url.startsWith('#')) continue;
    std::optional<std::string> path = desktop::PathOfFileUrl(url.toStdString());
    if (!path) continue;
    *path = platform::PlainPath(*path);
    // A name holding NUL goes on, to be refused by the folder list as "+" refuses it.
    if (path->find('\0') != std::string::npos || platform::IsFolder(*path).ok())
      folders.push_back(std::move(*path));
  }
  return folders;
}

std::vector<std::string> TakeFolderDrop(QDropEvent& drop) {
  std::vector<std::string> folders = DroppedFolders(*drop.mimeData());
  if (folders.empty()) return drop.ignore(), folders;
  drop.acceptProposedAction();
  if (drop.type() != QEvent::Drop) folders.clear();
  return folders;
}

void ShowRecords(const catalogue::FolderStore& store, QListWidget& paths, QListWidget& folders,
                 QListWidget& userTags) {
  paths.clear();
  folders.clear();
  userTags.clear();
  for (std::size_t i = 0; i < store.size(); ++i) {
    paths.addItem(ShownText(store.Path(i)));
    folders.addItem(ShownText(store.Folder(i)));
    folders.item(static_cast<int>(i))->setToolTip(ShownText(store.Path(i)));
    userTags.addItem(ShownText(store.UserTags(i)));
  }
}

std::vector<std::size_t> SelectedRows(const QItemSelection& selection) {
  std::vector<std::size_t> rows;
  for (const QItemSelectionRange& range : selection) {
    for (int row = range.top(); row <= range.bottom(); ++row)
      rows.push_back(static_cast<std::size_t>(row));
  }
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  return rows;
}

void SetStatusText(QLabel& line, const QString& text, int leastWidth) {
  if (text == line.text()) return;
  line.setText(text);
  line.resize(std::max(leastWidth, line.sizeHint().width()), line.height());
  // Its text is its accessible name.
  QAccessibleEvent changed(&line, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&changed);
}

QIcon AppIcon() {
  QIcon icon;
  for (const int size : {16, 24, 32, 48, 64, 128, 256})
    icon.addFile(QStringLiteral(":/icons/%1.png").arg(size));
  return icon;
}

namespace {

// A fixed background needs a fixed text colour, or a dark desktop palette writes light
// text on it.
void Paint(QWidget* widget, const QColor& background) {
  widget->setAutoFillBackground(true);
  QPalette fixed = widget->palette();
  fixed.setColor(QPalette::Window, background);
  fixed.setColor(QPalette::WindowText, Qt::black);
  widget->setPalette(fixed);
}

// A white, bordered picture container. Its controls stand inside the border, measured
// from there, on a client that clips them.
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
  // An empty list says how to fill it, greyed as a field's placeholder.
  void paintEvent(QPaintEvent* event) override {
    QListWidget::paintEvent(event);
    if (count() != 0) return;
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::PlaceholderText));
    const int margin = fontMetrics().height() / 2;
    painter.drawText(viewport()->rect().adjusted(margin, margin, -margin, -margin),
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                     QCoreApplication::translate("velmora", "Add a folder with +"));
  }

  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                       const QEvent* event) const override {
    const auto flags = QListWidget::selectionCommand(index, event);
    return flags.testAnyFlags(QItemSelectionModel::Deselect | QItemSelectionModel::Toggle)
               ? QItemSelectionModel::NoUpdate
               : flags;
  }
};

// The controls back to front as the window stacks them, at their own places in
// twips. A label without a width is sized to its text; a parent's controls stand on its
// client.
enum class Kind {
  Grey,
  Link,
  Label,
  Shape,
  Radio,
  Check,
  Button,
  List,
  WhiteBox,
  Scroll,
  Panel,
  Bar,
  Folders,
  Files,
  Help
};
struct Control {
  const char* name;
  Kind kind;
  const char* text;
  int left, top, width, height;
  const char* parent = nullptr;
  double points = 0;  // a font of its own
  bool bold = false;
};
constexpr Control kControls[] = {
    {"Picture1", Kind::Grey, "", 60, 45, 4920, 690},
    {"Label8", Kind::Link, QT_TRANSLATE_NOOP("velmora", "About Velmora (read me)"), 982, 465, 0, 0,
     "Picture1", 8.25},
    {"Label7", Kind::Label, QT_TRANSLATE_NOOP("velmora", "Version 1.1"), 1957, 285, 0, 0,
     "Picture1", 8.25},
    {"Label6", Kind::Label, desktop::kTitle, 1140, 0, 0, 0, "Picture1", 12},
    {"Shape1", Kind::Shape, "", 6555, 825, 1440, 315},
    {"optTagAny", Kind::Radio, QT_TRANSLATE_NOOP("velmora", "Any"), 7275, 870, 705, 240},
    {"optTagAll", Kind::Radio, QT_TRANSLATE_NOOP("velmora", "All"), 6615, 870, 615, 240},
    {"chkAll", Kind::Check, QT_TRANSLATE_NOOP("velmora", "Select All"), 5100, 1980, 1380, 225},
    {"cmdDelete", Kind::Button, QT_TRANSLATE_NOOP("velmora", "Delete"), 11775, 1845, 1035, 360},
    {"cmdRename", Kind::Button, QT_TRANSLATE_NOOP("velmora", "Rename"), 10575, 1845, 1035, 360},
    {"cmdMove", Kind::Button, QT_TRANSLATE_NOOP("velmora", "Move To"), 9375, 1845, 1035, 360},
    {"cmdCopy", Kind::Button, QT_TRANSLATE_NOOP("velmora", "Copy To"), 8190, 1845, 1035, 360},
    {"cmdOpen", Kind::Button, QT_TRANSLATE_NOOP("velmora", "Open"), 6990, 1845, 1035, 360},
    {"chkAutoTags", Kind::Check, QT_TRANSLATE_NOOP("velmora", "Show Auto Tags"), 3270, 855, 1665,
     225},
    {"lstUserTags", Kind::List, "", 3060, 8895, 2235, 1860},
    {"cmdAddUserTag", Kind::Button, QT_TRANSLATE_NOOP("velmora", "Add User Defined Tag"), 9930, 795,
     2115, 345},
    {"picUserTags", Kind::WhiteBox, "", 7470, 8895, 2340, 2190},
    {"VScroll2", Kind::Scroll, "", 2010, 15, 270, 2070, "picUserTags"},
    {"oTagUser", Kind::Panel, "", 45, 15, 1875, 1965, "picUserTags"},
    {"picTagPanel", Kind::WhiteBox, "", 2610, 1155, 2355, 7065},
    {"oTagPanel", Kind::Panel, "", 30, 45, 1890, 3810, "picTagPanel"},
    {"VScroll1", Kind::Scroll, "", 2010, 0, 285, 6960, "picTagPanel"},
    {"picSelTags", Kind::WhiteBox, "", 5040, 1155, 7740, 465},
    {"oTagBar", Kind::Bar, "", 15, 30, 7605, 330, "picSelTags"},
    {"lstPaths", Kind::List, "", 90, 9045, 2625, 1860},
    {"cmdRemoveFolder", Kind::Button, "-", 2145, 795, 435, 315},
    {"cmdAddFolder", Kind::Button, "+", 1695, 795, 435, 315},
    {"lstFolders", Kind::Folders, "", 60, 1155, 2535, 7035},
    {"lstFiles", Kind::Files, "", 5025, 2250, 7785, 5925},
    {"lblHelp", Kind::Help,
     QT_TRANSLATE_NOOP("velmora", " Click the tag name to add or remove it from the Tag Filter."),
     5070, 420, 7725, 285},
    {"Label5", Kind::Label, QT_TRANSLATE_NOOP("velmora", "Tag Filter:"), 5070, 855, 0, 0, nullptr,
     9, true},
    {"Label4", Kind::Label, QT_TRANSLATE_NOOP("velmora", "of the following tags."), 8025, 870, 0, 0,
     nullptr, 9},
    {"Label3", Kind::Label, QT_TRANSLATE_NOOP("velmora", "Match"), 6045, 870, 0, 0, nullptr, 9},
    {"Label2", Kind::Label, QT_TRANSLATE_NOOP("velmora", "Tags:"), 2625, 855, 0, 0, nullptr, 9,
     true},
    {"Label1", Kind::Label, QT_TRANSLATE_NOOP("velmora", "Folders:"), 75, 855, 0, 0, nullptr, 9,
     true},
    {"lblStatus", Kind::Label, "", 5115, 1590, 1785, 225},
};

// Names for screen readers where a control has no caption of its own (the status line's
// text is its name).
constexpr std::pair<const char*, const char*> kAccessibleNames[] = {
    {"lstFolders", QT_TRANSLATE_NOOP("velmora", "Folders")},
    {"lstFiles", QT_TRANSLATE_NOOP("velmora", "Files")},
    {"oTagPanel", QT_TRANSLATE_NOOP("velmora", "Tags")},
    {"oTagBar", QT_TRANSLATE_NOOP("velmora", "Tag filter")},
    {"oTagUser", QT_TRANSLATE_NOOP("velmora", "User tags")},
    {"VScroll1", QT_TRANSLATE_NOOP("velmora", "Scroll the tags")},
    {"VScroll2", QT_TRANSLATE_NOOP("velmora", "Scroll the user tags")},
    {"cmdAddFolder", QT_TRANSLATE_NOOP("velmora", "Add a Folder")},
    {"cmdRemoveFolder", QT_TRANSLATE_NOOP("velmora", "Remove a Folder")},
};

// What each button and check box does, and its key when it has one (%1), for its tooltip.
struct Tip {
  const char* name;
  const char* text;
  Qt::Key key = Qt::Key_unknown;
  QKeySequence::StandardKey standard = QKeySequence::UnknownKey;  // known once the app is
};
const Tip kTips[] = {
    {"cmdAddFolder", QT_TRANSLATE_NOOP("velmora", "Add a folder to the list")},
    {
        "cmdRemoveFolder",
        QT_TRANSLATE_NOOP("velmora", "Take the selected folder off the list; its files stay"),
    },
    {"cmdAddUserTag",
     QT_TRANSLATE_NOOP("velmora", "Attach a tag of your own to the selected folder")},
    {"cmdOpen", QT_TRANSLATE_NOOP("velmora", "Open the selected files with their programs (%1)"),
     Qt::Key_Return},
    {
        "cmdCopy",
        QT_TRANSLATE_NOOP("velmora", "Copy the selected files to a folder you choose"),
    },
    {
        "cmdMove",
        QT_TRANSLATE_NOOP("velmora", "Move the selected files to a folder you choose"),
    },
    {"cmdRename", QT_TRANSLATE_NOOP("velmora", "Rename the selected files one by one (%1)"),
     Qt::Key_F2},
    {"cmdDelete", QT_TRANSLATE_NOOP("velmora", "Move the selected files to the trash (%1)"),
     Qt::Key_unknown, QKeySequence::Delete},
    {"chkAll", QT_TRANSLATE_NOOP("velmora", "Select every listed file, or none (%1 in the list)"),
     Qt::Key_unknown, QKeySequence::SelectAll},
    {"chkAutoTags", QT_TRANSLATE_NOOP("velmora", "Show the tags cut from the file names")},
    {
        "optTagAll",
        QT_TRANSLATE_NOOP("velmora", "List the files whose names hold every tag of the filter"),
    },
    {"optTagAny",
     QT_TRANSLATE_NOOP("velmora", "List the files whose names hold any tag of the filter")},
};

// A translated caption, shown whole where it fits.
constexpr char kWholeText[] = "wholeText";
// What a control does, its tooltip; a caption cut short comes before it.
constexpr char kTipText[] = "tipText";

// The window's tab order, over the controls that take the focus.
constexpr const char* kTabOrder[] = {
    "lstFiles",  "lstFolders",    "cmdAddFolder", "cmdRemoveFolder", "oTagPanel", "VScroll1",
    "oTagBar",   "cmdAddUserTag", "chkAutoTags",  "cmdOpen",         "cmdCopy",   "cmdMove",
    "cmdRename", "cmdDelete",     "chkAll",       "optTagAll",       "optTagAny"};

QWidget* Make(const Control& c, QWidget* parent) {
  const QString text = QCoreApplication::translate("velmora", c.text);
  switch (c.kind) {
    case Kind::Grey: {
      auto* box = new QFrame(parent);
      Paint(box, QColor(0xE0, 0xE0, 0xE0));
      return box;
    }
    case Kind::Link: {
      auto* link = new ClickLabel(text, parent);
      link->setStyleSheet(QStringLiteral("color: #0000ff"));
      link->setCursor(Qt::PointingHandCursor);
      return link;
    }
    case Kind::Label:
      return new QLabel(text, parent);
    case Kind::Shape: {
      auto* shape = new QFrame(parent);
      shape->setFrameStyle(QFrame::Box | QFrame::Plain);
      shape->setStyleSheet(QStringLiteral("QFrame { border: 1px solid #808080; }"));
      shape->setAttribute(Qt::WA_TransparentForMouseEvents);
      return shape;
    }
    case Kind::Radio:
      return new QRadioButton(text, parent);
    case Kind::Check:
      return new QCheckBox(text, parent);
    case Kind::Button:
      return new QPushButton(text, parent);
    case Kind::List:
      return new QListWidget(parent);
    case Kind::WhiteBox:
      return WhiteBox(parent);
    case Kind::Scroll:
      return new QScrollBar(Qt::Vertical, parent);
    case Kind::Panel:
      return new widgets::TagPanel(parent);
    case Kind::Bar:
      return new widgets::TagBar(parent);
    case Kind::Folders:
      return new FolderList(parent);
    case Kind::Files:
      return new FileTable(parent);
    case Kind::Help: {
      auto* help = new QLabel(text, parent);
      Paint(help, QColor(255, 255, 192));
      return help;
    }
  }
  return nullptr;
}

}  // namespace

Controls MakeControls(QWidget& form) {
  for (const Control& c : kControls) {
    QWidget* parent = &form;
    if (c.parent != nullptr) {
      parent = form.findChild<QWidget*>(QString::fromLatin1(c.parent));
      if (auto* client = parent->findChild<QWidget*>(QStringLiteral("client"))) parent = client;
    }
    QWidget* w = Make(c, parent);
    w->setObjectName(QString::fromLatin1(c.name));
    if (const QString shown = QCoreApplication::translate("velmora", c.text);
        shown != QString::fromUtf8(c.text))
      w->setProperty(kWholeText, shown);
    if (c.points > 0) w->setFont(Arial(c.points, c.bold));
    if (c.width > 0) {
      w->setGeometry(TwipsToWholePixels(c.left), TwipsToWholePixels(c.top),
                     TwipsToWholePixels(c.width), TwipsToWholePixels(c.height));
    } else {
      w->move(TwipsToWholePixels(c.left), TwipsToWholePixels(c.top));
      w->adjustSize();
    }
  }
  const auto find = [&form](const char* name) {
    return form.findChild<QWidget*>(QString::fromLatin1(name));
  };
  auto* label8 = find("Label8");
  QFont underlined = label8->font();
  underlined.setUnderline(true);
  label8->setFont(underlined);
  label8->adjustSize();
  for (const char* name : {"optTagAll", "chkAutoTags"})
    static_cast<QAbstractButton*>(find(name))->setChecked(true);
  const QFont simSun = [] {
    // Where SimSun is missing, the interface's own face, not the serif fontconfig would
    // answer with (it answers for any name, so ask whether the face is there).
    QFont font(QFontDatabase::hasFamily(QStringLiteral("SimSun"))
                   ? QStringLiteral("SimSun")
                   : QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
    font.setPixelSize(12);
    return font;
  }();
  for (const char* name : {"lstUserTags", "lstPaths", "lblStatus"}) find(name)->setFont(simSun);
  for (const char* name : {"lstUserTags", "cmdAddUserTag", "picUserTags", "lstPaths", "lblHelp"})
    find(name)->hide();
  for (const auto& [name, accessible] : kAccessibleNames)
    form.findChild<QWidget*>(QString::fromLatin1(name))
        ->setAccessibleName(QCoreApplication::translate("velmora", accessible));
  for (const Tip& tip : kTips) {
    QString text = QCoreApplication::translate("velmora", tip.text);
    const QKeySequence key =
        tip.key != Qt::Key_unknown ? QKeySequence(tip.key) : QKeySequence(tip.standard);
    if (!key.isEmpty()) text = text.arg(key.toString(QKeySequence::NativeText));
    QWidget* w = form.findChild<QWidget*>(QString::fromLatin1(tip.name));
    w->setToolTip(text);
    w->setProperty(kTipText, text);
  }
  for (std::size_t i = 1; i < std::size(kTabOrder); ++i)
    QWidget::setTabOrder(form.findChild<QWidget*>(QString::fromLatin1(kTabOrder[i - 1])),
                         form.findChild<QWidget*>(QString::fromLatin1(kTabOrder[i])));
  FitTranslatedTexts(form);
  Controls c;
  const auto get = [&form]<class W>(W*& member, const char* name) {
    member = form.findChild<W*>(QString::fromLatin1(name));
  };
  get(c.picture1, "Picture1");
  get(c.label8, "Label8");
  get(c.optTagAll, "optTagAll");
  get(c.optTagAny, "optTagAny");
  get(c.chkAll, "chkAll");
  get(c.chkAutoTags, "chkAutoTags");
  get(c.lstUserTags, "lstUserTags");
  get(c.cmdAddUserTag, "cmdAddUserTag");
  get(c.picUserTags, "picUserTags");
  get(c.vScroll2, "VScroll2");
  get(c.oTagUser, "oTagUser");
  get(c.picTagPanel, "picTagPanel");
  get(c.vScroll1, "VScroll1");
  get(c.oTagPanel, "oTagPanel");
  get(c.picSelTags, "picSelTags");
  get(c.oTagBar, "oTagBar");
  get(c.lstPaths, "lstPaths");
  get(c.lstFolders, "lstFolders");
  get(c.lstFiles, "lstFiles");
  get(c.lblHelp, "lblHelp");
  get(c.lblStatus, "lblStatus");
  return c;
}

int WidthForText(const QWidget& control, const QString& text) {
  const int advance = control.fontMetrics().horizontalAdvance(text);
  QStyleOptionButton option;
  option.initFrom(&control);
  if (const auto* label = qobject_cast<const QLabel*>(&control)) {
    const QMargins margins = label->contentsMargins();
    return advance + margins.left() + margins.right() + 2 * label->margin();
  }
  // A push button's text is left out: styles give one with text a least width of their own.
  QStyle::ContentsType type = QStyle::CT_PushButton;
  if (qobject_cast<const QCheckBox*>(&control)) type = QStyle::CT_CheckBox, option.text = text;
  if (qobject_cast<const QRadioButton*>(&control))
    type = QStyle::CT_RadioButton, option.text = text;
  return control.style()->sizeFromContents(type, &option, QSize(advance, 0), &control).width();
}

namespace {

// "Match (All) (Any) of the following tags." as one line: each part as wide as its words,
// the frame around the two choices.
void FlowMatchLine(QWidget& form) {
  const auto find = [&form](const char* name) {
    QWidget* w = form.findChild<QWidget*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
    w->ensurePolished();
    return w;
  };
  QWidget* shape = find("Shape1");
  int x = find("Label3")->x();
  // Each part at x, as wide as its words (a choice no narrower than placed); x moves past it.
  const auto place = [&x](QWidget* w, int gap) {
    const auto* label = qobject_cast<QLabel*>(w);
    QString whole = w->property(kWholeText).toString();
    if (whole.isEmpty()) whole = label ? label->text() : static_cast<QAbstractButton*>(w)->text();
    const int least = label ? 0 : w->width();
    w->setGeometry(x, w->y(), std::max(least, WidthForText(*w, whole)), w->height());
    x += w->width() + gap;
  };
  place(find("Label3"), 3);
  shape->move(x, shape->y());
  x += 4;
  place(find("optTagAll"), 3);
  place(find("optTagAny"), 4);
  shape->resize(x - shape->x(), shape->height());
  x += 2;
  place(find("Label4"), 0);
}

}  // namespace

void FitTranslatedTexts(QWidget& form) {
  // Translated, the line is laid out anew; in English it stays as placed.
  if (!form.findChild<QWidget*>(QStringLiteral("optTagAll"))->property(kWholeText).isNull())
    FlowMatchLine(form);
  for (QWidget* w : form.findChildren<QWidget*>()) {
    const QString whole = w->property(kWholeText).toString();
    if (whole.isEmpty()) continue;
    w->ensurePolished();  // measured in the font and style it is shown with
    const auto setText = [w](const QString& text) {
      if (auto* label = qobject_cast<QLabel*>(w)) label->setText(text);
      if (auto* button = qobject_cast<QAbstractButton*>(w)) button->setText(text);
    };
    // The room up to the next control on its right, shown or not, or the edge of its parent.
    int right = w->parentWidget()->width();
    for (const QWidget* other :
         w->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      const int middle = w->y() + w->height() / 2;
      if (other != w && other->x() > w->x() && other->y() <= middle &&
          other->geometry().bottom() >= middle)
        right = std::min(right, other->x() - 2);
    }
    const int room = right - w->x();
    const int need = WidthForText(*w, whole);
    // A label placed as wide as its text gives back what it would cover.
    if (qobject_cast<QLabel*>(w) && w->width() > room && need > room)
      w->resize(std::max(room, 0), w->height());
    if (need > w->width()) w->resize(std::max(w->width(), std::min(need, room)), w->height());
    const QString tip = w->property(kTipText).toString();
    if (need <= w->width()) {
      setText(whole);
      w->setToolTip(tip);
      continue;
    }
    const int padding = need - w->fontMetrics().horizontalAdvance(whole);
    setText(w->fontMetrics().elidedText(whole, Qt::ElideRight, w->width() - padding));
    w->setToolTip(tip.isEmpty() ? whole : whole + u'\n' + tip);
  }
}

const std::vector<HomePlace>& HomePlaces() {
  static const std::vector<HomePlace> places = [] {
    std::vector<HomePlace> out;
    for (const Control& c : kControls) {
      if (c.parent == nullptr)
        out.push_back({c.name, {c.left, c.top, c.width, c.height}, c.kind == Kind::Label});
    }
    return out;
  }();
  return places;
}

}  // namespace velmora::mainwindow
