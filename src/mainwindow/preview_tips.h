#pragma once
// A picture's thumbnail in the file list's tooltip, above the row's own tip: on resting the
// mouse on a picture's row, and on Space for the current row. The row's text tip shows at
// once; the thumbnail joins it when ready, if the tip is still up on that row. Lives on the
// window's thread; the thumbnails are found or made on the Thumbnailer's. A tip goes when
// its row is replaced or moves from under it (another folder, a new filter, a sort), not
// when rows come in after it.

#include <QModelIndex>
#include <QObject>
#include <QPersistentModelIndex>
#include <QPoint>
#include <QSet>

#include "desktop/thumbnails.h"

class QAbstractItemView;

namespace velmora::mainwindow {

class FileListModel;

// The thumbnail in the file at thumbnail above the plain text tip, as rich text.
QString PreviewTipText(const std::string& thumbnail, const QString& tip);

class PreviewTips : public QObject {
 public:
  PreviewTips(QAbstractItemView& view, const FileListModel& files, QObject* parent);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Asks for the thumbnail of index's picture; true when one was known and shown at once.
  bool Ask(const QModelIndex& index);
  void Show(const std::string& path, const std::string& thumbnail);
  // index's tip at at_, its thumbnail above it unless empty.
  void ShowTip(const QModelIndex& index, const std::string& thumbnail);
  // The list's tip up now, text, is index's (none: the list's own, over its blank).
  void Noted(const QModelIndex& index, const QString& text);
  // Hides the list's tip when its row is gone or moved, or every row replaced.
  void RowsChanged(bool replaced);

  QAbstractItemView& view_;
  const FileListModel& files_;
  desktop::Thumbnailer thumbnails_;
  QSet<QByteArray> formats_;  // the suffixes of the pictures Qt reads
  std::string wanted_;        // the last picture asked for
  QPoint at_;                 // where its tip goes
  bool byKey_ = false;        // for the current row rather than the one under the mouse
  std::string shownPath_, shownThumbnail_;  // the last thumbnail found
  QString tip_;                             // the text of the list's last tip
  QPersistentModelIndex tipRow_;            // its row, which was at tipAt_
  int tipAt_ = -1;
};

}  // namespace velmora::mainwindow
