#include "catalogue/browser.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <numeric>
#include <thread>
#include <unordered_set>

#include "catalogue/scan.h"
#include "catalogue/user_tags.h"
#include "platform/threads.h"

namespace velmora::catalogue {

using namespace std::chrono_literals;

// The threads working for one shown folder. The watcher outlives both threads.
struct Browser::Job {
  std::unique_ptr<platform::FolderWatcher> watcher;
  bool watchEarly = false;  // each folder as soon as it is read, not after the load
  ReadOnce once;            // of the load and of the folders that came later
  std::atomic<int> running{0};
  std::atomic<bool> ended{false};
  std::jthread loader;
  std::jthread watch;
  void RequestStop() {
    loader.request_stop();
    watch.request_stop();
  }
  // The last thread to end lets the watches go: with tens of thousands of them, that
  // takes longer than the window may wait.
  void Finished() {
    if (--running > 0) return;
    watcher.reset();
    ended = true;
  }
};

namespace {

// Looks up texts by view, without making a string of each.
struct TextHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view text) const {
    return std::hash<std::string_view>{}(text);
  }
};

handover::Files Prepared(PathList files, bool live) {
  handover::Files out;
  out.index = FilterIndex(files);
  for (std::size_t i = 0; i < files.size(); ++i) out.tags.AddName(files.Name(i));
  out.files = std::move(files);
  out.live = live;
  return out;
}

}  // namespace

Browser::Browser(std::string storeFile, BrowserView& view, std::function<void()> wake,
                 WatcherFactory watchers)
    : storeFile_(std::move(storeFile)),
      view_(view),
      wake_(std::move(wake)),
      watchers_(std::move(watchers)) {}

Browser::~Browser() {
  Retire();
  for (auto& job : retired_) job->RequestStop();
  retired_.clear();  // joins
}

platform::Status Browser::OpenStore() { return LoadFolders(store_, storeFile_); }

platform::Status Browser::Commit(const StoreChange& change, const platform::LockWait& wait) {
  // Waiting for the lock lets the window answer events; one of them must not commit too.
  if (committing_)
    return platform::Status::Refusal("The folder list is being saved; try again in a moment.");
  committing_ = true;
  FolderStore now = store_;
  // The shown record is the same-ranked one of its path in the file as read.
  const platform::Status status = UpdateFolders(
      storeFile_,
      [&](FolderStore& fresh) {
        if (shown_) fresh.Follow(fresh.Find(*shown_));
        return change(fresh);
      },
      now, wait);
  committing_ = false;
  store_ = std::move(now);
  if (shown_) {
    const std::size_t i = status.ok() ? store_.Followed() : store_.Find(*shown_);
    if (i == store_.size()) {
      shown_.reset();
      Start(false, false);
    } else {
      shown_ = store_.KeyOf(i);
      userTagLine_ = store_.UserTags(i);
    }
  }
  return status;
}

std::size_t Browser::ShownRecord() const { return shown_ ? store_.Find(*shown_) : store_.size(); }

std::optional<std::string> Browser::ShownPath() const {
  if (!shown_) return std::nullopt;
  return shown_->path;
}

void Browser::Show(std::size_t record) {
  shown_.reset();
  if (record < store_.size()) shown_ = store_.KeyOf(record);
  Start(false, false);
}

void Browser::Rescan() { Start(keepFilter_, false); }

void Browser::SetAutoTags(bool on) {
  autoTags_ = on;
  Rescan();
}

bool Browser::Stop() {
  if (!progress_.loading) return false;
  Retire();
  ++generation_;
  pending_.clear();
  held_.clear();
  progress_.loading = false;
  progress_.stopped = true;
  view_.ChipsReset();
  view_.ProgressChanged(progress_);
  return true;
}

void Browser::Retire() {
  if (job_) {
    job_->RequestStop();
    retired_.push_back(std::move(job_));
  }
  Prune();
}

void Browser::Prune() {
  std::erase_if(retired_, [](const auto& job) { return job->ended.load(); });
}

