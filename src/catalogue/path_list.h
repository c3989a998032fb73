#pragma once
// An ordered list of paths packed into large blocks: a million paths cost a few hundred
// allocations instead of a million, and growing never copies what is already stored.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dir_enum.h"

namespace velmora::catalogue {

// The text after the last separator: a file's name, a folder's display name. All of
// the text when it holds no separator, and empty when it ends with one.
inline std::string_view FileNameOf(std::string_view path) {
  const auto slash = path.rfind(platform::kPathSeparator);
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

class PathList {
 public:
  // Far beyond any path the system accepts; push_back throws std::length_error past it.
  static constexpr std::size_t kMaxPath = (std::size_t{1} << 20) - 1;

  void push_back(std::string_view path);
  void Append(const PathList& other);
  void clear() {
    blocks_.clear();
    entries_.clear();
  }

  std::size_t size() const { return entries_.size(); }
  bool empty() const { return entries_.empty(); }
  std::string_view operator[](std::size_t i) const {
    const std::uint64_t e = entries_[i];
    const std::uint64_t start = e >> kLengthBits;
    return std::string_view(blocks_[start >> kBlockBits]).substr(start & kBlockMask, e & kMaxPath);
  }
  // Bytes held, for memory reports.
  std::size_t MemoryUsed() const;

  std::vector<std::string> ToVector() const;

  class const_iterator {
   public:
    using value_type = std::string_view;
    using difference_type = std::ptrdiff_t;
    const_iterator() = default;
    const_iterator(const PathList* list, std::size_t i) : list_(list), i_(i) {}
    std::string_view operator*() const { return (*list_)[i_]; }
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
  // Each entry packs where a path starts (block number and offset) with its length.
  static constexpr unsigned kBlockBits = 20;
  static constexpr unsigned kLengthBits = 20;
  static constexpr std::uint64_t kBlockMask = (std::uint64_t{1} << kBlockBits) - 1;

  std::vector<std::string> blocks_;  // no path straddles two blocks
  std::vector<std::uint64_t> entries_;
};

}  // namespace velmora::catalogue
