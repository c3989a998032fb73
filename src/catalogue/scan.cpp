#include "catalogue/scan.h"

#include <algorithm>
#include <chrono>
#include <deque>
#include <thread>
#include <unordered_set>
#include <utility>
#include <vector>

#include "platform/paths.h"

namespace velmora::catalogue {

using platform::EntryKind;
using platform::FolderListing;
using platform::kPathSeparator;

namespace {

struct Node {
  explicit Node(std::string d) : dir(std::move(d)) {}
  std::string dir;  // ends with a separator
  // Filled by whoever reads the folder, emptied when it joins the result.
  std::optional<platform::FolderId> id;
  platform::Status status;
  bool pseudo = false;
  platform::FolderStamp stamp;
  std::string fileNames;
  std::vector<std::size_t> nameEnds;
  std::vector<std::string> subfolders;
  bool ready = false;
};

// Reads one folder into its node. Touches nothing but the node, and tells of its links.
void EnumFolder(Node& node, FolderListing& listing, const ScanStream* stream) {
  node.status = platform::ReadFolder(node.dir, listing);
  if (!node.status.ok()) return;
  node.id = listing.id;
  node.pseudo = listing.pseudo;
  node.stamp = listing.stamp;
  for (std::size_t i = 0; i < listing.size(); ++i) {
    // Names are used exactly as the system gives them: a leading blank is part of the name.
    const std::string_view name = TrimAtNul(listing.NameField(i));
    if (listing.Link(i) && stream != nullptr && stream->link)
      stream->link(node.dir + std::string(name), listing.Kind(i) == EntryKind::Folder);
    if (listing.Kind(i) == EntryKind::Folder) {
      if (name.empty() || name.front() == '.') continue;
      std::string& sub = node.subfolders.emplace_back(node.dir);
      sub.append(name);
      sub.push_back(kPathSeparator);
    } else {
      node.fileNames.append(name);
      node.nameEnds.push_back(node.fileNames.size());
    }
  }
}

// Breadth-first over a queue of folders. Several threads may read folders ahead, but
// folders join the result (their files, and their subfolders to the queue) strictly in
// queue order, so the list is the one a single reader would produce. Whether a folder
// was seen before is also decided at the join, so the first path in queue order wins.
class Walk {
 public:
  Walk(std::string root, ScanReport* report, const ScanStream* stream)
      : report_(report), stream_(stream) {
    const platform::MutexLock lock(mutex_);
    nodes_.emplace_back(std::move(root));
  }

  void Work() EXCLUDES(mutex_) {
    FolderListing listing;
    mutex_.Lock();
    for (;;) {
      if (stream_ != nullptr && stream_->stop.stop_requested()) {
        stopped_ = true;
        changed_.NotifyAll();
        break;
      }
      if (nextRead_ < nodes_.size()) {
        // The node is this thread's alone until it is marked ready.
        Node& node = nodes_[nextRead_++];
        mutex_.Unlock();
        if (stream_ != nullptr && stream_->entering) stream_->entering(node.dir);
        EnumFolder(node, listing, stream_);
        mutex_.Lock();
        node.ready = true;
        bool joined = false;
        while (nextJoin_ < nextRead_ && nodes_[nextJoin_].ready) {
          Join(nodes_[nextJoin_++]);
          joined = true;
        }
        if (joined) changed_.NotifyAll();
        HandTaken();
      } else if (nextJoin_ == nodes_.size()) {
        changed_.NotifyAll();
        break;
      } else {
        changed_.Wait(mutex_);
      }
    }
    mutex_.Unlock();
  }

  PathList TakeResult() EXCLUDES(mutex_) {
    const platform::MutexLock lock(mutex_);
    return std::move(result_);
  }
  bool Stopped() EXCLUDES(mutex_) {
    const platform::MutexLock lock(mutex_);
    return stopped_;
  }
  // Hands whatever is left over; once every thread has done its Work.
  void Finish() EXCLUDES(mutex_) {
    const platform::MutexLock lock(mutex_);
    Flush(true);
    HandTaken();
  }