void Browser::Clear(bool keepFilter, bool sameLoad) {
  Retire();
  ++generation_;
  pending_.clear();
  held_.clear();
  // The last load goes before the next one is read, so that two never share memory.
  view_.RowsChanging({RowChange::Kind::Reset});
  files_ = {};
  folderHashes_.clear();
  hashed_ = 0;
  index_ = {};
  tags_ = {};
  gone_.clear();
  goneCount_ = 0;
  if (!keepFilter || !shown_) bar_.clear();
  // A load shows every file until a tag is chosen, whatever the mode.
  if (bar_.empty()) {
    rows_.reset();
  } else {
    rows_.emplace();
  }
  progress_ = {.load = sameLoad ? progress_.load : generation_};
}

void Browser::Start(bool keepFilter, bool watchEarly) {
  Clear(keepFilter, watchEarly);
  progress_.loading = shown_.has_value();
  Recount();
  view_.RowsChanged({RowChange::Kind::Reset});
  view_.ChipsReset();
  if (shown_) {
    const std::size_t i = store_.Find(*shown_);
    if (i < store_.size()) userTagLine_ = store_.UserTags(i);
    job_ = std::make_unique<Job>();
    if (watchers_) job_->watcher = watchers_();
    Job& job = *job_;
    job.watchEarly = watchEarly;
    job.running = job.watcher ? 2 : 1;
    job.loader = std::jthread([this, &job, generation = generation_, path = shown_->path](
                                  std::stop_token stop) { Load(stop, generation, path, job); });
    if (job.watcher) {
      job.watch =
          std::jthread([this, &job, generation = generation_, path = shown_->path](
                           std::stop_token stop) { WatchLoop(stop, generation, path, job); });
    }
  }
  view_.ProgressChanged(progress_);
}

void Browser::Vanish() {
  Clear(false);
  progress_.gone = true;
  Recount(false);
  view_.RowsChanged({RowChange::Kind::Reset});
  view_.ChipsReset();
  view_.ProgressChanged(progress_);
}

void Browser::Deliver(std::uint64_t generation, Delivery delivery) {
  bool first = false;
  {
    const std::lock_guard lock(inboxMutex_);
    first = inbox_.empty();
    inbox_.emplace_back(generation, std::move(delivery));
  }
  if (first) wake_();
}

void Browser::Load(std::stop_token stop, std::uint64_t generation, std::string path, Job& job) {
  platform::NameThread("velmora-load");
  platform::YieldToForeground();
  // The walk reads on while this thread lower-cases and counts what it found.
  std::mutex mutex;
  std::condition_variable ready;
  std::deque<PathList> parts;
  std::string read;  // folders read and not watched yet, each ended by a NUL: one block
  bool closed = false;
  bool watching = job.watcher != nullptr;
  bool changed = false;
  const auto watch = [&](const std::string& folders) {
    for (std::size_t at = 0, end = 0; watching && at < folders.size() && !stop.stop_requested();
         at = end + 1) {
      end = folders.find('\0', at);
      const platform::WatchResult r = job.watcher->Watch(folders.substr(at, end - at));
      changed = changed || r.changed;
      if (r.LimitReached()) {
        watching = false;
        Deliver(generation, handover::WatchOff{});
      }
    }
  };

  ScanStream stream;
  stream.stop = stop;
  stream.once = &job.once;
  stream.files = [&](PathList&& part) {
    {
      const std::lock_guard lock(mutex);
      parts.push_back(std::move(part));
    }
    ready.notify_one();
  };
  if (watching) {
    stream.folder = [&](const std::string& dir) {
      const std::lock_guard lock(mutex);
      read.append(dir).push_back('\0');
    };
  }
  ScanReport report;
  bool completed = false;
  std::jthread walker([&] {
    completed = StreamFolder(path, stream, 0, &report);
    {
      const std::lock_guard lock(mutex);
      closed = true;
    }
    ready.notify_one();
  });
  for (bool more = true; more;) {
    std::optional<PathList> part;
    std::string folders;
    {
      std::unique_lock lock(mutex);
      ready.wait(lock, [&] { return closed || !parts.empty(); });
      if (job.watchEarly) folders.swap(read);
      if (!parts.empty()) {
        part = std::move(parts.front());
        parts.pop_front();
      }
      more = part.has_value() || !closed;
    }
    watch(folders);
    if (part && !stop.stop_requested()) Deliver(generation, Prepared(std::move(*part), false));
  }
  walker.join();
  if (completed) Deliver(generation, handover::End{report.unreadable.size(), true});
  // Watching tens of thousands of folders costs a tenth of the load, so it waits until
  // the window is filled. A folder that changed before its watch is read again, once:
  // that load watches as it reads, so a folder always busy cannot keep it reading.
  watch(read);
  std::string().swap(read);
  if (completed && watching && !stop.stop_requested())
    Deliver(generation, changed && !job.watchEarly ? Delivery{handover::Reread{}}
                                                   : Delivery{handover::Following{}});
  job.Finished();
}

