#pragma once
// An ordered list of file paths, each kept as its folder (stored once for all the
// files in it) and its name, packed into large blocks: a million paths cost a few
// hundred allocations, and about the bytes of their names. The names are the filter's
// index too, and a copy shares them. A folder that starts as a folder before it does, by
// a long way, keeps only the rest of its text: a tree hundreds of folders deep costs the
// names below its top, not its whole path again for every folder.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "catalogue/filter_index.h"
#include "platform/dir_enum.h"

namespace velmora::catalogue {

// The text after the last separator: a file's name, a folder's display name. All of
// the text when it holds no separator, and empty when it ends with one.
inline std::string_view FileNameOf(std::string_view path) {
  const auto slash = path.rfind(platform::kPathSeparator);
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// The name shown for a registered folder: FileNameOf, and the root as "/" (nothing
// would remain of it otherwise).
inline std::string DisplayNameOf(std::string_view path) {
  if (path.size() == 1 && path[0] == platform::kPathSeparator) return std::string(path);
  return std::string(FileNameOf(path));
}

class PathList {
 public:
  // Far beyond any name or folder the system accepts; longer ones throw std::length_error.
  static constexpr std::size_t kMaxPart = (std::size_t{1} << 20) - 1;

  // A folder, ending with a separator, for the files that follow; returns its number.
  std::uint32_t AddFolder(std::string_view folder);
  void AddFile(std::uint32_t folder, std::string_view name);
  // Any path: the text up to its last separator is its folder.
  void push_back(std::string_view path);
  void Append(PathList&& other);
  void clear() { *this = PathList(); }
  // Lets go of the room kept for more files.
  void Shrink();

  std::size_t size() const { return names_.size(); }
  bool empty() const { return names_.size() == 0; }
  std::string_view Name(std::size_t i) const { return names_.Name(i); }
  const FilterIndex& Names() const { return names_; }
  // i's folder; the text lies in the list, or in scratch, which the next use of that
  // scratch overwrites.
  std::string_view Folder(std::size_t i, std::string& scratch) const {
    return FolderText(FolderOf(i), scratch);
  }
  // The folders, each numbered in the order added; a file's folder by number.
  std::size_t FolderCount() const { return folders_.size(); }
  // Folder k's text, in the list or in scratch, as Folder.
  std::string_view FolderText(std::size_t k, std::string& scratch) const;
  void AppendFolder(std::size_t k, std::string& out) const;
  // Folder k's text in two parts that follow one another, without copying either.
  std::pair<std::string_view, std::string_view> FolderParts(std::size_t k) const;
  bool FolderIs(std::size_t k, std::string_view text) const;
  // The bytes the folders' texts take.
  std::size_t FolderBytes() const { return text_.Size(); }
  std::uint32_t FolderOf(std::size_t i) const { return RunOf(i)->folder; }
  // Where the files of i's folder that follow i end.
  std::size_t RunEnd(std::size_t i) const;
  // Calls run(first, end, folder) for each stretch of the files from..to-1 of one folder,
  // in order.
  template <class F>
  void ForEachRun(std::size_t from, std::size_t to, F&& run) const {
    if (from >= to) return;
    for (auto r = RunOf(from); from < to; ++r) {
      const std::size_t end = std::min(to, r + 1 == runs_.end() ? size() : (r + 1)->first);
      run(from, end, r->folder);
      from = end;
    }
  }
  // Each file's folder number.
  std::vector<std::uint32_t> FolderNumbers() const;
  std::string operator[](std::size_t i) const;
  void AppendPath(std::size_t i, std::string& out) const;

  class const_iterator {
   public:
    using value_type = std::string;
    using difference_type = std::ptrdiff_t;
    const_iterator() = default;
    const_iterator(const PathList* list, std::size_t i) : list_(list), i_(i) {}
    std::string operator*() const { return (*list_)[i_]; }
    const_iterator& operator++() {
      ++i_;
      return *this;
    }
    const_iterator operator++(int) {
      auto old = *this;
      ++i_;
      return old;
    }
    bool operator==(const const_iterator& o) const { return i_ == o.i_; }

   private:
    const PathList* list_ = nullptr;
    std::size_t i_ = 0;
  };
  const_iterator begin() const { return {this, 0}; }
  const_iterator end() const { return {this, size()}; }

 private:
  // Texts packed into 1 MiB blocks; a reference packs block, offset and length.
  class Blocks {
   public:
    Blocks() = default;
    // A copy shares the blocks before the last, which never change again, and copies the
    // last: a list copied for another thread costs little more than its file numbers.
    Blocks(const Blocks& other);
    Blocks& operator=(const Blocks& other);
    Blocks(Blocks&&) = default;
    Blocks& operator=(Blocks&&) = default;

    std::uint64_t Add(std::string_view text);
    std::size_t Size() const;
    std::string_view Get(std::uint64_t ref) const {
      const std::uint64_t start = ref >> kLengthBits;
      return std::string_view(*blocks_[start >> kBlockBits])
          .substr(start & kBlockMask, ref & kMaxPart);
    }

   private:
    static constexpr unsigned kBlockBits = 20;
    static constexpr unsigned kLengthBits = 20;
    static constexpr std::uint64_t kBlockSize = std::uint64_t{1} << kBlockBits;
    static constexpr std::uint64_t kBlockMask = kBlockSize - 1;
    std::vector<std::shared_ptr<std::string>> blocks_;  // no text straddles two blocks
  };

  // The files of a folder follow one another: a run of them, by its first file.
  struct Run {
    std::size_t first = 0;
    std::uint32_t folder = 0;
  };
  std::vector<Run>::const_iterator RunOf(std::size_t i) const;

  // A folder's text: the first `shared` bytes of folder `base`, which is kept whole, then
  // `rest`; or `rest` alone, with no base.
  struct FolderRef {
    static constexpr std::uint32_t kWhole = UINT32_MAX;
    std::uint64_t rest = 0;
    std::uint32_t base = kWhole;
    std::uint32_t shared = 0;
  };

  Blocks text_;                     // of the folders
  std::vector<FolderRef> folders_;  // per folder
  std::uint32_t lastWhole_ = FolderRef::kWhole;
  FilterIndex names_;  // per file
  std::vector<Run> runs_;
};

}  // namespace velmora::catalogue
