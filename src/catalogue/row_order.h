#pragma once
// The file list's rows in another order than the walk's: by the values of a column.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <stop_token>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "catalogue/filter.h"
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

// What a sort reads, copied so that it can run on a thread of its own.
struct SortInput {
  SortBy by;
  std::vector<std::size_t> files;          // the file numbers to order
  FilterIndex names;                       // a copy shares their pieces
  std::vector<std::uint32_t> folderOf;     // per file, for Folder
  std::vector<std::string> folders;        // by folder number, for Folder
  std::vector<platform::FileFacts> facts;  // per file, for Size and Modified
};
// The input for sorting files by by, copying from what is listed only what by needs.
SortInput MakeSortInput(SortBy by, std::vector<std::size_t> files, const FilterIndex& names,
                        const PathList& paths, std::span<const platform::FileFacts> facts);

// The name's extension: what follows its last dot, unless that starts the name.
std::string_view Extension(std::string_view name);

// The input's files in its order, names compared as lower-cased bytes; values not known
// yet come first. Equal values keep the walk's order, either way round. Empty when stop
// is requested.
std::vector<std::size_t> SortFiles(const SortInput& input, std::stop_token stop = {});

// Sorts on a thread of its own, one sort at a time; done runs on that thread, and not at
// all for a sort stopped.
class RowSorter {
 public:
  ~RowSorter() { Stop(); }
  void Start(SortInput input, std::function<void(std::vector<std::size_t>)> done);
  // Stops the sort running and waits for it.
  void Stop();

 private:
  std::jthread thread_;
};

}  // namespace velmora::catalogue