void Browser::WatchLoop(std::stop_token stop, std::uint64_t generation, std::string root,
                        Job& job) {
  if (root.empty() || root.back() != platform::kPathSeparator) root += platform::kPathSeparator;
  platform::NameThread("velmora-watch");
  PathList added;
  handover::Gone gone;
  // Not lowered: a watch read too late loses its events once the system's queue is full.
  const auto flush = [&] {
    if (!added.empty()) Deliver(generation, Prepared(std::exchange(added, {}), true));
    if (!gone.paths.empty()) Deliver(generation, std::exchange(gone, {}));
  };
  std::vector<std::string> unwatched;  // events under these came by watches now let go
  while (!stop.stop_requested()) {
    unwatched.clear();
    for (platform::FolderEvent& e : job.watcher->Wait(50ms)) {
      using Kind = platform::FolderEvent::Kind;
      if (e.kind != Kind::Lost && e.kind != Kind::SelfGone) {
        if (std::any_of(unwatched.begin(), unwatched.end(),
                        [&](const std::string& dir) { return e.folder.starts_with(dir); }))
          continue;
        // What was watched or read by this path was of an entry now gone or replaced.
        const std::string dir = e.folder + e.name + platform::kPathSeparator;
        if (job.watcher->Unwatch(dir) || e.isFolder) unwatched.push_back(dir);
        job.once.Forget(dir);
      }
      if (e.kind == Kind::Lost) {
        flush();
        Deliver(generation, handover::Reread{});
      } else if (e.kind == Kind::SelfGone) {
        // Only the shown folder's own going matters: a subfolder's is told by its parent.
        if (e.folder != root) continue;
        flush();
        Deliver(generation, handover::Vanished{});
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
          sub.once = &job.once;
          sub.files = [&](PathList&& part) { added.Append(part); };
          sub.entering = [&](const std::string& dir) {
            if (job.watcher->Watch(dir).LimitReached()) Deliver(generation, handover::WatchOff{});
          };
          (void)StreamFolder(e.folder + e.name, sub, 1);
        }
      }
    }
    flush();
  }
  job.Finished();
}

void Browser::Poll() {
  if (!polling_) {
    polling_ = true;
    {
      const std::lock_guard lock(inboxMutex_);
      for (auto& [generation, delivery] : inbox_) {
        if (generation == generation_) pending_.push_back(std::move(delivery));
      }
      inbox_.clear();
    }
    Prune();
    // Bounded, so that the window paints and answers between pieces.
    const auto until = std::chrono::steady_clock::now() + 8ms;
    while (!pending_.empty() && std::chrono::steady_clock::now() < until) {
      Delivery next = std::move(pending_.front());
      pending_.pop_front();
      Apply(next);
    }
    polling_ = false;
  }
  bool more = !pending_.empty();
  if (!more) {
    const std::lock_guard lock(inboxMutex_);
    more = !inbox_.empty();
  }
  if (more) wake_();
}

void Browser::Apply(Delivery& delivery) {
  if (auto* files = std::get_if<handover::Files>(&delivery)) {
    if (files->live && progress_.loading) return held_.push_back(std::move(delivery));
    if (files->live && !DropListed(*files)) return;
    Append(files->files, files->index, files->tags);
    if (files->live) Recount(false);
    if (!files->live) {
      progress_.files = files_.size();
      view_.ProgressChanged(progress_);
    }
  } else if (auto* gone = std::get_if<handover::Gone>(&delivery)) {
    if (progress_.loading) return held_.push_back(std::move(delivery));
    Remove(gone->paths, gone->folders);
    Recount(false);
  } else if (auto* end = std::get_if<handover::End>(&delivery)) {
    Finish(end->unreadable);
  } else if (std::holds_alternative<handover::WatchOff>(delivery)) {
    if (job_) job_->watch.request_stop();
    progress_.liveOff = true;
    view_.ProgressChanged(progress_);
  } else if (auto* counts = std::get_if<handover::Counts>(&delivery)) {
    if (counts->counting != counting_) return;
    for (std::size_t i = 0; i < counts->tags.size(); ++i)
      hits_[std::move(counts->tags[i])] = counts->hits[i];
    counted_ = true;
  } else if (std::holds_alternative<handover::Vanished>(delivery)) {
    Vanish();
  } else if (std::holds_alternative<handover::Following>(delivery)) {
    progress_.following = true;
    view_.ProgressChanged(progress_);
  } else {
    Start(true, true);
  }
}

