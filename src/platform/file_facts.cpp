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

std::optional<std::string> ReadHead(const std::string& path, std::size_t size) {
  if (path.find('\0') != std::string::npos) return std::nullopt;
  // Non-blocking: opening a pipe for reading would wait for a writer.
  const int fd = Fs().Open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  struct stat st {};
  std::optional<std::string> head;
  if (Fs().StatAt(fd, "", &st, AT_EMPTY_PATH) == 0 && S_ISREG(st.st_mode)) {
    head.emplace(size, '\0');
    std::size_t got = 0;
    while (got < size) {
      const ssize_t n = Fs().Read(fd, head->data() + got, size - got);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      got += static_cast<std::size_t>(n);
    }
    head->resize(got);
  }
  Fs().Close(fd);
  return head;
}

}  // namespace velmora::platform
