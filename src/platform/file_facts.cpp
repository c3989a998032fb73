#include "platform/file_facts.h"

#include <fcntl.h>

#include <cerrno>

#include "platform/file_system.h"

namespace velmora::platform {

FileFacts FactsOf(const struct stat& st) {
  return {static_cast<std::int64_t>(st.st_size),
          static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 +
              static_cast<std::int64_t>(st.st_mtim.tv_nsec)};
}

void ReadFacts(const std::string& folder, std::span<const std::string_view> names, FileFacts* out) {
  // Names relative to the folder opened once: the path is not walked again for each.
  const int dir = Fs().Open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  std::string name;
  for (std::size_t i = 0; i < names.size(); ++i) {
    out[i] = {};
    name.assign(names[i]);
    if (dir < 0 || name.empty() || name.find('\0') != std::string::npos) continue;
    struct stat st {};
    if (Fs().StatAt(dir, name.c_str(), &st, 0) != 0 &&
        (errno != ENOENT || Fs().StatAt(dir, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0))
      continue;
    out[i] = FactsOf(st);
  }
  if (dir >= 0) Fs().Close(dir);
}

}  // namespace velmora::platform
