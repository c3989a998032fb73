#pragma once
// What the status line says. The line belongs to the file commands: a command's words stand
// until the next command, and no load takes them back. A load shows its progress over them
// while it runs, and its own words ("Stopped at 12 files") while they are true, until the
// next load; the newer of the two shows. How many files are listed is said only when asked
// for, and only when nothing else speaks.

#include <QString>
#include <cstddef>
#include <cstdint>

#include "catalogue/browser.h"

namespace velmora::mainwindow {

// "3 of 957,650 files"
QString FilesCount(std::size_t listed, std::size_t all);
// "1 file", "957,650 files"
QString Files(std::size_t n);
// A chip's tooltip after its name: "\n3 files of the folder, 1 of them listed"
QString HitsText(const catalogue::TagHits& hits);

class StatusLine {
 public:
  // A file command runs between these: the loads it starts are its own.
  // A command's words.
  void Say(const QString& text) {
    command_ = text;
    commandAt_ = ++said_;
  }
  // Words of the load shown, said until the next load.
  void Note(const QString& text);
  // folder: the path shown, for when the folder itself went.
  void Progress(const catalogue::LoadProgress& progress, const QString& folder = {});
  void Count(std::size_t listed, std::size_t all) {
    count_ = FilesCount(listed, all);
    files_ = all;
  }
  void SetShowCount(bool show) { showCount_ = show; }
  bool ShowsCount() const { return showCount_; }
  // Every folder is shown: when nothing else speaks, the line says so, with the count.
  void SetAll(bool all) { all_ = all; }
  const QString& CountText() const { return count_; }
  bool Loading() const { return loading_; }
  // What the line shows now.
  QString Text() const;

 private:
  bool loading_ = false;
  bool showCount_ = false;
  bool all_ = false;
  std::size_t files_ = 0;
  bool gone_ = false;
  QString command_;
  QString loadWords_;  // the progress while the load runs, its own words once it ended
  QString note_;       // said of the load shown
  std::uint64_t load_ = 0;
  QString count_;
  std::uint64_t said_ = 0;  // counts what was said, so that the newest shows
  std::uint64_t commandAt_ = 0, loadWordsAt_ = 0;
};

}  // namespace velmora::mainwindow
