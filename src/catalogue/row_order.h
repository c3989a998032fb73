#pragma once
// The file list's rows in another order than the walk's: by the values of a column.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <stop_token>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "catalogue/background_job.h"
#include "catalogue/filter.h"
#include "catalogue/inbox.h"
#include "catalogue/path_list.h"
#include "platform/file_facts.h"

namespace velmora::catalogue {

// Folder sorts by the folder's path, then by name within it.
enum class SortKey : std::uint8_t { None, Name, Folder, Size, Modified, Type };
struct SortBy {
  SortKey key = SortKey::None;
  bool descending = false;
  friend bool operator==(const SortBy&, const SortBy&) = default;
};

// The order of the files' kinds, by their descriptions: each kind's place, 1 on; 0 for a
// kind not known yet, which comes first.
struct TypeRanks {
  struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>()(s); }
  };
  std::unordered_map<std::string, std::uint32_t, Hash, std::equal_to<>> byExtension;  // folded
  std::unordered_map<std::size_t, std::uint32_t> byFile;  // those whose names say nothing
  std::uint32_t Of(std::size_t file, std::string_view name) const;
};

// What a sort reads, copied so that it can run on a thread of its own.
struct SortInput {
  SortBy by;
  std::vector<std::size_t> files;          // the file numbers to order
  FilterIndex names;                       // a copy shares their pieces
  std::vector<std::uint32_t> folderOf;     // per file, for Folder
  std::vector<std::string> folders;        // by folder number, for Folder
  std::vector<platform::FileFacts> facts;  // per file, for Size and Modified
  std::optional<TypeRanks> types;          // for Type by description; none: by extension
};
// The input for sorting files by by, copying from what is listed only what by needs.
SortInput MakeSortInput(SortBy by, std::vector<std::size_t> files, const FilterIndex& names,
                        const PathList& paths, std::span<const platform::FileFacts> facts,
                        std::optional<TypeRanks> types = std::nullopt);

// The name's extension: what follows its last dot, unless that starts the name.
std::string_view Extension(std::string_view name);
// The extension with its ASCII capitals made small.
std::string FoldedExtension(std::string_view name);

// The input's files in its order, names compared as lower-cased bytes; values not known
// yet come first. Equal values keep the walk's order, either way round. Empty when stop
// is requested.
std::vector<std::size_t> SortFiles(const SortInput& input, std::stop_token stop = {});

// Fewer rows than this are sorted at once, on the owner's thread: a few milliseconds.
inline constexpr std::size_t kSortAtOnce = 50000;

// The rows the views know, in a sort's order: sorted at once when few, else in the
// background (a BackgroundJob that posts Sorted), rows that come meanwhile following at
// the end until sorted in. Holds no order while the rows are in the walk's. Owner: one
// thread; the file list's model tells the views of each change it makes here.
class RowOrder {
 public:
  explicit RowOrder(std::shared_ptr<Inbox> inbox) : job_("velmora-sort", std::move(inbox)) {}

  SortBy By() const { return by_; }
  // Lets a sort running go; the order stays until Forget.
  void SetBy(SortBy by);
  // The files of the rows in order; none in the walk's order.
  const std::optional<std::vector<std::size_t>>& Files() const { return order_; }
  // Rows were added at the end since the order was sorted.
  bool Stale() const { return stale_; }
  bool InOrder() const { return by_.key == SortKey::None || (order_ && !stale_); }
  bool Sorting() const { return job_.Started(); }
  // Lets a sort running go, and its order.
  void Forget();

  // Sorts input's files, the rows known: at once, returning the order, or in the
  // background (Sorted comes, for Place) returning none.
  std::optional<std::vector<std::size_t>> Sort(SortInput input, bool atOnce);
  // A sort posted its order.
  std::vector<std::size_t> Take(handover::Sorted& sorted);
  // order's files first, in its order, then the rows known (rows, by file) it has not
  // seen; of files in all. Returns each file's row now, SIZE_MAX for none.
  std::vector<std::size_t> Place(const std::vector<std::size_t>& order,
                                 const std::vector<std::size_t>& rows, std::size_t files);
  // Rows added at the end, to be sorted in.
  void Add(std::size_t file);
  // The runs of rows, first to last, whose files go.
  std::vector<std::pair<std::size_t, std::size_t>> RunsOf(const std::vector<std::size_t>& going,
                                                          std::size_t files) const;
  void Erase(std::size_t first, std::size_t last);
  // The files were numbered afresh (numbers[old], or RowChange::kGone): the sorted rows
  // that stay keep their places and the rest of rows come after; a few are sorted at once
  // (sort), more are sorted in the background after (true).
  bool Renumber(const std::vector<std::size_t>& numbers, const std::vector<std::size_t>& rows,
                std::size_t files,
                const std::function<std::vector<std::size_t>(std::vector<std::size_t>)>& sort);

 private:
  SortBy by_;
  std::optional<std::vector<std::size_t>> order_;
  bool stale_ = false;
  BackgroundJob job_;
};

}  // namespace velmora::catalogue