void Browser::Append(PathList& files, FilterIndex& index, const TagCounts& tags) {
  const std::size_t base = files_.size();
  std::size_t added = files.size();
  std::vector<std::size_t> kept;
  if (rows_) {
    kept = Kept(index);
    for (std::size_t& k : kept) k += base;
    added = kept.size();
  }
  const std::size_t first = RowCount();
  const RowChange change{RowChange::Kind::Insert, first, first + added - 1};
  if (added > 0) view_.RowsChanging(change);
  if (files_.empty()) {
    files_ = std::move(files);
  } else {
    files_.Append(files);
  }
  index_.Append(std::move(index));
  if (!gone_.empty()) gone_.resize(files_.size(), 0);
  if (rows_) rows_->insert(rows_->end(), kept.begin(), kept.end());
  if (added > 0) view_.RowsChanged(change);

  std::vector<std::string> fresh;
  tags_.Merge(tags, fresh);
  if (!autoTags_) return;
  std::erase_if(fresh, [this](const std::string& t) { return InBar(t); });
  if (fresh.empty()) return;
  // Only the first-seen order holds its chips where they are as more come.
  if (order_ == ChipOrder::FirstSeen) return view_.ChipsAdded(fresh);
  view_.ChipsReset();
}

bool Browser::DropListed(handover::Files& files) {
  // Only the listed files of the same folder and name are looked at, by view, as Remove
  // does: a file made in a big folder costs no string per file of it.
  std::vector<std::vector<std::uint32_t>> listedAs(files.files.FolderCount());
  for (std::size_t k = 0; k < listedAs.size(); ++k)
    listedAs[k] = FoldersNamed(files.files.FolderText(k));
  std::vector<unsigned char> named(files_.FolderCount(), 0);
  std::unordered_map<std::uint32_t, std::unordered_set<std::string_view>> names;
  for (std::size_t i = 0; i < files.files.size(); ++i) {
    for (const std::uint32_t k : listedAs[files.files.FolderOf(i)]) {
      named[k] = 1;
      names[k].insert(files.files.Name(i));
    }
  }
  std::unordered_set<std::string> listed;
  for (std::size_t i = 0; !names.empty() && i < files_.size(); ++i) {
    const std::uint32_t k = files_.FolderOf(i);
    if (named[k] && (gone_.empty() || !gone_[i]) && names[k].contains(files_.Name(i)))
      listed.insert(files_[i]);
  }
  PathList kept;
  bool dropped = false;
  for (std::size_t i = 0; i < files.files.size(); ++i) {
    std::string path = files.files[i];
    if (listed.insert(path).second) {
      kept.push_back(path);
    } else {
      dropped = true;
    }
  }
  if (dropped) files = Prepared(std::move(kept), true);
  return !files.files.empty();
}

std::vector<std::uint32_t> Browser::FoldersNamed(std::string_view text) {
  // Folders by the hash of their text, kept up to date as folders come; a folder can have
  // several numbers once files came later.
  for (; hashed_ < files_.FolderCount(); ++hashed_) {
    const auto k = static_cast<std::uint32_t>(hashed_);
    folderHashes_.emplace(std::hash<std::string_view>{}(files_.FolderText(k)), k);
  }
  std::vector<std::uint32_t> found;
  const auto [first, last] = folderHashes_.equal_range(std::hash<std::string_view>{}(text));
  for (auto it = first; it != last; ++it) {
    if (files_.FolderText(it->second) == text) found.push_back(it->second);
  }
  return found;
}

