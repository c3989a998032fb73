#include "mainwindow/preview_tips.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QCursor>
#include <QFile>
#include <QHelpEvent>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QTextDocument>
#include <QToolTip>
#include <QUrl>

#include "mainwindow/file_list_model.h"

namespace velmora::mainwindow {
namespace {

// A tooltip is named by its text; the thumbnail in a picture's tip, U+FFFC in the rich
// text's plain form, is left out of the name.
class TipAccessible final : public QAccessibleWidget {
 public:
  explicit TipAccessible(QLabel& tip) : QAccessibleWidget(&tip, QAccessible::ToolTip) {}
  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name || !widget()->accessibleName().isEmpty())
      return QAccessibleWidget::text(t);
    QString text = static_cast<const QLabel*>(widget())->text();
    if (Qt::mightBeRichText(text)) {
      QTextDocument rich;
      rich.setHtml(text);
      text = rich.toPlainText().remove(QChar::ObjectReplacementCharacter);
      while (text.startsWith(u'\n')) text.remove(0, 1);
    }
    return text;
  }
};

// For the label QToolTip shows, whose class Qt names QTipLabel.
QAccessibleInterface* TipInterface(const QString& className, QObject* object) {
  auto* tip = qobject_cast<QLabel*>(object);
  return tip != nullptr && className == QLatin1String("QTipLabel") ? new TipAccessible(*tip)
                                                                   : nullptr;
}

}  // namespace

QString PreviewTipText(const std::string& thumbnail, const QString& tip) {
  const QUrl image = QUrl::fromLocalFile(QFile::decodeName(thumbnail.c_str()));
  return QStringLiteral("<img src=\"%1\"><p style=\"white-space:pre\">%2</p>")
      .arg(image.toString(QUrl::FullyEncoded).toHtmlEscaped(), tip.toHtmlEscaped());
}

PreviewTips::PreviewTips(QAbstractItemView& view, const FileListModel& files, QObject* parent)
    : QObject(parent), view_(view), files_(files) {
  for (const QByteArray& format : QImageReader::supportedImageFormats()) formats_.insert(format);
  connect(&thumbnails_, &desktop::Thumbnailer::Ready, this, &PreviewTips::Show);
  QAccessible::installFactory(TipInterface);  // once for the program, however often asked
  connect(&files_, &QAbstractItemModel::modelReset, this, [this] { RowsChanged(true); });
  connect(&files_, &QAbstractItemModel::layoutChanged, this, [this] { RowsChanged(false); });
  connect(&files_, &QAbstractItemModel::rowsRemoved, this, [this] { RowsChanged(false); });
  connect(&files_, &QAbstractItemModel::rowsInserted, this, [this] { RowsChanged(false); });
  view_.installEventFilter(this);
  view_.viewport()->installEventFilter(this);
}

bool PreviewTips::eventFilter(QObject* watched, QEvent* event) {
  // The type first: while the view is destroyed, its children's going still comes here.
  if (event->type() == QEvent::ToolTip && watched == view_.viewport()) {
    const auto* help = static_cast<QHelpEvent*>(event);
    const QModelIndex index = view_.indexAt(help->pos());
    at_ = help->globalPos();
    byKey_ = false;
    Noted(index, index.data(Qt::ToolTipRole).toString());  // the view's, unless Ask shows one
    return Ask(index);
  }
  if (event->type() == QEvent::ToolTip && watched == &view_) Noted({}, view_.toolTip());
  // On the release: a key pressed hides any tip. The press goes on to the view, which
  // selects the row as before.
  if (event->type() != QEvent::KeyRelease || watched != &view_) return false;
  if (const auto* key = static_cast<QKeyEvent*>(event);
      key->key() == Qt::Key_Space && key->modifiers() == Qt::NoModifier && !key->isAutoRepeat()) {
    const QModelIndex current = view_.currentIndex();
    at_ = view_.viewport()->mapToGlobal(view_.visualRect(current).bottomLeft());
    byKey_ = true;
    if (current.isValid() && !Ask(current)) ShowTip(current, {});
  }
  return false;
}

bool PreviewTips::Ask(const QModelIndex& index) {
  const std::string path = files_.PathAt(index.row());
  const std::size_t dot = path.rfind('.');
  wanted_.clear();
  if (dot == std::string::npos || path.find('/', dot) != std::string::npos ||
      !formats_.contains(QByteArray::fromStdString(path.substr(dot + 1)).toLower()))
    return false;
  wanted_ = path;
  thumbnails_.Request(path);  // even when known: the picture may have changed since
  if (path != shownPath_) return false;
  ShowTip(index, shownThumbnail_);
  return true;
}

void PreviewTips::Show(const std::string& path, const std::string& thumbnail) {
  if (path != wanted_ || thumbnail.empty()) return;
  shownPath_ = path;
  shownThumbnail_ = thumbnail;
  // Only while the row's tip is up and the row still under the mouse, or still current.
  const QModelIndex index = byKey_ ? view_.currentIndex()
                                   : view_.indexAt(view_.viewport()->mapFromGlobal(QCursor::pos()));
  if (QToolTip::isVisible() && index.isValid() && files_.PathAt(index.row()) == path)
    ShowTip(index, thumbnail);
}

void PreviewTips::ShowTip(const QModelIndex& index, const std::string& thumbnail) {
  const QString tip = index.data(Qt::ToolTipRole).toString();
  const QString text = thumbnail.empty() ? tip : PreviewTipText(thumbnail, tip);
  QToolTip::showText(at_, text, view_.viewport(), view_.visualRect(index));
  Noted(index, text);
}

void PreviewTips::Noted(const QModelIndex& index, const QString& text) {
  tip_ = text;
  tipRow_ = index;
  tipAt_ = index.row();
}

void PreviewTips::RowsChanged(bool replaced) {
  if (tip_.isEmpty() || !QToolTip::isVisible() || QToolTip::text() != tip_) return;
  if (replaced || tipRow_.row() != tipAt_) QToolTip::hideText();
}

}  // namespace velmora::mainwindow
