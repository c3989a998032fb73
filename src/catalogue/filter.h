#pragma once
// Narrowing a file list to the files whose names hold all, or any, of some tags, and
// none of others.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/path_list.h"

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
  std::string name;  // the name must also hold this text, anywhere, any case
  bool KeepsAll() const {
    return tags.empty() && excluded.empty() && mode == MatchMode::All && name.empty();
  }
};

// The lower-cased names of a file list, computed once per load so that each change
// of the filter only searches. Names are stored one after another, each ended by a
// NUL, which no file name holds, so one pass over a buffer searches every name in it.
// A list that grows while it is shown keeps its names in pieces, so that growing never
// copies what is there.
struct TagHits;
class FilterIndex {
 public:
  FilterIndex() = default;
  explicit FilterIndex(const PathList& paths);
  // A copy shares the pieces and seals them: neither index grows a piece the other
  // holds, so a copy can be read on another thread while this one grows.
  FilterIndex(const FilterIndex& other);
  FilterIndex& operator=(const FilterIndex& other);
  FilterIndex(FilterIndex&&) = default;
  FilterIndex& operator=(FilterIndex&&) = default;
  // The names of other after these ones.
  void Append(FilterIndex&& other);

  std::size_t size() const { return count_; }
  std::string_view Name(std::size_t i) const;
  // Marks hits[i] for each name that contains needle (already lower-cased); with words,
  // only where needle starts and ends on the edges of the name's words.
  void MarkHits(std::string_view needle, std::vector<unsigned char>& hits,
                bool words = false) const;
  // Whether name i contains needle; the same rule for a single name.
  bool Hits(std::size_t i, std::string_view needle, bool words = false) const;

 private:
  struct Piece {
    std::size_t first = 0;  // the number of its first name
    std::string names;
    std::vector<std::size_t> starts;  // one more than names: the end of the buffer
    // Where a capital followed a small letter (iPhone): a word's edge lower case hides.
    std::vector<std::uint32_t> camel;
    std::size_t size() const { return starts.size() - 1; }
    std::string_view Name(std::size_t k) const {
      return std::string_view(names).substr(starts[k], starts[k + 1] - starts[k] - 1);
    }
    void Add(std::string_view name);
    // Whether the m bytes at of name k start and end on edges of its words.
    bool Whole(std::size_t at, std::size_t m, std::size_t k) const;
    void MarkHits(std::string_view needle, unsigned char* hits, bool words) const;
  };
  const Piece& PieceOf(std::size_t i) const;
  friend std::vector<TagHits> CountTagHits(const FilterIndex&, const std::vector<std::string>&,
                                           std::span<const std::size_t>, std::stop_token, bool);

  // Shared by copies, which are cheap: a shared piece never grows.
  std::vector<std::shared_ptr<Piece>> pieces_;
  std::size_t count_ = 0;
  mutable std::size_t sealed_ = 0;  // pieces_ before this one are shared with a copy
};

// The indices, in list order, of the files that the tags keep: in All mode those whose
// name contains every tag, in Any mode those containing at least one; in both, less
// those whose name contains any excluded tag. A tag hits when it occurs anywhere in the
// lower-cased name, whatever its own case. No tags: All keeps everything, Any nothing,
// unless tags are excluded: then both keep every file not excluded ("all but these").
std::vector<std::size_t> ApplyTagFilter(const FilterIndex& index,
                                        const std::vector<std::string>& tags, MatchMode mode,
                                        const std::vector<std::string>& excluded = {});
// The same, with the filter's word rule, and less the files whose names lack its name.
std::vector<std::size_t> ApplyTagFilter(const FilterIndex& index, const RowFilter& filter);

// How many files one tag hits, by ApplyTagFilter's rule.
struct TagHits {
  std::size_t all = 0;   // of every file of the index
  std::size_t kept = 0;  // of the kept rows only
  bool operator==(const TagHits&) const = default;
};

// For each tag, the files it hits among all of index and among kept (sorted positions
// in index), in one pass over the names however many tags there are. Empty when stop
// is requested before the end.
std::vector<TagHits> CountTagHits(const FilterIndex& index, const std::vector<std::string>& tags,
                                  std::span<const std::size_t> kept = {},
                                  std::stop_token stop = {}, bool words = false);

}  // namespace velmora::catalogue
