#include "catalogue/path_list.h"

#include <stdexcept>

namespace velmora::catalogue {

void PathList::push_back(std::string_view path) {
  if (path.size() > kMaxPath) throw std::length_error("path too long for a path list");
  if (blocks_.empty() || blocks_.back().size() + path.size() > kBlockMask + 1) {
    blocks_.emplace_back();
    // The first block grows as needed, so that small lists stay small.
    if (blocks_.size() > 1) blocks_.back().reserve(kBlockMask + 1);
  }
  std::string& block = blocks_.back();
  const std::uint64_t start = ((blocks_.size() - 1) << kBlockBits) | block.size();
  block.append(path);
  entries_.push_back(start << kLengthBits | path.size());
}

void PathList::Append(const PathList& other) {
  for (const std::string_view path : other) push_back(path);
}

std::size_t PathList::MemoryUsed() const {
  std::size_t bytes = entries_.capacity() * sizeof(std::uint64_t);
  for (const std::string& block : blocks_) bytes += block.capacity();
  return bytes;
}

std::vector<std::string> PathList::ToVector() const {
  std::vector<std::string> out;
  out.reserve(size());
  for (const std::string_view p : *this) out.emplace_back(p);
  return out;
}

}  // namespace velmora::catalogue
