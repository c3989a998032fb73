#include "catalogue/folder_feed.h"

#include <algorithm>
#include <chrono>
#include <utility>
#include <vector>

#include "platform/paths.h"
#include "platform/threads.h"

namespace velmora::catalogue {

using namespace std::chrono_literals;

void FolderFeed::State::Finished() {
  if (--running > 0) return;
  platform::YieldToForeground();  // the watch thread does not, while it reads events
  watcher.reset();
  once.Clear();
  ended = true;
}

FolderFeed::FolderFeed(Setup setup, std::shared_ptr<Inbox> inbox,
                       std::unique_ptr<platform::FolderWatcher> watcher)
    : setup_(std::move(setup)), inbox_(std::move(inbox)) {
  state_.watcher = std::move(watcher);
  state_.running = state_.watcher ? 2 : 1;
  load_ = std::jthread(
      [this](std::stop_token stop) { Load(std::move(stop), setup_, *inbox_, state_); });
  if (state_.watcher) {
    watch_ = std::jthread(
        [this](std::stop_token stop) { Watch(std::move(stop), setup_, *inbox_, state_); });
  }
}

FolderFeed::~FolderFeed() { Stop(); }

void FolderFeed::Stop() {
  load_.request_stop();
  watch_.request_stop();
}

void FolderFeed::StopWatching() { watch_.request_stop(); }

void FolderFeed::Load(std::stop_token stop, const Setup& setup, Inbox& inbox, State& state) {
  platform::NameThread("velmora-load");
  platform::YieldToForeground();
  const auto post = [&](handover::Delivery delivery) {
    inbox.Post(setup.generation, std::move(delivery));
  };
  // Set by the walk's threads when the watch limit is reached.
  std::atomic<bool> watching = state.watcher != nullptr;
  const auto watch = [&](const std::string& dir) {
    if (!watching || stop.stop_requested()) return false;
    const platform::WatchResult r = state.watcher->Watch(dir);
    if (r.LimitReached() && watching.exchange(false)) post(handover::WatchOff{});
    return r.changed;
  };

  ScanStream stream;
  stream.stop = stop;
  stream.once = &state.once;
  stream.listed = [&](ListedFiles&& files) { post(handover::Files{std::move(files), false}); };
  // Folders read and not watched yet, each ended by a NUL: one block. Written under the
  // walk's lock, read once the walk has ended.
  std::string read;
  if (setup.watchEarly) {
    stream.entering = [&](const std::string& dir) { (void)watch(dir); };
  } else if (watching) {
    stream.folder = [&](const std::string& dir) { read.append(dir).push_back('\0'); };
  }
  ScanReport report;
  const bool completed = StreamFolder(setup.path, stream, 0, &report);
  if (completed) post(handover::End{report.unreadable.size()});
  // Watching tens of thousands of folders costs a tenth of the load, so it waits until
  // the window is filled. A folder that changed before its watch is read again, once:
  // that load watches as it reads.
  bool changed = false;
  for (std::size_t at = 0, end = 0; at < read.size(); at = end + 1) {
    end = read.find('\0', at);
    changed = watch(read.substr(at, end - at)) || changed;
  }
  std::string().swap(read);
  if (completed && watching && !stop.stop_requested())
    post(changed ? handover::Delivery{handover::Reread{}}
                 : handover::Delivery{handover::Following{}});
  state.Finished();
}

void FolderFeed::Watch(std::stop_token stop, const Setup& setup, Inbox& inbox, State& state) {
  const std::string root = platform::JoinPath(setup.path, "");
  platform::NameThread("velmora-watch");
  const auto post = [&](handover::Delivery delivery) {
    inbox.Post(setup.generation, std::move(delivery));
  };
  PathList added;
  handover::Gone gone;
  // Not lowered: a watch read too late loses its events once the system's queue is full.
  const auto flush = [&] {
    if (!added.empty()) post(handover::Files{ListedFiles::Of(std::exchange(added, {})), true});
    if (!gone.paths.empty()) post(std::exchange(gone, {}));
  };
  platform::FolderWatcher& watcher = *state.watcher;
  std::vector<std::string> unwatched;  // events under these came by watches now let go
  while (!stop.stop_requested()) {
    unwatched.clear();
    for (platform::FolderEvent& e : watcher.Wait(50ms)) {
      using Kind = platform::FolderEvent::Kind;
      if (e.kind != Kind::Lost && e.kind != Kind::SelfGone) {
        if (std::any_of(unwatched.begin(), unwatched.end(),
                        [&](const std::string& dir) { return e.folder.starts_with(dir); }))
          continue;
        // What was watched or read by this path was of an entry now gone or replaced.
        const std::string dir = e.folder + e.name + platform::kPathSeparator;
        if (watcher.Unwatch(dir) || e.isFolder) unwatched.push_back(dir);
        state.once.Forget(dir);
      }
      if (e.kind == Kind::Lost) {
        flush();
        post(handover::Reread{});
      } else if (e.kind == Kind::SelfGone) {
        // Only the shown folder's own going matters: a subfolder's is told by its parent.
        if (e.folder != root) continue;
        flush();
        post(handover::Vanished{});
      } else if (e.kind == Kind::Removed) {
        if (!added.empty()) flush();
        gone.paths.push_back(e.folder + e.name);
        gone.folders = gone.folders || e.isFolder;
      } else {
        if (!gone.paths.empty()) flush();
        if (!e.isFolder) {
          added.push_back(e.folder + e.name);
        } else if (!e.name.empty() && e.name.front() != '.') {
          // A folder made or moved in: what it holds already, and watched from now on.
          // Each folder is watched before it is read, so that nothing made meanwhile is missed.
          ScanStream sub;
          sub.stop = stop;
          sub.once = &state.once;
          sub.files = [&](PathList&& part) { added.Append(std::move(part)); };
          sub.entering = [&](const std::string& dir) {
            if (watcher.Watch(dir).LimitReached()) post(handover::WatchOff{});
          };
          (void)StreamFolder(e.folder + e.name, sub, 1);
        }
      }
    }
    flush();
  }
  state.Finished();
}

}  // namespace velmora::catalogue
