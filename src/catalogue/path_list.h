#pragma once
// An ordered list of paths in one buffer: a million paths cost one allocation
// pattern instead of a million.

#include <cstddef>
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
  PathList() { ends_.reserve(16); }

  void push_back(std::string_view path) {
    bytes_.append(path);
    ends_.push_back(bytes_.size());
  }
  void Append(const PathList& other);
  void clear() {
    bytes_.clear();
    ends_.clear();
  }

  std::size_t size() const { return ends_.size(); }
  bool empty() const { return ends_.empty(); }
  std::string_view operator[](std::size_t i) const {
    const std::size_t begin = i == 0 ? 0 : ends_[i - 1];
    return std::string_view(bytes_).substr(begin, ends_[i] - begin);
  }
  // Bytes held, for memory reports.
  std::size_t MemoryUsed() const {
    return bytes_.capacity() + ends_.capacity() * sizeof(std::size_t);
  }

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
  std::string bytes_;
  std::vector<std::size_t> ends_;
};

}  // namespace velmora::catalogue
