#include "catalogue/path_list.h"

namespace velmora::catalogue {

void PathList::Append(const PathList& other) {
  const std::size_t base = bytes_.size();
  bytes_.append(other.bytes_);
  for (const std::size_t end : other.ends_) ends_.push_back(base + end);
}

std::vector<std::string> PathList::ToVector() const {
  std::vector<std::string> out;
  out.reserve(size());
  for (const std::string_view p : *this) out.emplace_back(p);
  return out;
}

}  // namespace velmora::catalogue