 private:
  // Hands the files gathered so far over when enough have gathered or they waited long
  // enough; with last, whatever is left.
  void Flush(bool last) REQUIRES(mutex_) {
    if (stream_ == nullptr || !(stream_->files || stream_->listed) || result_.empty()) return;
    const auto now = std::chrono::steady_clock::now();
    if (!last && flushedOnce_ && result_.size() < batch_ &&
        now - flushed_ < std::chrono::milliseconds(50))
      return;
    flushedOnce_ = true;
    flushed_ = now;
    batch_ = std::min<std::size_t>(batch_ * 4, 1 << 14);
    if (stream_->listed) {
      taken_.emplace_back(tickets_++, std::exchange(result_, {}));
    } else {
      stream_->files(std::exchange(result_, {}));
    }
  }

  // Makes the pieces taken ready outside the lock, several threads at once, and hands
  // them over in the order they were taken.
  void HandTaken() REQUIRES(mutex_) {
    while (!taken_.empty()) {
      auto [ticket, piece] = std::move(taken_.front());
      taken_.pop_front();
      mutex_.Unlock();
      ListedFiles listed = ListedFiles::Of(std::move(piece));
      mutex_.Lock();
      while (handed_ != ticket) changed_.Wait(mutex_);
      if (!stream_->stop.stop_requested()) stream_->listed(std::move(listed));
      ++handed_;
      changed_.NotifyAll();
    }
  }

  void Join(Node& node) REQUIRES(mutex_) {
    const bool root = &node == &nodes_.front();
    if (!node.status.ok() || (node.pseudo && root)) {
      if (report_ != nullptr)
        report_->unreadable.push_back(
            {platform::WithoutTrailingSeparator(node.dir),
             node.status.ok() ? platform::Status::Refusal("a kernel file system, not listed")
                              : std::move(node.status)});
    } else if (!node.pseudo && (!node.id || FirstTime(*node.id, node.dir))) {
      if (stream_ != nullptr && stream_->folder) stream_->folder(node.dir, node.stamp);
      Add(node);
      Flush(false);
    }
    // Clearing keeps the capacity; swapping with empty values releases it.
    std::string().swap(node.fileNames);
    std::vector<std::size_t>().swap(node.nameEnds);
    std::vector<std::string>().swap(node.subfolders);
  }

  bool FirstTime(const platform::FolderId& id, const std::string& dir) REQUIRES(mutex_) {
    if (stream_ != nullptr && stream_->once != nullptr) return stream_->once->Insert(id, dir);
    return seen_.insert(id).second;
  }

  void Add(Node& node) REQUIRES(mutex_) {
    if (!node.nameEnds.empty()) {
      const std::uint32_t folder = result_.AddFolder(node.dir);
      std::size_t start = 0;
      for (const std::size_t end : node.nameEnds) {
        result_.AddFile(folder, std::string_view(node.fileNames).substr(start, end - start));
        start = end;
      }
    }
    for (std::string& sub : node.subfolders) nodes_.emplace_back(std::move(sub));
  }

  ScanReport* report_;  // written under mutex_
  const ScanStream* stream_;

