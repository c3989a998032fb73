#include "mainwindow/status_line.h"

namespace velmora::mainwindow {

QString FilesCount(std::size_t listed, std::size_t all) {
  return QStringLiteral("%L1 of %L2 %3")
      .arg(listed)
      .arg(all)
      .arg(all == 1 ? QStringLiteral("file") : QStringLiteral("files"));
}

QString HitsText(const catalogue::TagHits& hits) {
  return QStringLiteral("\n%L1 %2 of the folder, %L3 of them listed")
      .arg(hits.all)
      .arg(hits.all == 1 ? QStringLiteral("file") : QStringLiteral("files"))
      .arg(hits.kept);
}

void StatusLine::Progress(const catalogue::LoadProgress& progress, const QString& folder) {
  if (progress.load != load_) {
    load_ = progress.load;
    if (!inCommand_) command_.clear();
  }
  loading_ = progress.loading;
  gone_ = progress.gone;
  const std::size_t n = progress.unreadable;
  loadWords_ =
      progress.gone ? QStringLiteral("The folder %1 is not there any more").arg(folder)
      : progress.loading && progress.checking
          ? QStringLiteral("Checking %L1 files…").arg(progress.files)
      : progress.loading
          ? (progress.files == 0 ? QString() : QStringLiteral("%L1 files…").arg(progress.files))
      : progress.stopped ? QStringLiteral("Stopped at %L1 files").arg(progress.files)
      : progress.liveOff ? QStringLiteral("Live refresh is off for this folder")
      : n == 0           ? QString()
      : n == 1           ? QStringLiteral("1 folder could not be read")
                         : QStringLiteral("%L1 folders could not be read").arg(n);
}

QString StatusLine::Text() const {
  // A folder that went outranks everything said of it.
  if ((loading_ || gone_) && !loadWords_.isEmpty()) return loadWords_;
  if (!command_.isEmpty()) return command_;
  if (loading_ || !loadWords_.isEmpty()) return loadWords_;
  return showCount_ ? count_ : QString();
}

}  // namespace velmora::mainwindow
