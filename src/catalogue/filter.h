#pragma once
// Narrowing a file list to the files whose names hold all, or any, of some tags, and
// none of others.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/filter_index.h"
#include "catalogue/find_terms.h"
#include "catalogue/path_list.h"
#include "catalogue/tags.h"
#include "platform/file_facts.h"

namespace velmora::catalogue {

enum class MatchMode { All, Any };

// What the filter bar and the find field ask of a file's name.
struct RowFilter {
  std::vector<std::string> tags;
  std::vector<std::string> excluded;
  MatchMode mode = MatchMode::All;
  // A tag hits only whole words of a name (the words its tags are cut into), in a row
  // when it has several, rather than anywhere in it.
  bool words = false;
  std::string name;               // the name must also hold this text, anywhere, any case
  Digits digits = Digits::Split;  // how the words are cut
  // The sizes and times the files must have, from facts by file number; a file whose
  // facts are not known is left out while either is asked.
  std::optional<Range> size = {}, modified = {};
  std::span<const platform::FileFacts> facts = {};
  bool none = false;  // a find term could not be read: no file is kept
  bool KeepsAll() const {
    return tags.empty() && excluded.empty() && mode == MatchMode::All && name.empty() && !size &&
           !modified && !none;
  }
};

// The words of the files' folders, as tags of the files beside those of their names: each
// folder's text below the folder it lies in, searched once for all of its files.
class FolderWords {
 public:
  struct Run {
    std::size_t first = 0, end = 0;  // the files of one folder that follow one another
    std::uint32_t folder = 0;
  };
  // Follows files, which grew since the last call (or is another list after Clear).
  void Follow(const PathList& files, const TagRule& rule);
  void Clear() { *this = {}; }
  // The folders' texts below, by folder number, and the files of each.
  const FilterIndex& Below() const { return below_; }
  const std::vector<Run>& Runs() const { return runs_; }
  // Marks hits[i - from] for each file i from to to whose folder folders marks (as
  // FolderHits gives them).
  void MarkHits(const std::vector<unsigned char>& folders, unsigned char* hits, std::size_t from,
                std::size_t to) const;
  // The same for each folder: hits by folder number.
  std::vector<unsigned char> FolderHits(std::string_view needle, bool words, Digits digits) const;

 private:
  FilterIndex below_;
  std::vector<Run> runs_;
  std::size_t files_ = 0;  // followed so far
};

// The indices, in list order, of the files that the filter's tags keep: in All mode those
// whose name contains every tag, in Any mode those containing at least one; in both, less
// those whose name contains any excluded tag. A tag hits when it occurs anywhere in the
// lower-cased name, whatever its own case, or by the word rule. No tags: All keeps
// everything, Any nothing, unless tags are excluded: then both keep every file not
// excluded ("all but these"). Less, last, the files whose names lack the filter's name,
// and those whose facts do not fit. With folders, a tag also hits the files whose folder's
// words hold it.
// From split files on, two threads search the names, each half of them; the call returns
// when both are done. Each takes its names block files at a time.
inline constexpr std::size_t kFilterSplit = std::size_t{1} << 16;
inline constexpr std::size_t kFilterBlock = std::size_t{1} << 16;
// Runs second on a thread of its own while first runs on the caller's, and returns when
// both are done, throwing what either threw. For halves that only read the names.
void SideBySide(const std::function<void()>& first, const std::function<void()>& second);
std::vector<std::size_t> ApplyTagFilter(const FilterIndex& index, const RowFilter& filter,
                                        const FolderWords* folders = nullptr,
                                        std::size_t split = kFilterSplit,
                                        std::size_t block = kFilterBlock);

// Whether facts meet the filter's sizes and times.
bool FactsFit(const RowFilter& filter, const platform::FileFacts& facts);

// How many files one tag hits, by ApplyTagFilter's rule.
struct TagHits {
  std::size_t all = 0;   // of every file of the index
  std::size_t kept = 0;  // of the kept rows only
  bool operator==(const TagHits&) const = default;
};

// Files by their number in a list, a bit each: the rows of millions of files, handed to
// the counts, cost a 64th of the list of them.
class FileSet {
 public:
  FileSet() = default;
  // NOLINTNEXTLINE: a list of files is the set of them
  FileSet(const std::vector<std::size_t>& files) {
    for (const std::size_t file : files) Add(file);
  }
  // Room for the files below files.
  void Reserve(std::size_t files) {
    if (files > 64 * bits_.size()) bits_.resize((files + 63) / 64, 0);
  }
  void Add(std::size_t file) {
    Reserve(file + 1);
    bits_[file / 64] |= std::uint64_t{1} << (file % 64);
  }
  bool Holds(std::size_t file) const {
    return file / 64 < bits_.size() && ((bits_[file / 64] >> (file % 64)) & 1) != 0;
  }

 private:
  std::vector<std::uint64_t> bits_;
};

// For each tag, the files it hits among all of index and among kept (positions in index),
// in one pass over the names however many tags there are, the files gone left out; from
// split files on, two threads count each half of them. Empty when stop is requested
// before the end.
std::vector<TagHits> CountTagHits(const FilterIndex& index, const std::vector<std::string>& tags,
                                  const FileSet& kept = {}, std::stop_token stop = {},
                                  bool words = false, Digits digits = Digits::Split,
                                  const FolderWords* folders = nullptr,
                                  std::size_t split = kFilterSplit, const FileSet* gone = nullptr);

}  // namespace velmora::catalogue
