#pragma once
// The files' kinds as the desktop knows them, from the shared MIME database: by name once
// per extension, and by content, in the background, for the files whose names say
// nothing. Each kind's description and theme icon are made once.
// Owner: the window's thread. The reader runs as a BackgroundJob on copies of the paths
// it reads, posting handover::Kinds to the browser's inbox, given back through Take.

#include <QIcon>
#include <QMimeType>
#include <QTimer>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "catalogue/background_job.h"
#include "catalogue/path_list.h"
#include "catalogue/row_order.h"

namespace velmora::mainwindow {

class FileKinds {
 public:
  explicit FileKinds(std::shared_ptr<catalogue::Inbox> inbox);

  // The kind of the file numbered file of files, its name as folded (ASCII capitals may
  // stay: FilterIndex::Folded); -1 while not
  // known. A file whose name says nothing is read for it soon, once.
  int Of(std::size_t file, const catalogue::PathList& files, std::string_view folded);
  QString Description(int kind) const;
  QIcon Icon(int kind);
  // Takes kinds read; true when they change what is shown.
  bool Take(const catalogue::handover::Kinds& kinds);
  // Every file's kind by content goes, and the read running is let go.
  void Clear();
  // The files were numbered afresh (numbers[old], or RowChange::kGone).
  void Renumber(const std::vector<std::size_t>& numbers);
  // The order of the kinds of files (names folded in names), looking each extension up.
  catalogue::TypeRanks Ranks(const std::vector<std::size_t>& files,
                             const catalogue::FilterIndex& names);

 private:
  static constexpr int kPending = -1, kNone = -2, kByContent = -3;
  struct Kind {
    QMimeType type;
    QIcon icon;
    bool iconMade = false;
  };
  int ByExtension(std::string_view extension);
  int KindNamed(const QString& name);
  void ReadWanted();

  catalogue::BackgroundJob job_;
  QTimer start_;  // the rows painted together are read together
  bool reading_ = false;
  std::vector<Kind> kinds_;
  std::unordered_map<QString, int> byName_;
  std::unordered_map<std::string, int, catalogue::TypeRanks::Hash, std::equal_to<>> byExtension_;
  std::unordered_map<std::size_t, int> byFile_;  // files whose names say nothing
  std::vector<std::pair<std::size_t, std::string>> wanted_;
};

}  // namespace velmora::mainwindow
