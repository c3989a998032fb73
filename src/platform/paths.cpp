#include "platform/paths.h"

namespace velmora::platform {

std::string JoinPath(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (path.empty() || path.back() != kPathSeparator) path.push_back(kPathSeparator);
  return path.append(name);
}

std::string WithoutTrailingSeparator(std::string path) {
  while (path.size() > 1 && path.back() == kPathSeparator) path.pop_back();
  return path;
}

}  // namespace velmora::platform
