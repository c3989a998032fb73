#include "mainwindow/status_line.h"

#include <utility>

namespace velmora::mainwindow {

QString Files(std::size_t n) {
  return n == 1 ? QStringLiteral("1 file") : QStringLiteral("%L1 files").arg(n);
}

QString FilesCount(std::size_t listed, std::size_t all) {
  return QStringLiteral("%L1 of %2").arg(listed).arg(Files(all));
}

QString HitsText(const catalogue::TagHits& hits) {
  return QStringLiteral("\n%1 of the folder, %L2 of them listed")
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
  const QString words =
      progress.gone ? QStringLiteral("The folder %1 is not there any more").arg(folder)
      : progress.loading && progress.checking
          ? QStringLiteral("Checking %1 listed earlier\u2026").arg(Files(progress.files))
      : progress.loading ? (progress.files == 0 ? QString() : Files(progress.files) + u'\u2026')
      : progress.readingFacts ? QStringLiteral("Reading sizes and dates\u2026")
      : !note_.isEmpty()      ? note_
      : progress.unchecked    ? QStringLiteral("Not checked: %1 listed as of an earlier reading")
                                 .arg(Files(progress.files))
      : progress.stopped ? QStringLiteral("Stopped at %1").arg(Files(progress.files))
      : progress.liveOff ? QStringLiteral("Live refresh is off for this folder")
      : n == 0           ? QString()
      : n == 1           ? QStringLiteral("1 folder could not be read")
                         : QStringLiteral("%L1 folders could not be read").arg(n);
  if (words != loadWords_) loadWordsAt_ = ++said_;
  loadWords_ = words;
}

QString StatusLine::Text() const {
  // A folder that went outranks everything said of it; a load's progress shows while it runs.
  if ((loading_ || gone_) && !loadWords_.isEmpty()) return loadWords_;
  if (!command_.isEmpty() && (loadWords_.isEmpty() || commandAt_ > loadWordsAt_)) return command_;
  if (!loadWords_.isEmpty()) return loadWords_;
  if (all_) return QStringLiteral("All folders: %1").arg(showCount_ ? count_ : Files(files_));
  return showCount_ ? count_ : QString();
}

}  // namespace velmora::mainwindow
