#include "catalogue/folder_feed.h"

#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <utility>
#include <vector>

#include "platform/file_system.h"
#include "platform/paths.h"
#include "platform/threads.h"

namespace velmora::catalogue {

using namespace std::chrono_literals;

void FolderFeed::State::Finished() {
  if (--running > 0) return;
  platform::YieldToForeground();  // the watch thread does not, while it reads events
  watcher.reset();
  once.Clear();
}

void FolderFeed::State::AddLink(const std::string& path, bool folder) {
  if (folder) followed = true;
  const platform::MutexLock lock(linksMutex);
  links[path] = folder;
}

bool FolderFeed::State::DropLinks(const std::string& path) {
  const platform::MutexLock lock(linksMutex);
  const auto at = links.find(path);
  const bool led = at != links.end() && at->second;
  for (auto under = links.lower_bound(path);
       under != links.end() && under->first.starts_with(path) &&
       (under->first.size() == path.size() ||
        under->first[path.size()] == platform::kPathSeparator);)
    under = links.erase(under);
  return led;
}

void FolderFeed::State::Stamped(const std::string& dir, const platform::FolderStamp& stamp) {
  const platform::MutexLock lock(recheckMutex);
  const auto [device, added] = unheard.try_emplace(stamp.device, false);
  if (added) device->second = platform::ChangesUnheard(dir);
  if (!device->second) return;
  // Changed within the last second, it may change again in the same tick of its clock and
  // keep its stamp: such a folder counts as changed at the next check, which reads again.
  const auto now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                       std::chrono::system_clock::now().time_since_epoch())
                       .count();
  platform::FolderStamp kept = stamp;
  if (stamp.modified > now - 1'000'000'000) kept.modified = -1;
  rechecked.emplace_back(dir, kept);
}

bool FolderFeed::State::Changed(const std::stop_token& stop, bool& any) {
  std::pair<std::string, platform::FolderStamp> folder;
  for (std::size_t i = 0; !stop.stop_requested(); ++i) {
    {  // not held over the stat: a share may take its time, the watch adds meanwhile
      const platform::MutexLock lock(recheckMutex);
      any = !rechecked.empty();
      if (i >= rechecked.size()) return false;
      folder = rechecked[i];
    }
    if (platform::StampOf(folder.first) != folder.second) return true;
  }
  return false;
}

bool FolderFeed::State::LinkLeadsToFolder() {
  const platform::MutexLock lock(linksMutex);
  return std::any_of(links.begin(), links.end(), [](const auto& link) {
    struct stat st {};
    return platform::Fs().Lstat(link.first.c_str(), &st) == 0 && S_ISLNK(st.st_mode) &&
           platform::Fs().Stat(link.first.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
  });
}

FolderFeed::FolderFeed(Setup setup, std::shared_ptr<Inbox> inbox,
                       std::unique_ptr<platform::FolderWatcher> watcher)
    : inbox_(std::move(inbox)), stamp_(inbox_->Open()), state_(std::make_shared<State>()) {
  state_->setup = std::move(setup);
  state_->post.emplace(inbox_, stamp_);
  state_->watcher = std::move(watcher);
  state_->running = state_->watcher ? 2 : 1;
  load_ = platform::Worker(
      "velmora-load", [state = state_](std::stop_token stop) { Load(std::move(stop), *state); });
  if (state_->watcher) {
    watch_ = platform::Worker("velmora-watch", [state = state_](std::stop_token stop) {
      Watch(std::move(stop), *state);
    });
  }
}

FolderFeed::~FolderFeed() { Stop(); }

void FolderFeed::Stop() {
  load_.Stop();
  watch_.Stop();
  inbox_->Drop(stamp_);
}

void FolderFeed::StopWatching() { watch_.Stop(); }

void FolderFeed::Load(std::stop_token stop, State& state) {
  platform::YieldToForeground();
  const Setup& setup = state.setup;
  // Set by the walk's threads when the watch limit is reached.
  std::atomic<bool> watching = state.watcher != nullptr;
  const auto watch = [&](const std::string& dir) {
    if (!watching || stop.stop_requested()) return false;
    const platform::WatchResult r = state.watcher->Watch(dir);
    if (r.LimitReached() && watching.exchange(false)) state.Post(handover::WatchOff{});
    return r.changed;
  };

  ScanStream stream;
  stream.stop = stop;
  stream.once = &state.once;
  stream.rule = setup.rule;
  stream.listed = [&](ListedFiles&& files) {
    state.Post(handover::Files{std::move(files), false});
  };
  stream.link = [&](const std::string& path, bool folder) { state.AddLink(path, folder); };
  // Folders read and not watched yet, each ended by a NUL: one block. Written by one of the
  // walk's threads at a time, read once the walk has ended.
  std::string read;
  // In the walk's order: a folder reached by two paths is watched by the one it is listed
  // by, so that its events name its files as the rows do.
  if (setup.watchEarly) stream.entering = [&](const std::string& dir) { (void)watch(dir); };
  const bool late = !setup.watchEarly && watching;
  stream.folder = [&](const std::string& dir, const platform::FolderStamp& stamp) {
    if (late) read.append(dir).push_back('\0');
    state.Stamped(dir, stamp);
  };
  ScanReport report;
  bool completed = !stop.stop_requested();
  for (const std::string& root : OuterFolders(setup.paths))
    if (!(completed = StreamFolder(root, stream, 0, &report))) break;
  const bool unsound = state.followed && state.changedFolders;
  if (completed) state.Post(handover::End{report.unreadable.size()});
  // Watching tens of thousands of folders costs a tenth of the load, so it waits until
  // the window is filled. A folder that changed before its watch is read again, once:
  // that load watches as it reads. So is one whose watch followed folders made or gone
  // while the walk had not yet met the link to a folder that makes that unsound.
  bool changed = false;
  for (std::size_t at = 0, end = 0; at < read.size(); at = end + 1) {
    end = read.find('\0', at);
    changed = watch(read.substr(at, end - at)) || changed;
  }
  std::string().swap(read);
  if (completed && watching && !stop.stop_requested()) {
    if (changed || unsound)
      state.Post(handover::Reread{});
    else
      Recheck(stop, state);
  }
  state.Finished();
}

void FolderFeed::Recheck(const std::stop_token& stop, State& state) {
  // A check at most every 50 times what one takes, so that a big share costs little;
  // the first also catches what changed while the walk read. A change asks for a reread,
  // which follows the folder in this feed's place.
  bool changed = false;
  const auto check = [&](std::chrono::milliseconds& every) {
    bool any = false;
    const auto start = std::chrono::steady_clock::now();
    changed = state.Changed(stop, any);
    every =
        std::max(state.setup.recheckLeast, std::chrono::ceil<std::chrono::milliseconds>(
                                               50 * (std::chrono::steady_clock::now() - start)));
    if (changed) state.Post(handover::Reread{});
    return !changed && any;
  };
  std::chrono::milliseconds every{};
  if (!check(every)) {
    if (!changed && !stop.stop_requested()) state.Post(handover::Following{});
    return;
  }
  const auto seconds = [](std::chrono::milliseconds t) {
    return static_cast<std::uint32_t>(
        std::max<std::int64_t>(1, std::chrono::ceil<std::chrono::seconds>(t).count()));
  };
  std::uint32_t told = seconds(every);
  state.Post(handover::Following{told});
  std::mutex mutex;
  std::condition_variable_any never;
  for (;;) {
    {
      std::unique_lock lock(mutex);
      (void)never.wait_for(lock, stop, every, [] { return false; });
    }
    if (stop.stop_requested() || !check(every)) return;
    if (seconds(every) != told) state.Post(handover::Following{told = seconds(every)});
  }
}

void FolderFeed::Watch(std::stop_token stop, State& state) {
  const Setup& setup = state.setup;
  std::vector<std::string> roots;
  for (const std::string& path : setup.paths) roots.push_back(platform::JoinPath(path, ""));
  roots = Outermost(roots);  // those read
  PathList added;
  handover::Gone gone;
  // Not lowered: a watch read too late loses its events once the system's queue is full.
  const auto flush = [&] {
    if (!added.empty())
      state.Post(handover::Files{ListedFiles::Of(std::exchange(added, {}), setup.rule), true});
    if (!gone.paths.empty()) state.Post(std::exchange(gone, {}));
  };
  platform::FolderWatcher& watcher = *state.watcher;
  std::vector<std::string> unwatched;  // events under these came by watches now let go
  // The folder is to be read again, by another feed: what comes now is of no use.
  bool rereading = false;
  const auto link = [&](const std::string& path, bool folder) { state.AddLink(path, folder); };
  const auto reread = [&] {
    flush();
    state.Post(handover::Reread{});
    rereading = true;
  };
  while (!stop.stop_requested()) {
    unwatched.clear();
    for (platform::FolderEvent& e : watcher.Wait(50ms)) {
      using Kind = platform::FolderEvent::Kind;
      if (rereading) break;
      const std::string path = e.folder + e.name;
      if (e.kind != Kind::Lost && e.kind != Kind::SelfGone) {
        if (std::any_of(unwatched.begin(), unwatched.end(),
                        [&](const std::string& dir) { return e.folder.starts_with(dir); }))
          continue;
        if (e.kind == Kind::Written) {
          // Told as a file made again where it is listed: its facts are read anew. A
          // burst of writes comes as one.
          if (!gone.paths.empty()) flush();
          if (added.empty() || added[added.size() - 1] != path) added.push_back(path);
          continue;
        }
        // A link that led to a folder, or any folder once one did: see State::links.
        if (e.isFolder) state.changedFolders = true;
        if (state.DropLinks(path) || (e.isFolder && (e.link || state.followed))) {
          reread();
          continue;
        }
        if (e.link) state.AddLink(path, false);
        const std::string dir = path + platform::kPathSeparator;
        // A folder read by this path (and so watched first) before its coming is told: its
        // own watch tells what changed in it since, also later in these events.
        if (e.kind == Kind::Added && e.isFolder && state.once.Holds(dir)) continue;
        // What was watched or read by this path was of an entry now gone or replaced.
        if (watcher.Unwatch(dir) || e.isFolder) unwatched.push_back(dir);
        state.once.Forget(dir);
      }
      if (e.kind == Kind::Lost) {
        reread();
      } else if (e.kind == Kind::SelfGone) {
        // A shown folder's own going, or of one a link led to: a subfolder's is told by
        // its parent.
        if (std::find(roots.begin(), roots.end(), e.folder) != roots.end()) {
          flush();
          state.Post(handover::Vanished{e.folder});
        } else if (state.followed) {
          reread();
        }
      } else if (e.kind == Kind::Removed) {
        if (!added.empty()) flush();
        gone.paths.push_back(path);
        gone.folders = gone.folders || e.isFolder;
      } else {
        if (!gone.paths.empty()) flush();
        if (e.isFolder && state.LinkLeadsToFolder()) {
          reread();
        } else if (!e.isFolder) {
          added.push_back(path);
        } else if (!e.name.empty() && e.name.front() != '.') {
          // A folder made or moved in: what it holds already, and watched from now on.
          // Each folder is watched before it is read, so that nothing made meanwhile is missed.
          ScanStream sub;
          sub.stop = stop;
          sub.once = &state.once;
          sub.files = [&](PathList&& part) { added.Append(std::move(part)); };
          sub.entering = [&](const std::string& dir) {
            if (watcher.Watch(dir).LimitReached()) state.Post(handover::WatchOff{});
          };
          sub.link = link;
          sub.folder = [&](const std::string& dir, const platform::FolderStamp& stamp) {
            state.Stamped(dir, stamp);
          };
          (void)StreamFolder(path, sub, 1);
          if (state.followed) reread();
        }
      }
    }
    if (!rereading) flush();
  }
  state.Finished();
}

}  // namespace velmora::catalogue
