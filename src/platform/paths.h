#pragma once
// Paths as byte strings, joined and cut at the separator.

#include <string>
#include <string_view>

namespace velmora::platform {

inline constexpr char kPathSeparator = '/';

// name inside folder, one separator between them: none is added after a folder that
// already ends with one, such as the root.
std::string JoinPath(std::string_view folder, std::string_view name);

// path without the separators at its end; the root stays "/".
std::string WithoutTrailingSeparator(std::string path);

}  // namespace velmora::platform
