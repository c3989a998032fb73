#include "platform/paths.h"

#include <algorithm>
#include <vector>

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

std::string PlainPath(std::string_view path, std::string_view cwd) {
  std::string joined;
  if (!cwd.empty() && (path.empty() || path.front() != kPathSeparator))
    path = joined = JoinPath(cwd, path);
  const bool absolute = !path.empty() && path.front() == kPathSeparator;
  std::vector<std::string_view> names;
  for (std::size_t start = 0; start <= path.size();) {
    const std::size_t end = std::min(path.find(kPathSeparator, start), path.size());
    const std::string_view name = path.substr(start, end - start);
    start = end + 1;
    if (name.empty() || name == ".") continue;
    // Read as written: "/a/link/.." is "/a", though the system would reach the folder
    // above the link's target. Above the root is the root.
    if (name == ".." && !names.empty() && names.back() != "..")
      names.pop_back();
    else if (name != ".." || !absolute)
      names.push_back(name);
  }
  std::string out(absolute ? 1 : 0, kPathSeparator);
  for (const std::string_view name : names) {
    if (!out.empty() && out.back() != kPathSeparator) out.push_back(kPathSeparator);
    out.append(name);
  }
  return out.empty() ? "." : out;
}

}  // namespace velmora::platform
