#pragma once
// A FileSystem in front of the real one, the program's while it lives, that fails chosen
// calls with chosen errors: full disks, read errors, refused permissions, other devices.
#include <dirent.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <functional>
#include <latch>
#include <memory>
#include <mutex>
#include <optional>
#include <sstream>
#include <thread>
#include <vector>

#include "platform/file_system.h"
#include "platform/threads.h"

// A call that fails when a rule says so, else is the real one's.
#define VELMORA_FAULTY(type, name, call, params, args) \
  type name params override {                          \
    if (const auto failed = hit(call)) return *failed; \
    return real_.name args;                            \
  }

class FaultyFileSystem final : public velmora::platform::FileSystem {
 public:
  FaultyFileSystem() : real_(*velmora::platform::SetFileSystem(this)) {}
  // The program's threads it let go of may still be in a call: gone before this goes.
  ~FaultyFileSystem() override {
    (void)velmora::platform::WorkersEnded(std::chrono::seconds(60));
    velmora::platform::SetFileSystem(&real_);
  }

  // "write 3 ENOSPC, read 0 EIO": the third write from now fails with ENOSPC, and every
  // read with EIO. Error 0 makes a read or write return 0, as at the end of a file or on
  // a disk that takes nothing. Calls are named as below; "open:a/b/ 0 EACCES" fails only
  // the opens of paths ending so. Rules for every call may fail calls of several threads.
  void fail(const std::string& faults) {
    std::istringstream in(faults);
    std::string error;
    for (Rule r; in >> r.call >> r.nth >> error; rules_.push_back(r)) {
      if (error.back() == ',') error.pop_back();
      const std::size_t colon = std::min(r.call.find(':'), r.call.size());
      r.path = r.call.substr(std::min(colon + 1, r.call.size())), r.call.resize(colon);
      for (r.error = 0; error != "0" && r.error < 200; ++r.error)
        if (const char* name = ::strerrorname_np(r.error); name && error == name) break;
    }
  }
  bool shortWrites = false;  // each write takes half of what it is given
  bool untyped = false;      // folder reads leave every entry's type unknown
  long statfsType = 0;       // when set, every file system says it is of this type
  std::function<void(std::string_view path)> opening;  // called before each open
  std::function<void(std::string_view path)> stating;  // and stat

  int OpenAt(int d, const char* p, int f, mode_t m) override {
    if (opening) opening(p);
    if (const auto failed = hit("open", p)) return *failed;
    return real_.OpenAt(d, p, f, m);
  }
  VELMORA_FAULTY(ssize_t, Read, "read", (int fd, void* b, std::size_t n), (fd, b, n))
  VELMORA_FAULTY(ssize_t, Write, "write", (int fd, const void* b, std::size_t n),
                 (fd, b, shortWrites&& n > 1 ? n / 2 : n))
  VELMORA_FAULTY(int, Fsync, "fsync", (int fd), (fd))
  int Close(int fd) override {  // the descriptor goes even when the close fails
    const int result = real_.Close(fd);
    return hit("close").value_or(result);
  }
  ssize_t ReadEntries(int fd, void* b, std::size_t n) override {
    if (const auto failed = hit("entries")) return *failed;
    const ssize_t got = real_.ReadEntries(fd, b, n);
    for (char* at = static_cast<char*>(b); untyped && at < static_cast<char*>(b) + got;
         at += reinterpret_cast<dirent64*>(at)->d_reclen)
      reinterpret_cast<dirent64*>(at)->d_type = DT_UNKNOWN;
    return got;
  }
  VELMORA_FAULTY(int, RenameAt2, "rename",
                 (int fd, const char* f, int td, const char* t, unsigned fl), (fd, f, td, t, fl))
  VELMORA_FAULTY(int, LinkAt, "link", (int fd, const char* f, int td, const char* t, int fl),
                 (fd, f, td, t, fl))
  VELMORA_FAULTY(int, Symlink, "symlink", (const char* c, const char* p), (c, p))
  VELMORA_FAULTY(ssize_t, ReadLink, "readlink", (const char* p, char* b, std::size_t n), (p, b, n))
  VELMORA_FAULTY(int, UnlinkAt, "unlink", (int d, const char* p, int f), (d, p, f))
  VELMORA_FAULTY(int, Mkdir, "mkdir", (const char* p, mode_t m), (p, m))
  int StatAt(int d, const char* p, struct stat* s, int f) override {
    if (stating) stating(p);
    if (const auto failed = hit("stat", p)) return *failed;
    return real_.StatAt(d, p, s, f);
  }
  int Fstatfs(int fd, struct statfs* s) override {
    if (const auto failed = hit("statfs")) return *failed;
    const int result = real_.Fstatfs(fd, s);
    if (result == 0 && statfsType != 0) s->f_type = statfsType;
    return result;
  }
  VELMORA_FAULTY(int, AccessAt, "access", (int d, const char* p, int m, int f), (d, p, m, f))
  VELMORA_FAULTY(int, Flock, "flock", (int fd, int o), (fd, o))
  VELMORA_FAULTY(int, Fchmod, "chmod", (int fd, mode_t m), (fd, m))
  VELMORA_FAULTY(int, Futimens, "times", (int fd, const struct timespec t[2]), (fd, t))

 private:
  struct Rule {
    std::string call, path;
    int nth = 0, error = 0, seen = 0;
  };
  // The result of a call that is to fail, errno set; nothing for one to make.
  std::optional<int> hit(const char* call, std::string_view path = {}) {
    for (Rule& r : rules_) {
      if (r.call != call || !path.ends_with(r.path) || (r.nth != 0 && ++r.seen != r.nth)) continue;
      errno = r.error;
      return r.error == 0 ? 0 : -1;
    }
    return std::nullopt;
  }

  velmora::platform::FileSystem& real_;
  std::vector<Rule> rules_;
};

// Holds the calls whose paths end with suffix, on any thread, as a share whose server is
// gone would, from Hold() until released (by Release() or as it goes); a watchdog releases
// them after 10 s and says so (Late()): no thread of the test may have waited that long.
// Hook() goes into a FaultyFileSystem's opening or stating; declare this after it.
class HeldCalls {
 public:
  explicit HeldCalls(std::string suffix) : s_(std::make_shared<State>()) {
    s_->suffix = std::move(suffix);
    watchdog_ = std::jthread([s = s_](std::stop_token stop) {
      std::mutex m;
      std::unique_lock lock(m);
      (void)std::condition_variable_any().wait_for(lock, stop, std::chrono::seconds(10),
                                                   [] { return false; });
      if (stop.stop_requested() || s->released.exchange(true)) return;
      s->late = true;
      s->latch.count_down();
    });
  }
  ~HeldCalls() { Release(); }
  std::function<void(std::string_view)> Hook() const {
    return [s = s_](std::string_view path) {
      if (!s->held || s->released || !path.ends_with(s->suffix)) return;
      s->waiting = true;
      s->latch.wait();
    };
  }
  void Hold() { s_->held = true; }
  bool Waiting() const { return s_->waiting; }
  bool Late() const { return s_->late; }
  void Release() {
    if (!s_->released.exchange(true)) s_->latch.count_down();
  }

 private:
  struct State {
    std::string suffix;
    std::latch latch{1};
    std::atomic<bool> held = false, waiting = false, released = false, late = false;
  };
  std::shared_ptr<State> s_;
  std::jthread watchdog_;  // last: stopped first
};
