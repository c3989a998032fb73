#pragma once
// The file list as a model over the paths of the last load: filling it costs nothing,
// and filtering hands it the row numbers to show.

#include <QAbstractListModel>
#include <optional>
#include <vector>

#include "catalogue/path_list.h"

namespace velmora::mainwindow {

class FileListModel : public QAbstractListModel {
  Q_OBJECT
 public:
  using QAbstractListModel::QAbstractListModel;

  // Shows every path of files, in order.
  void SetFiles(const catalogue::PathList* files);
  // Shows the files at these positions of the last SetFiles, in this order.
  void SetRows(std::vector<std::size_t> rows);
  void Clear() { SetFiles(nullptr); }

  // The exact bytes of the path shown at row; the empty text for a row that is not there.
  std::string PathAt(int row) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;

 private:
  std::size_t FileAt(int row) const {
    return rows_ ? (*rows_)[static_cast<std::size_t>(row)] : static_cast<std::size_t>(row);
  }

  const catalogue::PathList* files_ = nullptr;
  std::optional<std::vector<std::size_t>> rows_;  // none: every file
};

}  // namespace velmora::mainwindow
