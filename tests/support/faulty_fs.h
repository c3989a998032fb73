#pragma once
// A FileSystem in front of the real one that fails chosen calls with chosen errors, and
// is the program's for as long as it lives: full disks, read errors, refused
// permissions and other devices, for every developer, without root or mounts.

#include <dirent.h>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/file_system.h"

// The call's result when it is to fail, else the real one's.
#define FORWARD(call, ...)                                \
  if (const auto failed = hit(call)) return *failed; \
  return real_.__VA_ARGS__

class FaultyFileSystem final : public velmora::platform::FileSystem {
 public:
  static constexpr std::string_view kCalls[] = {
      "open", "read", "write", "fsync", "close", "entries", "rename", "link", "symlink",
      "readlink", "unlink", "mkdir", "stat", "statfs", "access", "flock", "chmod", "times"};
  FaultyFileSystem() : real_(*velmora::platform::SetFileSystem(this)) {}
  ~FaultyFileSystem() override { velmora::platform::SetFileSystem(&real_); }

  // "write 3 ENOSPC, read 0 EIO": the third write from now fails with ENOSPC, and every
  // read with EIO. Error 0 makes a read or write return 0, as at the end of a file or on
  // a disk that takes nothing.
  void fail(const std::string& spec) {
    static constexpr std::pair<std::string_view, int> kErrors[] = {
        {"0", 0}, {"EACCES", EACCES}, {"EEXIST", EEXIST}, {"EINVAL", EINVAL}, {"EIO", EIO},
        {"ENOENT", ENOENT}, {"ENOSPC", ENOSPC}, {"EOPNOTSUPP", EOPNOTSUPP}, {"EPERM", EPERM},
        {"EROFS", EROFS}, {"EXDEV", EXDEV}, {"EINTR", EINTR}, {"ELOOP", ELOOP}};
    std::istringstream in(spec);
    std::string call, error;
    for (Rule r; in >> call >> r.nth >> error; rules_.push_back(r)) {
      if (error.back() == ',') error.pop_back();
      r.call = std::find(std::begin(kCalls), std::end(kCalls), call) - kCalls;
      r.error = std::find_if(std::begin(kErrors), std::end(kErrors),
                             [&](auto e) { return e.first == error; })->second;
    }
  }
  bool shortWrites = false;  // each write takes half of what it is given
  bool untyped = false;      // folder reads leave every entry's type unknown

  int OpenAt(int d, const char* p, int f, mode_t m) override { FORWARD(0, OpenAt(d, p, f, m)); }
  ssize_t Read(int fd, void* b, std::size_t n) override { FORWARD(1, Read(fd, b, n)); }
  ssize_t Write(int fd, const void* b, std::size_t n) override {
    FORWARD(2, Write(fd, b, shortWrites && n > 1 ? n / 2 : n));
  }
  int Fsync(int fd) override { FORWARD(3, Fsync(fd)); }
  int Close(int fd) override {  // the descriptor goes even when the close fails
    const int result = real_.Close(fd);
    if (const auto failed = hit(4)) return *failed;
    return result;
  }
  ssize_t ReadEntries(int fd, void* b, std::size_t n) override {
    if (const auto failed = hit(5)) return *failed;
    const ssize_t got = real_.ReadEntries(fd, b, n);
    for (ssize_t at = 0; untyped && at < got;) {
      auto* entry = reinterpret_cast<dirent64*>(static_cast<char*>(b) + at);
      entry->d_type = DT_UNKNOWN;
      at += entry->d_reclen;
    }
    return got;
  }
  int RenameAt2(int fd, const char* f, int td, const char* t, unsigned fl) override {
    FORWARD(6, RenameAt2(fd, f, td, t, fl));
  }
  int LinkAt(int fd, const char* f, int td, const char* t, int fl) override {
    FORWARD(7, LinkAt(fd, f, td, t, fl));
  }
  int Symlink(const char* c, const char* p) override { FORWARD(8, Symlink(c, p)); }
  ssize_t ReadLink(const char* p, char* b, std::size_t n) override { FORWARD(9, ReadLink(p, b, n)); }
  int UnlinkAt(int d, const char* p, int f) override { FORWARD(10, UnlinkAt(d, p, f)); }
  int Mkdir(const char* p, mode_t m) override { FORWARD(11, Mkdir(p, m)); }
  int StatAt(int d, const char* p, struct stat* s, int f) override { FORWARD(12, StatAt(d, p, s, f)); }
  int Fstatfs(int fd, struct statfs* s) override { FORWARD(13, Fstatfs(fd, s)); }
  int AccessAt(int d, const char* p, int m, int f) override { FORWARD(14, AccessAt(d, p, m, f)); }
  int Flock(int fd, int o) override { FORWARD(15, Flock(fd, o)); }
  int Fchmod(int fd, mode_t m) override { FORWARD(16, Fchmod(fd, m)); }
  int Futimens(int fd, const struct timespec t[2]) override { FORWARD(17, Futimens(fd, t)); }

 private:
  struct Rule {
    std::ptrdiff_t call = -1;
    int nth = 0, error = 0, seen = 0;
  };
  // The result of a call that is to fail, errno set; nothing for one to make.
  std::optional<int> hit(std::ptrdiff_t call) {
    for (Rule& r : rules_) {
      if (r.call != call || (r.nth != 0 && ++r.seen != r.nth)) continue;
      errno = r.error;
      return r.error == 0 ? 0 : -1;
    }
    return std::nullopt;
  }

  velmora::platform::FileSystem& real_;
  std::vector<Rule> rules_;
};
