#pragma once
// Lists a shown folder, or several in turn, in the background and follows what others
// change in them. Two threads: the load, which walks the folders (with the walk's helpers)
// and then watches what it read, and the watch, which turns the system's events into files
// made and gone. They post only to the inbox, under the feed's stamp, and share with
// the feed only what they own together: letting the feed go asks them to stop and waits
// for nothing, so a thread held by a dead share holds up nobody. Owner: one thread.

#include <atomic>
#include <chrono>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <stop_token>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "catalogue/inbox.h"
#include "catalogue/scan.h"
#include "platform/folder_watch.h"
#include "platform/mutex.h"
#include "platform/threads.h"

namespace velmora::catalogue {

class FolderFeed {
 public:
  struct Setup {
    // The folders shown, read in turn with one read-once set (see OuterFolders): each file
    // once, whichever of them reaches it first.
    std::vector<std::string> paths;
    // Each folder is watched before it is read, not after the load: for a reread after
    // changes were lost, so that a folder always busy cannot keep it rereading.
    bool watchEarly = false;
    // The least time between two checks of the folders whose changes by other computers
    // are not told (see State::Stamped).
    std::chrono::milliseconds recheckLeast{5000};
    // How the files are cut into tags.
    TagRule rule;
  };
  // Without a watcher, the folder is read and not followed.
  FolderFeed(Setup setup, std::shared_ptr<Inbox> inbox,
             std::unique_ptr<platform::FolderWatcher> watcher);
  // Asks both threads to stop, lets them go, and drops what they posted.
  ~FolderFeed();
  FolderFeed(const FolderFeed&) = delete;
  FolderFeed& operator=(const FolderFeed&) = delete;

  void Stop();
  // The watch limit was reached: the events that come are no longer the whole story.
  void StopWatching();

 private:
  // Made before the threads start and owned by them and the feed together, the last to
  // go lets it go: the watcher and the read-once set guard themselves, the counters are
  // atomic, the rest is set before the threads start.
  struct State {
    Setup setup;
    std::optional<Poster> post;  // set before the threads start
    std::unique_ptr<platform::FolderWatcher> watcher;
    ReadOnce once;  // of the load and of the folders that come later
    std::atomic<int> running{0};
    // The links met in the folders read, by path, and whether each led to a folder. Once
    // one did, the first path that reaches a folder may change with the link and with any
    // folder made or gone: the shown folder is then read again, by the walk's rules.
    platform::Mutex linksMutex;
    std::map<std::string, bool> links GUARDED_BY(linksMutex);
    std::atomic<bool> followed{false};
    // The watch has followed a folder made or gone by itself: during a load's walk, before
    // the walk met a link that makes that unsound.
    std::atomic<bool> changedFolders{false};
    void Post(handover::Delivery delivery) const { (*post)(std::move(delivery)); }
    void AddLink(const std::string& path, bool folder) EXCLUDES(linksMutex);
    // Whether path is a link that led to a folder; links at or under it are forgotten.
    bool DropLinks(const std::string& path) EXCLUDES(linksMutex);
    // Whether a link that led to no folder leads to one now.
    bool LinkLeadsToFolder() EXCLUDES(linksMutex);
    // The folders read that lie on file systems whose changes by other computers are not
    // told (a share, a FUSE mount), with their stamps as read: they are checked every so
    // often instead. Devices are asked once.
    platform::Mutex recheckMutex;
    std::unordered_map<std::uint64_t, bool> unheard GUARDED_BY(recheckMutex);
    std::vector<std::pair<std::string, platform::FolderStamp>> rechecked GUARDED_BY(recheckMutex);
    void Stamped(const std::string& dir, const platform::FolderStamp& stamp) EXCLUDES(recheckMutex);
    // A stat of each of them: true when one changed or went; false too when there are none.
    bool Changed(const std::stop_token& stop, bool& any) EXCLUDES(recheckMutex);
    // The last thread to end lets the watches and the folders read go: with tens of
    // thousands of them, that takes longer than the window may wait.
    void Finished();
  };
  static void Load(std::stop_token stop, State& state);
  static void Watch(std::stop_token stop, State& state);
  // After a load: follows the folders rechecked until one changes, then asks for a reread.
  static void Recheck(const std::stop_token& stop, State& state);

  const std::shared_ptr<Inbox> inbox_;
  const Stamp stamp_;
  const std::shared_ptr<State> state_;
  platform::Worker load_;
  platform::Worker watch_;
};

}  // namespace velmora::catalogue
