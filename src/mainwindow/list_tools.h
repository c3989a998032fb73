#pragma once
// What the file list offers beyond its plain rows, each only when asked for: the find field,
// more columns with a header, and sorting by a column (a header click sorts, a second
// click the other way round, a third back to the walk's order).

#include <QObject>
#include <vector>

#include "catalogue/browser.h"
#include "mainwindow/file_list_model.h"
#include "mainwindow/find_field.h"
#include "mainwindow/form_menus.h"

namespace velmora::mainwindow {

class FileTable;

// What the window keeps of them between runs.
struct ListToolsState {
  unsigned columns = 0;  // bit k: kExtraColumns[k] shown
  catalogue::SortBy sort;
};

class ListTools : public QObject {
  Q_OBJECT
 public:
  ListTools(FileTable& list, FileListModel& model, catalogue::Browser& browser);

  void OpenFind() { find_.Open(); }
  // The browser let go of the text looked for: the field closes without looking again.
  void CloseFind() { find_.Close(); }
  // The field open with text, which the browser looks for already; closed when it is empty.
  void ShowFind(const std::string& text);
  // The file list menu's entries for them: Find, Columns, Sort By.
  std::vector<MenuItem> MenuItems();

  ListToolsState State() const;
  void Restore(const ListToolsState& state);

  void SetShown(Column column, bool on);
  void SetSort(catalogue::SortBy by);

 private:
  void HeaderClicked(int section);
  // The current row stays where it was on screen when the rows take another order: a sort,
  // or a fresh reading's.
  void KeepCurrentInPlace();
  // The header: shown with more than the path, its widths, its sort indicator.
  void ShowHeader();

  FileTable& list_;
  FileListModel& model_;
  catalogue::Browser& browser_;
  FindField find_;
  Column sortColumn_ = Column::Path;  // the column whose header sorted, or that shows the key
  int currentTop_ = -1;  // the current row's place in the view before, when it was in sight
};

}  // namespace velmora::mainwindow