void Browser::Remove(const std::vector<std::string>& paths, bool folders) {
  std::vector<unsigned char> named(files_.FolderCount(), 0);  // holds a removed name
  std::vector<unsigned char> folderGone(files_.FolderCount(), 0);
  std::unordered_map<std::uint32_t, std::unordered_set<std::string_view>> names;
  std::unordered_set<std::string, TextHash, std::equal_to<>> goneFolders;
  // A folder goes with everything under it: when a folder went, or a link to one (its
  // path names a folder of the list), every folder is looked at.
  bool anyFolder = folders;
  for (const std::string& path : paths) {
    const auto slash = path.rfind(platform::kPathSeparator);
    for (const std::uint32_t k : FoldersNamed(std::string_view(path).substr(0, slash + 1))) {
      named[k] = 1;
      names[k].insert(std::string_view(path).substr(slash + 1));
    }
    const std::string dir = path + platform::kPathSeparator;
    anyFolder = anyFolder || !FoldersNamed(dir).empty();
    goneFolders.insert(dir);
  }
  for (std::size_t k = 0; k < files_.FolderCount() && anyFolder; ++k) {
    const std::string_view text = files_.FolderText(k);
    for (auto end = text.find(platform::kPathSeparator, 1); end != std::string_view::npos;
         end = text.find(platform::kPathSeparator, end + 1)) {
      if (goneFolders.contains(text.substr(0, end + 1))) {
        folderGone[k] = 1;
        break;
      }
    }
  }
  std::vector<std::size_t> dropped;
  for (std::size_t i = 0; i < files_.size(); ++i) {
    const std::uint32_t k = files_.FolderOf(i);
    if (!(folderGone[k] || named[k]) || (!gone_.empty() && gone_[i])) continue;
    if (folderGone[k] || names[k].contains(files_.Name(i))) dropped.push_back(i);
  }
  if (dropped.empty()) return;

  if (gone_.empty()) gone_.assign(files_.size(), 0);
  goneCount_ += dropped.size();
  std::vector<std::string> goneTags;
  for (const std::size_t i : dropped) {
    gone_[i] = 1;
    tags_.RemoveName(files_.Name(i), goneTags);
  }
  if (!rows_) {
    rows_.emplace(files_.size());
    std::iota(rows_->begin(), rows_->end(), std::size_t{0});
  }
  // The rows to remove, as runs, removed from the last so that earlier rows keep their numbers.
  std::vector<std::pair<std::size_t, std::size_t>> runs;
  for (const std::size_t i : dropped) {
    const auto at = std::lower_bound(rows_->begin(), rows_->end(), i);
    if (at == rows_->end() || *at != i) continue;
    const auto row = static_cast<std::size_t>(at - rows_->begin());
    if (!runs.empty() && runs.back().second + 1 == row) {
      runs.back().second = row;
    } else {
      runs.emplace_back(row, row);
    }
  }
  if (runs.size() > 64) {
    Refilter();
  } else {
    for (auto run = runs.rbegin(); run != runs.rend(); ++run) {
      const RowChange change{RowChange::Kind::Remove, run->first, run->second};
      view_.RowsChanging(change);
      rows_->erase(rows_->begin() + static_cast<std::ptrdiff_t>(run->first),
                   rows_->begin() + static_cast<std::ptrdiff_t>(run->second + 1));
      view_.RowsChanged(change);
    }
  }
  if (autoTags_ && !goneTags.empty()) view_.ChipsReset();
}

void Browser::Finish(std::size_t unreadable) {
  progress_.loading = false;
  progress_.unreadable = unreadable;
  // A rescan keeps the bar's tags that the folder still has.
  const std::vector<std::string> pieces = UserTagPieces(userTagLine_);
  const auto occurs = [&](const std::string& text) {
    if (autoTags_ && tags_.Holds(text)) return true;
    return std::any_of(pieces.begin(), pieces.end(), [&](const std::string& piece) {
      return piece == text || LowerCase(piece) == text;
    });
  };
  const std::size_t before = bar_.size();
  std::erase_if(bar_, [&](const BarTag& tag) { return !occurs(tag.text); });
  const bool refilter = bar_.size() != before;
  if (refilter) {
    Refilter();  // which counts again
    view_.ChipsReset();
  } else if (std::vector<std::string> user = UserChips(); !user.empty()) {
    view_.ChipsAdded(user);
  }
  view_.ProgressChanged(progress_);
  if (!refilter) Recount();
  // What changed meanwhile comes next, within the poll's budget.
  for (auto d = held_.rbegin(); d != held_.rend(); ++d) pending_.push_front(std::move(*d));
  held_.clear();
}

