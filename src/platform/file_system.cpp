#include "platform/file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

namespace velmora::platform {
namespace {

class PosixFileSystem final : public FileSystem {
 public:
  int OpenAt(int dirFd, const char* path, int flags, mode_t mode) override {
    return ::openat(dirFd, path, flags, mode);
  }
  ssize_t Read(int fd, void* buffer, std::size_t size) override { return ::read(fd, buffer, size); }
  ssize_t Write(int fd, const void* bytes, std::size_t size) override {
    return ::write(fd, bytes, size);
  }
  int Fsync(int fd) override { return ::fsync(fd); }
  int Close(int fd) override { return ::close(fd); }
  ssize_t ReadEntries(int fd, void* buffer, std::size_t size) override {
    return ::getdents64(fd, buffer, size);
  }
  int RenameAt2(int fromDir, const char* from, int toDir, const char* to, unsigned flags) override {
    return ::renameat2(fromDir, from, toDir, to, flags);
  }
  int LinkAt(int fromDir, const char* from, int toDir, const char* to, int flags) override {
    return ::linkat(fromDir, from, toDir, to, flags);
  }
  int Symlink(const char* content, const char* path) override { return ::symlink(content, path); }
  ssize_t ReadLink(const char* path, char* buffer, std::size_t size) override {
    return ::readlink(path, buffer, size);
  }
  int UnlinkAt(int dirFd, const char* path, int flags) override {
    return ::unlinkat(dirFd, path, flags);
  }
  int Mkdir(const char* path, mode_t mode) override { return ::mkdir(path, mode); }
  int StatAt(int dirFd, const char* path, struct stat* st, int flags) override {
    return ::fstatat(dirFd, path, st, flags);
  }
  int Fstatfs(int fd, struct statfs* fs) override { return ::fstatfs(fd, fs); }
  int AccessAt(int dirFd, const char* path, int mode, int flags) override {
    return ::faccessat(dirFd, path, mode, flags);
  }
  int Flock(int fd, int operation) override { return ::flock(fd, operation); }
  int Fchmod(int fd, mode_t mode) override { return ::fchmod(fd, mode); }
  int Futimens(int fd, const struct timespec times[2]) override { return ::futimens(fd, times); }
};

std::atomic<FileSystem*> current{nullptr};

}  // namespace

int FileSystem::Open(const char* path, int flags, mode_t mode) {
  return OpenAt(AT_FDCWD, path, flags, mode);
}
int FileSystem::Rename(const char* from, const char* to) {
  return RenameAt2(AT_FDCWD, from, AT_FDCWD, to, 0);
}
int FileSystem::Link(const char* from, const char* to) {
  return LinkAt(AT_FDCWD, from, AT_FDCWD, to, 0);
}
int FileSystem::Unlink(const char* path) { return UnlinkAt(AT_FDCWD, path, 0); }
int FileSystem::Stat(const char* path, struct stat* st) { return StatAt(AT_FDCWD, path, st, 0); }
int FileSystem::Lstat(const char* path, struct stat* st) {
  return StatAt(AT_FDCWD, path, st, AT_SYMLINK_NOFOLLOW);
}
int FileSystem::Fstat(int fd, struct stat* st) { return StatAt(fd, "", st, AT_EMPTY_PATH); }
int FileSystem::WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = Write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return -1;
    if (n == 0) {  // no progress: a full disk rather than a loop for ever
      errno = ENOSPC;
      return -1;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return 0;
}

FileSystem& SystemFileSystem() {
  static auto* instance = new PosixFileSystem;  // used by threads that may outlive main
  return *instance;
}

FileSystem& Fs() {
  FileSystem* fs = current.load(std::memory_order_acquire);
  return fs != nullptr ? *fs : SystemFileSystem();
}

FileSystem* SetFileSystem(FileSystem* fs) {
  FileSystem* previous = current.exchange(fs, std::memory_order_acq_rel);
  return previous != nullptr ? previous : &SystemFileSystem();
}

}  // namespace velmora::platform
