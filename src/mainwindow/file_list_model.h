#pragma once
// The file list as a model over the browser's rows: it holds nothing of its own, and
// hears the rows' changes and passes them on, so that selection and scrolling survive them.

#include <QAbstractListModel>
#include <QTimer>

#include "catalogue/browser.h"

namespace velmora::mainwindow {

class FileListModel : public QAbstractListModel, public catalogue::RowListener {
  Q_OBJECT
 public:
  // Hears the browser's rows until it goes.
  FileListModel(catalogue::Browser& browser, QObject* parent);
  ~FileListModel() override;

  void RowsChanging(const catalogue::RowChange& change) override;
  void RowsChanged(const catalogue::RowChange& change) override;
  // While a folder loads, rows added at the end are told to the views together, at most
  // every tenth of a second (the first at once): a view's bookkeeping for an insertion
  // grows with the rows it has. Call when the load ends.
  void Announce();

  // The exact bytes of the path shown at row; the empty text for a row that is not there.
  std::string PathAt(int row) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  // Without the base's checks through rowCount and columnCount: views ask for every row.
  QModelIndex index(int row, int column = 0, const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  // The one column is named for screen readers, though its header is not shown.
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  // Rows dragged out to other programs: their addresses (exact bytes, escaped) and paths.
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QStringList mimeTypes() const override;
  QMimeData* mimeData(const QModelIndexList& indexes) const override;

 private:
  catalogue::Browser& browser_;
  int shown_ = 0;  // rows the views know of
  QTimer announce_;
};

}  // namespace velmora::mainwindow