void Browser::Refilter() {
  view_.RowsChanging({RowChange::Kind::Reset});
  if (bar_.empty() && mode_ == MatchMode::All && gone_.empty()) {
    rows_.reset();
  } else {
    rows_ = Kept(index_);
    if (!gone_.empty()) std::erase_if(*rows_, [this](std::size_t i) { return gone_[i] != 0; });
  }
  view_.RowsChanged({RowChange::Kind::Reset});
  Recount();
}

void Browser::Recount(bool start) {
  ++counting_;
  counted_ = false;
  hits_.clear();
  for (Counter& c : counters_) c.thread.request_stop();
  std::erase_if(counters_, [](const Counter& c) { return c.ended->load(); });
  // Files made or removed by others come in bursts of thousands of pieces: the counts
  // they spoil come again with the next change of the filter or load.
  if (!start || progress_.loading || !shown_) return;
  // The thread counts over copies: the index shares its pieces, the rows are copied.
  auto ended = std::make_shared<std::atomic<bool>>(false);
  std::jthread counter([this, index = index_, tags = PanelChips(),
                        kept = rows_.value_or(std::vector<std::size_t>()), all = !rows_,
                        generation = generation_, counting = counting_,
                        ended](std::stop_token stop) mutable {
    const std::shared_ptr<void> done(nullptr, [&ended](void*) { *ended = true; });
    platform::NameThread("velmora-count");
    platform::YieldToForeground();
    std::vector<TagHits> hits = CountTagHits(index, tags, kept, stop);
    if (stop.stop_requested()) return;
    if (all)
      for (TagHits& h : hits) h.kept = h.all;
    Deliver(generation, handover::Counts{counting, std::move(tags), std::move(hits)});
  });
  counters_.push_back({std::move(counter), std::move(ended)});
}

std::optional<TagHits> Browser::Hits(const std::string& tag) const {
  const auto found = hits_.find(tag);
  if (found == hits_.end()) return std::nullopt;
  return found->second;
}

void Browser::AddBarTag(const std::string& text, const std::string& kind, bool excluded) {
  if (InBar(text)) return;
  bar_.push_back({text, kind, excluded});
  Refilter();
}

void Browser::RemoveBarTag(const std::string& text) {
  std::erase_if(bar_, [&](const BarTag& tag) { return tag.text == text; });
  Refilter();
}

void Browser::SetMode(MatchMode mode) {
  mode_ = mode;
  Refilter();
}

void Browser::SetOrder(ChipOrder order) {
  order_ = order;
  view_.ChipsReset();
}

std::vector<std::string> Browser::BarTexts(bool excluded) const {
  std::vector<std::string> texts;
  for (const BarTag& tag : bar_)
    if (tag.excluded == excluded) texts.push_back(tag.text);
  return texts;
}

std::vector<std::size_t> Browser::Kept(const FilterIndex& index) const {
  return ApplyTagFilter(index, BarTexts(false), mode_, BarTexts(true));
}

bool Browser::InBar(const std::string& text) const {
  return std::any_of(bar_.begin(), bar_.end(), [&](const BarTag& t) { return t.text == text; });
}

std::vector<std::string> Browser::PanelChips() const {
  std::vector<std::string> chips;
  if (autoTags_) {
    std::vector<std::size_t> shown;
    for (std::size_t i = 0; i < tags_.Tags().size(); ++i) {
      if (tags_.Count(i) > 0 && !InBar(tags_.Tags()[i])) shown.push_back(i);
    }
    const auto name = [this](std::size_t a, std::size_t b) {
      return tags_.Tags()[a] < tags_.Tags()[b];
    };
    const auto count = [this](std::size_t a, std::size_t b) {
      return tags_.Count(a) > tags_.Count(b);
    };
    if (order_ == ChipOrder::Name) std::sort(shown.begin(), shown.end(), name);
    if (order_ == ChipOrder::Count) std::stable_sort(shown.begin(), shown.end(), count);
    for (const std::size_t i : shown) chips.push_back(tags_.Tags()[i]);
  }
  if (!progress_.loading) {
    for (std::string& chip : UserChips()) chips.push_back(std::move(chip));
  }
  return chips;
}

std::vector<std::string> Browser::UserChips() const {
  std::vector<std::string> chips;
  for (std::string& piece : UserTagPieces(userTagLine_)) {
    if (!InBar(piece) && !InBar(LowerCase(piece))) chips.push_back(std::move(piece));
  }
  return chips;
}

}  // namespace velmora::catalogue