  platform::Mutex mutex_;
  platform::CondVar changed_;  // with mutex_
  // The queue; a deque keeps references stable as it grows.
  std::deque<Node> nodes_ GUARDED_BY(mutex_);
  std::size_t nextRead_ GUARDED_BY(mutex_) = 0;
  std::size_t nextJoin_ GUARDED_BY(mutex_) = 0;
  std::unordered_set<platform::FolderId, platform::FolderIdHash> seen_ GUARDED_BY(mutex_);
  bool stopped_ GUARDED_BY(mutex_) = false;
  PathList result_ GUARDED_BY(mutex_);
  // The first pieces are small, so that the first rows show at once.
  std::size_t batch_ GUARDED_BY(mutex_) = 256;
  std::chrono::steady_clock::time_point flushed_ GUARDED_BY(mutex_) =
      std::chrono::steady_clock::now();
  bool flushedOnce_ GUARDED_BY(mutex_) = false;
  std::deque<std::pair<std::uint64_t, PathList>> taken_ GUARDED_BY(mutex_);
  std::uint64_t tickets_ GUARDED_BY(mutex_) = 0;  // pieces taken
  std::uint64_t handed_ GUARDED_BY(mutex_) = 0;   // pieces handed over
};

}  // namespace

bool ReadOnce::Insert(const platform::FolderId& id, const std::string& dir) {
  const platform::MutexLock lock(mutex_);
  if (const auto seen = byId_.find(id); seen != byId_.end()) {
    const std::string& first = seen->second->first;
    if (first == dir || platform::StillLeadsTo(first, id)) return false;
    byDir_.erase(seen->second);
    byId_.erase(seen);
  }
  const auto [at, made] = byDir_.try_emplace(dir, id);
  if (!made) {  // a folder put in place of another
    byId_.erase(at->second);
    at->second = id;
  }
  byId_.emplace(id, at);
  return true;
}

void ReadOnce::Forget(const std::string& prefix) {
  const platform::MutexLock lock(mutex_);
  for (auto at = byDir_.lower_bound(prefix); at != byDir_.end() && at->first.starts_with(prefix);) {
    byId_.erase(at->second);
    at = byDir_.erase(at);
  }
}

void ReadOnce::Clear() {
  decltype(byId_) ids;
  decltype(byDir_) dirs;
  {
    const platform::MutexLock lock(mutex_);
    ids.swap(byId_);
    dirs.swap(byDir_);
  }
}

ListedFiles ListedFiles::Of(PathList files) {
  ListedFiles out;
  files.Shrink();
  for (std::size_t i = 0; i < files.size(); ++i) out.tags.AddName(files.Name(i));
  out.files = std::move(files);
  return out;
}

void ListedFiles::Append(ListedFiles&& other) {
  files.Append(std::move(other.files));
  std::vector<std::string> added;
  tags.Merge(other.tags, added);
  other = {};
}

std::string_view TrimAtNul(std::string_view text) {
  const auto nul = text.find('\0');
  if (nul == std::string_view::npos || nul == 0) return text;
  return text.substr(0, nul);
}

std::string NormaliseFolder(std::string_view path) {
  const auto first = path.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};  // never the whole file system by accident
  const auto withSeparator = [](std::string_view p) {
    std::string dir(p);
    if (dir.back() != kPathSeparator) dir.push_back(kPathSeparator);
    return dir;
  };
  std::string dir = withSeparator(path);
  std::string trimmed = withSeparator(path.substr(first, path.find_last_not_of(' ') - first + 1));
  FolderListing probe;
  if (trimmed != dir && platform::ReadFolder(dir, probe).NotFound() &&
      platform::ReadFolder(trimmed, probe).ok())
    return trimmed;
  return dir;
}

namespace {

void Run(Walk& walk, unsigned threads) {
  if (threads == 0) threads = std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
  std::vector<std::jthread> helpers;
  for (unsigned i = 1; i < threads; ++i) helpers.emplace_back([&walk] { walk.Work(); });
  walk.Work();
}

}  // namespace

PathList ScanFolder(std::string_view path, unsigned threads, ScanReport* report) {
  std::string root = NormaliseFolder(path);
  if (root.empty()) return {};
  Walk walk(std::move(root), report, nullptr);
  Run(walk, threads);
  return walk.TakeResult();
}

bool StreamFolder(std::string_view path, const ScanStream& stream, unsigned threads,
                  ScanReport* report) {
  std::string root = NormaliseFolder(path);
  if (root.empty()) return !stream.stop.stop_requested();
  Walk walk(std::move(root), report, &stream);
  Run(walk, threads);
  if (walk.Stopped()) return false;
  walk.Finish();
  return true;
}

}  // namespace velmora::catalogue
