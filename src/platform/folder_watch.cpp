#include "platform/folder_watch.h"

#include <poll.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <ctime>
#include <unordered_map>

#include "platform/dir_enum.h"
#include "platform/file_system.h"
#include "platform/mutex.h"
#include "platform/path_tree.h"

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
      const auto [at, made] = folders_.try_emplace(wd, PathTree::kNone);
      bool mine = made;  // the watch is now of dir
      if (made) {
        at->second = paths_.Add(dir);
      } else if (const std::string first = paths_.Text(at->second); first == dir) {
        mine = true;
      } else if (there && !StillLeadsTo(first, {static_cast<std::uint64_t>(st.st_dev),
                                                static_cast<std::uint64_t>(st.st_ino)})) {
        Forget(wd, at->second);
        at->second = paths_.Add(dir);
        mine = true;
      }
      if (mine) {  // an older watch of the path was of another folder
        newest_.resize(paths_.Span(), -1);
        newest_[at->second] = wd;
      }
    }
    return {{},
            !there || st.st_mtim.tv_sec > made_.tv_sec ||
                (st.st_mtim.tv_sec == made_.tv_sec && st.st_mtim.tv_nsec >= made_.tv_nsec)};
  }

  bool Unwatch(const std::string& dir) override {
    const MutexLock lock(mutex_);
    const PathTree::Node top = paths_.Find(dir);
    if (top == PathTree::kNone) return false;
    bool any = false;
    for (const PathTree::Node node : paths_.Below(top)) {
      const int wd = newest_[node];
      if (wd < 0) continue;
      (void)::inotify_rm_watch(fd_, wd);
      const auto at = folders_.find(wd);
      Forget(wd, at->second);
      folders_.erase(at);
      any = true;
    }
    return any;
  }

  std::vector<FolderEvent> Wait(std::chrono::milliseconds timeout) override {
    std::vector<FolderEvent> events;
    pollfd p{fd_, POLLIN, 0};
    if (::poll(&p, 1, static_cast<int>(timeout.count())) <= 0) return events;
    alignas(inotify_event) char buffer[64 * 1024];
    std::string text;
    for (;;) {
      const ssize_t n = ::read(fd_, buffer, sizeof buffer);
      if (n <= 0) break;
      const MutexLock lock(mutex_);
      int textOf = -1;  // the watch whose folder's path text holds
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
          Forget(e.wd, folder->second);
          folders_.erase(folder);
          continue;
        }
        // Events come in runs of one folder.
        if (e.wd != textOf) textOf = e.wd, text = paths_.Text(folder->second);
        if (e.mask & (IN_DELETE_SELF | IN_MOVE_SELF)) {
          events.push_back({FolderEvent::Kind::SelfGone, text, {}, true});
          continue;
        }
        if (e.mask & (IN_MODIFY | IN_CLOSE_WRITE | IN_ATTRIB)) {
          if (!(e.mask & IN_ISDIR) && e.len > 0)  // not the folder's own, nor a subfolder's
            events.push_back({FolderEvent::Kind::Written, text,
                              std::string(name, ::strnlen(name, e.len)), false});
          continue;
        }
        FolderEvent event{(e.mask & (IN_CREATE | IN_MOVED_TO)) ? FolderEvent::Kind::Added
                                                               : FolderEvent::Kind::Removed,
                          text, std::string(name, ::strnlen(name, e.len)),
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
  // Each watch's folder, by the path that reached it, each held once by its watch.
  std::unordered_map<int, PathTree::Node> folders_ GUARDED_BY(mutex_);
  PathTree paths_ GUARDED_BY(mutex_);
  // By path: its newest watch, or -1.
  std::vector<int> newest_ GUARDED_BY(mutex_);

  // Lets go of watch wd's hold of its path.
  void Forget(int wd, PathTree::Node node) REQUIRES(mutex_) {
    if (newest_[node] == wd) newest_[node] = -1;
    paths_.Release(node);
  }
};

}  // namespace

std::unique_ptr<FolderWatcher> MakeFolderWatcher() {
  const int fd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  if (fd < 0) return nullptr;
  return std::make_unique<InotifyWatcher>(fd);
}

}  // namespace velmora::platform
