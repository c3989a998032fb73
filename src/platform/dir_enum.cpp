#include "platform/dir_enum.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstring>

namespace velmora::platform {
namespace {

bool IsDotOrDotDot(const char* name) {
  return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

// d_type answers for almost every entry; only links and file systems that leave it
// unknown cost a stat.
EntryKind KindOf(int dirFd, const char* name, unsigned char type) {
  struct stat st;
  switch (type) {
    case DT_DIR:
      return EntryKind::Folder;
    case DT_LNK:
      return fstatat(dirFd, name, &st, 0) == 0 && S_ISDIR(st.st_mode) ? EntryKind::Folder
                                                                      : EntryKind::File;
    case DT_UNKNOWN:
      if (fstatat(dirFd, name, &st, AT_SYMLINK_NOFOLLOW) != 0) return EntryKind::File;
      if (S_ISDIR(st.st_mode)) return EntryKind::Folder;
      if (S_ISLNK(st.st_mode)) return KindOf(dirFd, name, DT_LNK);
      return EntryKind::File;
    default:
      return EntryKind::File;
  }
}

class PosixDirectories final : public DirectoryEnumerator {
 public:
  int ReadFolder(const std::string& dir, FolderListing& out) const override {
    out.Clear();
    const int fd = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return errno;
    struct stat st;
    if (fstat(fd, &st) == 0)
      out.id =
          FolderId{static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino)};
#ifdef __linux__
    // A larger buffer than readdir's halves the system calls on big folders.
    alignas(dirent64) char buffer[64 * 1024];
    for (;;) {
      const ssize_t n = getdents64(fd, buffer, sizeof buffer);
      if (n <= 0) break;  // an error ends the folder like its last entry
      for (ssize_t pos = 0; pos < n;) {
        const auto* d = reinterpret_cast<const dirent64*>(buffer + pos);
        pos += d->d_reclen;
        if (IsDotOrDotDot(d->d_name)) continue;
        out.Add({d->d_name, d->d_reclen - offsetof(dirent64, d_name)},
                KindOf(fd, d->d_name, d->d_type));
      }
    }
    close(fd);
#else
    DIR* d = fdopendir(fd);
    if (d == nullptr) {
      const int error = errno;
      close(fd);
      return error;
    }
    while (const dirent* e = readdir(d)) {
      if (IsDotOrDotDot(e->d_name)) continue;
      out.Add(e->d_name, KindOf(fd, e->d_name, e->d_type));
    }
    closedir(d);
#endif
    return 0;
  }
};

}  // namespace

const DirectoryEnumerator& SystemDirectories() {
  static const PosixDirectories instance;
  return instance;
}

std::string ErrorText(int error) {
  char buffer[256];
  // GNU strerror_r may return a static text instead of filling the buffer.
  return strerror_r(error, buffer, sizeof buffer);
}

}  // namespace velmora::platform
