#pragma once
// Narrowing a file list to the files whose names hold all, or any, of some tags.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/path_list.h"

namespace velmora::catalogue {

enum class MatchMode { All, Any };

// The lower-cased names of a file list, computed once per load so that each change
// of the filter only searches. Names are stored one after another, each ended by a
// NUL, which no file name holds, so one pass over the buffer searches every name.
class FilterIndex {
 public:
  FilterIndex() = default;
  explicit FilterIndex(const PathList& paths);
  // The names of other after these ones.
  void Append(const FilterIndex& other);
  // Names of paths from position size() on.
  void Extend(const PathList& paths);

  std::size_t size() const { return starts_.empty() ? 0 : starts_.size() - 1; }
  std::string_view Name(std::size_t i) const {
    return std::string_view(names_).substr(starts_[i], starts_[i + 1] - starts_[i] - 1);
  }
  // Marks hits[i] for each name that contains needle (already lower-cased).
  void MarkHits(std::string_view needle, std::vector<unsigned char>& hits) const;
  // Whether name i contains needle; the same rule for a single name.
  bool Hits(std::size_t i, std::string_view needle) const;

 private:
  std::string names_;
  std::vector<std::size_t> starts_;  // one more than names: the end of the buffer
};

// The indices, in list order, of the files that the tags keep: in All mode those whose
// name contains every tag, in Any mode those containing at least one. A tag hits when
// it occurs anywhere in the lower-cased name, whatever its own case. No tags: All keeps
// everything, Any nothing.
std::vector<std::size_t> ApplyTagFilter(const FilterIndex& index,
                                        const std::vector<std::string>& tags, MatchMode mode);

}  // namespace velmora::catalogue
