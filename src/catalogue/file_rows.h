#pragma once
// The files of the shown folder and the rows of the file list: which files the filter
// keeps, less those gone since they were listed. One thread, the session's owner; the
// listener hears of each change as it is made, and each call returns the changes too.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "catalogue/filter.h"
#include "catalogue/inbox.h"
#include "catalogue/path_list.h"
#include "catalogue/tags.h"

namespace velmora::catalogue {

// Rows of the file list about to change, and changed: inserted or removed rows first
// to last, every row replaced, or the files renumbered: a fresh reading of the folder in
// place of the files listed, where numbers tells each listed file's number now (or
// kGone), so that rows that stay keep their selection.
struct RowChange {
  enum class Kind { Reset, Insert, Remove, Renumber };
  static constexpr std::size_t kGone = SIZE_MAX;
  Kind kind;
  std::size_t first = 0;
  std::size_t last = 0;
  const std::vector<std::size_t>* numbers = nullptr;  // Renumber only
  friend bool operator==(const RowChange&, const RowChange&) = default;
};

class RowListener {
 public:
  virtual ~RowListener() = default;
  virtual void RowsChanging(const RowChange& change) = 0;
  virtual void RowsChanged(const RowChange& change) = 0;
  // Sizes and times came in; complete: every file listed has them now.
  virtual void FactsChanged(bool complete) { static_cast<void>(complete); }
  // A sort in the background ended: the files of the rows it was given, in its order.
  virtual void SortEnded(std::vector<std::size_t> order) { static_cast<void>(order); }
  // Files' kinds read by the listener's own background work came in.
  virtual void KindsRead(handover::Kinds& kinds) { static_cast<void>(kinds); }
};

class FileRows {
 public:
  void SetListener(RowListener* listener) { listener_ = listener; }

  std::size_t RowCount() const {
    return rows_ ? rows_->size() - gap_ : files_.size() - skipped_.size();
  }
  std::size_t FileAtRow(std::size_t row) const {
    if (rows_) return (*rows_)[row < gapAt_ ? row : row + gap_];
    return skipped_.empty() ? row : row + SkippedBefore(row);
  }
  // The files of every row, in order.
  std::vector<std::size_t> RowFiles() const;
  // Every file listed, gone ones too: rows name them by number.
  const PathList& Files() const { return files_; }
  // The files, less those gone since they were listed.
  std::size_t FileCount() const { return files_.size() - goneCount_; }
  const FilterIndex& Index() const { return files_.Names(); }
  const TagCounts& Tags() const { return tags_; }
  // The files kept; none when every file is.
  std::optional<FileSet> Kept() const;
  // The files gone from Files(), which it lists until the folder is read again; none when
  // none has gone.
  const FileSet* GoneFiles() const { return goneCount_ > 0 ? &gone_ : nullptr; }
  bool KeepsAll() const { return !rows_ && skipped_.empty(); }

  // How tags are cut from the files listed after the next Clear.
  void SetRule(TagRule rule) { rule_ = std::move(rule); }
  // The words of the files' folders, when the rule takes them as tags; else none.
  const FolderWords* Folders() const;
  // Lets go of every file. Files that come later are kept by the filter given them when
  // filtered, else all of them.
  std::vector<RowChange> Clear(bool filtered);
  // Lists files after those listed, with the rows filter keeps of them; fresh: the
  // tags that no file had before.
  std::vector<RowChange> Append(handover::Files&& files, const RowFilter& filter,
                                std::vector<std::string>& fresh);
  // Leaves out of files made later those listed already (a file renamed over another is
  // made where one is listed); false when none is left. again: the numbers of the files
  // listed that were made again.
  bool DropListed(handover::Files& files, std::vector<std::size_t>* again = nullptr);
  // Files gone by path, and with folders, everything under the folders among paths;
  // emptied: the tags that no file has any more.
  std::vector<RowChange> Remove(const std::vector<std::string>& paths, bool folders,
                                std::vector<std::string>& emptied);
  std::vector<RowChange> Refilter(const RowFilter& filter);
  // The files of fresh in place of those listed, with the rows filter keeps of them;
  // numbers: each listed file's number in fresh, or RowChange::kGone.
  std::vector<RowChange> Renumber(ListedFiles&& fresh, const std::vector<std::size_t>& numbers,
                                  const RowFilter& filter);

 private:
  // Calls file(i) for the file of each row, in order.
  template <class File>
  void EachRowFile(File&& file) const;
  void Changing(const RowChange& change, std::vector<RowChange>& made) const;
  void Changed(const RowChange& change) const;
  // Lets go of what was found of the files listed: folders, runs, tags, files gone.
  void Forget();
  std::vector<std::uint32_t> FoldersNamed(std::string_view text);
  // Brings runs_ up to date with the files listed.
  void FindRuns();
  bool Gone(std::size_t i) const { return gone_.Holds(i); }
  // The row of file i among the rows kept, if kept.
  std::optional<std::size_t> RowOf(std::size_t i) const;
  // With every file kept: how many files gone come before the file at row.
  std::size_t SkippedBefore(std::size_t row) const;
  // Takes the rows of runs out, telling each run unless reset: rows_ else skipped_.
  void TakeOut(const std::vector<std::pair<std::size_t, std::size_t>>& runs,
               const std::vector<std::size_t>& files, bool reset, std::vector<RowChange>& made);
  // Moves the gap to row at, with the rows between.
  void MoveGap(std::size_t at);
  void ResetRows(std::optional<std::vector<std::size_t>> rows);

  RowListener* listener_ = nullptr;
  PathList files_;
  TagRule rule_;
  mutable FolderWords folderWords_;  // follows files_ when asked for
  TagCounts tags_;
  std::unordered_multimap<std::size_t, std::uint32_t> folderHashes_;  // made on first need
  std::size_t hashed_ = 0;
  // The files of each folder number follow one another: where, made on first need.
  struct Run {
    std::size_t first = 0, end = 0;
  };
  std::vector<Run> runs_;
  std::size_t ran_ = 0;
  bool scattered_ = false;
  FileSet gone_;  // the files gone, a bit each, handed to the counts too
  std::size_t goneCount_ = 0;
  std::optional<std::vector<std::size_t>> rows_;  // none: every file but those skipped
  // With no rows_: the files gone, in order. Rows need not be made for every file when
  // the first of millions goes.
  std::vector<std::size_t> skipped_;
  // Rows taken out leave a gap that stays where they were: rows_ from gapAt_ on are gap_
  // places further on. Files go in bursts near one another, so that the next removal
  // moves only the rows between the gap and it, not every row after it.
  std::size_t gapAt_ = SIZE_MAX, gap_ = 0;
};

}  // namespace velmora::catalogue
