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

// One spelling for one folder: path made absolute from cwd when it is relative (left
// relative when cwd is empty), "." and empty names taken out, and each ".." with the name
// before it. Nothing is looked up: a link stays in the path as it was written.
std::string PlainPath(std::string_view path, std::string_view cwd = {});

}  // namespace velmora::platform
