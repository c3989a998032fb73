#pragma once
// A one-line field along the lower edge of the file list, over it, that narrows the list
// to the files whose names hold its text, and whose sizes and times fit its terms
// (size:>10M, modified:2019). Closed by Esc, or once emptied. The window's
// child rather than the list's: screen readers find a table's cells only, not a field in it.

#include <QLineEdit>
#include <QTimer>
#include <functional>
#include <string>

namespace velmora::mainwindow {

class FileTable;

class FindField final : public QLineEdit {
  Q_OBJECT
 public:
  // find hears the text (empty once closed): once the keys typed so far are taken in,
  // so that only the newest text is looked for.
  FindField(FileTable& list, std::function<void(const std::string&)> find);
  void Open();
  void Close();

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Place();
  // A term that could not be read: the text in red, and why as its tooltip; none: as it was.
  void ShowError(const std::string& error);

  FileTable& list_;
  std::function<void(const std::string&)> find_;
  QTimer settle_;
};

}  // namespace velmora::mainwindow
