#include "mainwindow/status_line.h"

#include <QCoreApplication>
#include <utility>

namespace velmora::mainwindow {

QString Files(std::size_t n) {
  const int count = static_cast<int>(n);
  return n == 1 ? QCoreApplication::translate("velmora", "1 file")
                : QCoreApplication::translate("velmora", "%Ln files", nullptr, count);
}

QString FilesCount(std::size_t listed, std::size_t all) {
  return QCoreApplication::translate("velmora", "%L1 of %2", "3 of 957,650 files")
      .arg(listed)
      .arg(Files(all));
}

QString HitsText(const catalogue::TagHits& hits) {
  return QCoreApplication::translate("velmora", "\n%1 of the folder, %L2 of them listed",
                                     "3 files of the folder, 1 of them listed")
      .arg(Files(hits.all))
      .arg(hits.kept);
}

void StatusLine::Note(const QString& text) {
  note_ = text;
  loadWords_ = text;
  loadWordsAt_ = ++said_;
}

void StatusLine::Progress(const catalogue::LoadProgress& progress, const QString& folder) {
  if (std::exchange(load_, progress.load) != progress.load) note_.clear();
  loading_ = progress.loading;
  gone_ = progress.gone;
  const std::size_t n = progress.unreadable;
  const int count = static_cast<int>(n);
  const QString words =
      progress.gone ? QCoreApplication::translate("velmora", "The folder %1 is not there any more")
                          .arg(folder)
      : progress.loading && progress.checking
          ? QCoreApplication::translate("velmora", "Checking %1 listed earlier…", "%1: 12 files")
                .arg(Files(progress.files))
      : progress.loading ? (progress.files == 0 ? QString() : Files(progress.files) + u'\u2026')
      : progress.readingFacts ? QCoreApplication::translate("velmora", "Reading sizes and dates…")
      : !note_.isEmpty()      ? note_
      : progress.unchecked    ? QCoreApplication::translate(
                                    "velmora", "Not checked: %1 listed as of an earlier reading")
                                 .arg(Files(progress.files))
      : progress.stopped ? QCoreApplication::translate("velmora", "Stopped at %1", "%1: 12 files")
                               .arg(Files(progress.files))
      : progress.liveOff
          ? QCoreApplication::translate("velmora", "Live refresh is off for this folder")
      : n == 0 ? QString()
      : n == 1
          ? QCoreApplication::translate("velmora", "1 folder could not be read")
          : QCoreApplication::translate("velmora", "%Ln folders could not be read", nullptr, count);
  if (words != loadWords_) loadWordsAt_ = ++said_;
  loadWords_ = words;
}

QString StatusLine::Text() const {
  // A folder that went outranks everything said of it; a load's progress shows while it runs.
  if ((loading_ || gone_) && !loadWords_.isEmpty()) return loadWords_;
  if (!command_.isEmpty() && (loadWords_.isEmpty() || commandAt_ > loadWordsAt_)) return command_;
  if (!loadWords_.isEmpty()) return loadWords_;
  if (all_)
    return QCoreApplication::translate("velmora", "All folders: %1")
        .arg(showCount_ ? count_ : Files(files_));
  return showCount_ ? count_ : QString();
}

}  // namespace velmora::mainwindow
