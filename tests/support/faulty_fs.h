#pragma once
// A FileSystem in front of the real one, the program's while it lives, that fails chosen
// calls with chosen errors: full disks, read errors, refused permissions, other devices.
#include <dirent.h>

#include <cstring>
#include <optional>
#include <sstream>
#include <vector>

#include "platform/file_system.h"

// The call's result when it is to fail, else the real one's.
#define FORWARD(call, ...)                           \
  if (const auto failed = hit(call)) return *failed; \
  return real_.__VA_ARGS__

class FaultyFileSystem final : public velmora::platform::FileSystem {
 public:
  FaultyFileSystem() : real_(*velmora::platform::SetFileSystem(this)) {}
  ~FaultyFileSystem() override { velmora::platform::SetFileSystem(&real_); }

  // "write 3 ENOSPC, read 0 EIO": the third write from now fails with ENOSPC, and every
  // read with EIO. Error 0 makes a read or write return 0, as at the end of a file or on
  // a disk that takes nothing. Calls are named as below.
  void fail(const std::string& spec) {
    std::istringstream in(spec);
    std::string error;
    for (Rule r; in >> r.call >> r.nth >> error; rules_.push_back(r)) {
      if (error.back() == ',') error.pop_back();
      for (r.error = 0; error != "0" && r.error < 200; ++r.error)
        if (const char* name = ::strerrorname_np(r.error); name && error == name) break;
    }
  }
  bool shortWrites = false;  // each write takes half of what it is given
  bool untyped = false;      // folder reads leave every entry's type unknown

  int OpenAt(int d, const char* p, int f, mode_t m) override {
    FORWARD("open", OpenAt(d, p, f, m));
  }
  ssize_t Read(int fd, void* b, std::size_t n) override { FORWARD("read", Read(fd, b, n)); }
  ssize_t Write(int fd, const void* b, std::size_t n) override {
    FORWARD("write", Write(fd, b, shortWrites && n > 1 ? n / 2 : n));
  }
  int Fsync(int fd) override { FORWARD("fsync", Fsync(fd)); }
  int Close(int fd) override {  // the descriptor goes even when the close fails
    const int result = real_.Close(fd);
    if (const auto failed = hit("close")) return *failed;
    return result;
  }
  ssize_t ReadEntries(int fd, void* b, std::size_t n) override {
    if (const auto failed = hit("entries")) return *failed;
    const ssize_t got = real_.ReadEntries(fd, b, n);
    for (char* at = static_cast<char*>(b); untyped && at < static_cast<char*>(b) + got;
         at += reinterpret_cast<dirent64*>(at)->d_reclen)
      reinterpret_cast<dirent64*>(at)->d_type = DT_UNKNOWN;
    return got;
  }
  int RenameAt2(int fd, const char* f, int td, const char* t, unsigned fl) override {
    FORWARD("rename", RenameAt2(fd, f, td, t, fl));
  }
  int LinkAt(int fd, const char* f, int td, const char* t, int fl) override {
    FORWARD("link", LinkAt(fd, f, td, t, fl));
  }
  int Symlink(const char* c, const char* p) override { FORWARD("symlink", Symlink(c, p)); }
  ssize_t ReadLink(const char* p, char* b, std::size_t n) override {
    FORWARD("readlink", ReadLink(p, b, n));
  }
  int UnlinkAt(int d, const char* p, int f) override { FORWARD("unlink", UnlinkAt(d, p, f)); }
  int Mkdir(const char* p, mode_t m) override { FORWARD("mkdir", Mkdir(p, m)); }
  int StatAt(int d, const char* p, struct stat* s, int f) override {
    FORWARD("stat", StatAt(d, p, s, f));
  }
  int Fstatfs(int fd, struct statfs* s) override { FORWARD("statfs", Fstatfs(fd, s)); }
  int AccessAt(int d, const char* p, int m, int f) override {
    FORWARD("access", AccessAt(d, p, m, f));
  }
  int Flock(int fd, int o) override { FORWARD("flock", Flock(fd, o)); }
  int Fchmod(int fd, mode_t m) override { FORWARD("chmod", Fchmod(fd, m)); }
  int Futimens(int fd, const struct timespec t[2]) override { FORWARD("times", Futimens(fd, t)); }

 private:
  struct Rule {
    std::string call;
    int nth = 0, error = 0, seen = 0;
  };
  // The result of a call that is to fail, errno set; nothing for one to make.
  std::optional<int> hit(const char* call) {
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
