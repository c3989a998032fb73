#include "platform/folder_watch.h"

#include <poll.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <ctime>
#include <map>
#include <unordered_map>

#include "platform/dir_enum.h"
#include "platform/file_system.h"
#include "platform/mutex.h"

namespace velmora::platform {
namespace {

class InotifyWatcher final : public FolderWatcher {
 public:
  explicit InotifyWatcher(int fd) : fd_(fd) {
    // The clock the file systems stamp changes with, so that no later change looks older.
    ::clock_gettime(CLOCK_REALTIME_COARSE, &made_);
  }
  ~InotifyWatcher() override {
    // Closing drops every watch in one go inside the system, some 50 ms for 100,000 of
    // them that no other thread may interrupt: one by one, the window gets its turns.
    {
      const MutexLock lock(mutex_);
      for (const auto& [wd, path] : folders_) (void)::inotify_rm_watch(fd_, wd);
    }
    ::close(fd_);
  }

  WatchResult Watch(const std::string& dir) override {
    constexpr std::uint32_t kMask = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO |
                                    IN_DELETE_SELF | IN_MOVE_SELF | IN_MODIFY | IN_CLOSE_WRITE |
                                    IN_ATTRIB | IN_ONLYDIR | IN_EXCL_UNLINK;
    const int wd = ::inotify_add_watch(fd_, dir.c_str(), kMask);
    if (wd < 0) {
      const int error = errno;
      return {Status(error, "Cannot watch " + dir + ": " + ErrorText(error))};
    }
    // Looked at once watched, so that a change is either seen here or comes as an event.
    struct stat st {};
    const bool there = Fs().Stat(dir.c_str(), &st) == 0;
    {
      const MutexLock lock(mutex_);
      const auto [at, made] = folders_.try_emplace(wd, dir);
      if (!made && at->second != dir && there &&
          !StillLeadsTo(at->second, {static_cast<std::uint64_t>(st.st_dev),
                                     static_cast<std::uint64_t>(st.st_ino)})) {
        if (const auto path = paths_.find(std::string_view(at->second));
            path != paths_.end() && path->second == wd)
          paths_.erase(path);
        at->second = dir;
      }
      if (made || at->second == dir) {
        paths_.erase(std::string_view(dir));  // an older watch of the path, now of another folder
        paths_.emplace(at->second, wd);
      }
    }
    return {{},
            !there || st.st_mtim.tv_sec > made_.tv_sec ||
                (st.st_mtim.tv_sec == made_.tv_sec && st.st_mtim.tv_nsec >= made_.tv_nsec)};
  }

  bool Unwatch(const std::string& dir) override {
    const MutexLock lock(mutex_);
    bool any = false;
    for (auto at = paths_.lower_bound(dir); at != paths_.end() && at->first.starts_with(dir);) {
      const int wd = at->second;
      (void)::inotify_rm_watch(fd_, wd);
      at = paths_.erase(at);
      folders_.erase(wd);  // after: it holds the path's text
      any = true;
    }
    return any;
  }

  std::vector<FolderEvent> Wait(std::chrono::milliseconds timeout) override {
    std::vector<FolderEvent> events;
    pollfd p{fd_, POLLIN, 0};
    if (::poll(&p, 1, static_cast<int>(timeout.count())) <= 0) return events;
    alignas(inotify_event) char buffer[64 * 1024];
    for (;;) {
      const ssize_t n = ::read(fd_, buffer, sizeof buffer);
      if (n <= 0) break;
      const MutexLock lock(mutex_);
      for (ssize_t at = 0; at < n;) {
        inotify_event e;
        std::memcpy(&e, buffer + at, sizeof e);
        const char* name = buffer + at + sizeof e;
        at += static_cast<ssize_t>(sizeof e + e.len);
        if (e.mask & IN_Q_OVERFLOW) {
          events.push_back({FolderEvent::Kind::Lost, {}, {}, false});
          continue;
        }
        const auto folder = folders_.find(e.wd);
        if (folder == folders_.end()) continue;
        if (e.mask & IN_IGNORED) {
          if (const auto path = paths_.find(std::string_view(folder->second));
              path != paths_.end() && path->second == e.wd)
            paths_.erase(path);
          folders_.erase(folder);
          continue;
        }
        if (e.mask & (IN_DELETE_SELF | IN_MOVE_SELF)) {
          events.push_back({FolderEvent::Kind::SelfGone, folder->second, {}, true});
          continue;
        }
        if (e.mask & (IN_MODIFY | IN_CLOSE_WRITE | IN_ATTRIB)) {
          if (!(e.mask & IN_ISDIR) && e.len > 0)  // not the folder's own, nor a subfolder's
            events.push_back({FolderEvent::Kind::Written, folder->second,
                              std::string(name, ::strnlen(name, e.len)), false});
          continue;
        }
        FolderEvent event{(e.mask & (IN_CREATE | IN_MOVED_TO)) ? FolderEvent::Kind::Added
                                                               : FolderEvent::Kind::Removed,
                          folder->second, std::string(name, ::strnlen(name, e.len)),
                          (e.mask & IN_ISDIR) != 0};
        if (event.kind == FolderEvent::Kind::Added && !event.isFolder) {
          // A link to a folder is walked as a folder.
          const std::string path = event.folder + event.name;
          struct stat st {};
          event.link = Fs().Lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
          event.isFolder = event.link && Fs().Stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
        }
        events.push_back(std::move(event));
      }
    }
    return events;
  }

 private:
  // Set before the watcher is shared.
  const int fd_;
  timespec made_{};
  // Watch and Unwatch come from the load's and the watch's threads, Wait from the latter.
  Mutex mutex_;
  std::unordered_map<int, std::string> folders_ GUARDED_BY(mutex_);
  // The same, by path, each path's newest watch; the texts are those of folders_, which
  // a tree of many thousand folders would otherwise hold twice.
  std::map<std::string_view, int, std::less<>> paths_ GUARDED_BY(mutex_);
};

}  // namespace

std::unique_ptr<FolderWatcher> MakeFolderWatcher() {
  const int fd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  if (fd < 0) return nullptr;
  return std::make_unique<InotifyWatcher>(fd);
}

}  // namespace velmora::platform
