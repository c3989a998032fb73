#pragma once
// Lists a shown folder in the background and follows what others change in it. Two
// threads: the load, which walks the folder (with the walk's helpers) and then watches
// what it read, and the watch, which turns the system's events into files made and
// gone. They post only to the inbox, stamped with the feed's generation, and hold no
// pointer to the session: a feed can be let go while its threads end.

#include <atomic>
#include <cstdint>
#include <map>
#include <memory>
#include <stop_token>
#include <string>
#include <thread>

#include "catalogue/inbox.h"
#include "catalogue/scan.h"
#include "platform/folder_watch.h"
#include "platform/mutex.h"

namespace velmora::catalogue {

class FolderFeed {
 public:
  struct Setup {
    std::string path;
    std::uint64_t generation = 0;
    // Each folder is watched before it is read, not after the load: for a reread after
    // changes were lost, so that a folder always busy cannot keep it rereading.
    bool watchEarly = false;
  };
  // Without a watcher, the folder is read and not followed.
  FolderFeed(Setup setup, std::shared_ptr<Inbox> inbox,
             std::unique_ptr<platform::FolderWatcher> watcher);
  // Stops both threads and waits for them.
  ~FolderFeed();
  FolderFeed(const FolderFeed&) = delete;
  FolderFeed& operator=(const FolderFeed&) = delete;

  void Stop();
  // The watch limit was reached: the events that come are no longer the whole story.
  void StopWatching();
  // Both threads have ended: letting the feed go waits for nothing.
  bool Ended() const { return state_.ended.load(); }

 private:
  // Made before the threads start and shared by them: the watcher and the read-once set
  // guard themselves, the counters are atomic.
  struct State {
    std::unique_ptr<platform::FolderWatcher> watcher;
    ReadOnce once;  // of the load and of the folders that come later
    std::atomic<int> running{0};
    std::atomic<bool> ended{false};
    // The links met in the folders read, by path, and whether each led to a folder. Once
    // one did, the first path that reaches a folder may change with the link and with any
    // folder made or gone: the shown folder is then read again, by the walk's rules.
    platform::Mutex linksMutex;
    std::map<std::string, bool> links GUARDED_BY(linksMutex);
    std::atomic<bool> followed{false};
    // The watch has followed a folder made or gone by itself: during a load's walk, before
    // the walk met a link that makes that unsound.
    std::atomic<bool> changedFolders{false};
    void AddLink(const std::string& path, bool folder) EXCLUDES(linksMutex);
    // Whether path is a link that led to a folder; links at or under it are forgotten.
    bool DropLinks(const std::string& path) EXCLUDES(linksMutex);
    // Whether a link that led to no folder leads to one now.
    bool LinkLeadsToFolder() EXCLUDES(linksMutex);
    // The last thread to end lets the watches and the folders read go: with tens of
    // thousands of them, that takes longer than the window may wait.
    void Finished();
  };
  static void Load(std::stop_token stop, const Setup& setup, Inbox& inbox, State& state);
  static void Watch(std::stop_token stop, const Setup& setup, Inbox& inbox, State& state);

  const Setup setup_;
  const std::shared_ptr<Inbox> inbox_;
  State state_;
  std::jthread load_;  // last: they end before what they use goes
  std::jthread watch_;
};

}  // namespace velmora::catalogue
