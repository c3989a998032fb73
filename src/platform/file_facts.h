#pragma once
// What the file list can show of a file beside its path: its size and when it changed,
// and its first bytes, which tell its kind when its name does not.

#include <sys/stat.h>

#include <climits>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace velmora::platform {

struct FileFacts {
  std::int64_t size = -1;             // bytes; -1 while not known, or when it cannot be read
  std::int64_t modified = INT64_MIN;  // nanoseconds since the epoch
  bool Known() const { return size >= 0; }
  friend bool operator==(const FileFacts&, const FileFacts&) = default;
};

// The facts stat gave.
FileFacts FactsOf(const struct stat& st);

// The facts of each of names in folder into out, one stat each: a link as what it leads
// to, a dangling one as itself; unknown for what cannot be read.
void ReadFacts(const std::string& folder, std::span<const std::string_view> names, FileFacts* out);

// The first bytes of the regular file at path, at most size of them; nothing when it is
// not a regular file or cannot be read. Never waits on a pipe or a device.
std::optional<std::string> ReadHead(const std::string& path, std::size_t size);

}  // namespace velmora::platform
