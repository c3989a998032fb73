#include "catalogue/scan.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
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
  std::string fileNames;
  std::vector<std::size_t> nameEnds;
  std::vector<std::string> subfolders;
  bool ready = false;
};

// Reads one folder into its node. Touches nothing but the node.
void EnumFolder(Node& node, FolderListing& listing) {
  node.status = platform::ReadFolder(node.dir, listing);
  if (!node.status.ok()) return;
  node.id = listing.id;
  node.pseudo = listing.pseudo;
  for (std::size_t i = 0; i < listing.size(); ++i) {
    // Names are used exactly as the system gives them: a leading blank is part of the name.
    const std::string_view name = TrimAtNul(listing.NameField(i));
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
    nodes_.emplace_back(std::move(root));
  }

  void Work() {
    FolderListing listing;
    std::unique_lock lock(mutex_);
    for (;;) {
      if (stream_ != nullptr && stream_->stop.stop_requested()) {
        stopped_ = true;
        changed_.notify_all();
        return;
      }
      if (nextRead_ < nodes_.size()) {
        Node& node = nodes_[nextRead_++];
        lock.unlock();
        if (stream_ != nullptr && stream_->entering) stream_->entering(node.dir);
        EnumFolder(node, listing);
        lock.lock();
        node.ready = true;
        bool joined = false;
        while (nextJoin_ < nextRead_ && nodes_[nextJoin_].ready) {
          Join(nodes_[nextJoin_++]);
          joined = true;
        }
        if (joined) changed_.notify_all();
      } else if (nextJoin_ == nodes_.size()) {
        changed_.notify_all();
        return;
      } else {
        changed_.wait(lock);
      }
    }
  }

  PathList TakeResult() { return std::move(result_); }
  bool Stopped() const { return stopped_; }

  // Hands the files gathered so far over when enough have gathered or they waited long
  // enough; with last, whatever is left.
  void Flush(bool last) {
    if (stream_ == nullptr || !stream_->files || result_.empty()) return;
    const auto now = std::chrono::steady_clock::now();
    if (!last && handed_ && result_.size() < batch_ &&
        now - flushed_ < std::chrono::milliseconds(50))
      return;
    handed_ = true;
    flushed_ = now;
    batch_ = std::min<std::size_t>(batch_ * 4, 1 << 14);
    stream_->files(std::exchange(result_, {}));
  }

 private:
  void Join(Node& node) {
    const bool root = &node == &nodes_.front();
    if (!node.status.ok() || (node.pseudo && root)) {
      if (report_ != nullptr)
        report_->unreadable.push_back(
            {platform::WithoutTrailingSeparator(node.dir),
             node.status.ok() ? platform::Status::Refusal("a kernel file system, not listed")
                              : std::move(node.status)});
    } else if (!node.pseudo && (!node.id || FirstTime(*node.id, node.dir))) {
      if (stream_ != nullptr && stream_->folder) stream_->folder(node.dir);
      Add(node);
      Flush(false);
    }
    // Clearing keeps the capacity; swapping with empty values releases it.
    std::string().swap(node.fileNames);
    std::vector<std::size_t>().swap(node.nameEnds);
    std::vector<std::string>().swap(node.subfolders);
  }

  bool FirstTime(const platform::FolderId& id, const std::string& dir) {
    if (stream_ != nullptr && stream_->once != nullptr) return stream_->once->Insert(id, dir);
    return seen_.insert(id).second;
  }

  void Add(Node& node) {
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

  ScanReport* report_;
  const ScanStream* stream_;
  std::size_t batch_ = 256;  // the first pieces are small, so the first rows show at once
  std::chrono::steady_clock::time_point flushed_ = std::chrono::steady_clock::now();
  bool stopped_ = false;
  bool handed_ = false;
  std::unordered_set<platform::FolderId, platform::FolderIdHash> seen_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<Node> nodes_;  // the queue; a deque keeps references stable as it grows
  std::size_t nextRead_ = 0;
  std::size_t nextJoin_ = 0;
  PathList result_;
};

}  // namespace

bool ReadOnce::Insert(const platform::FolderId& id, const std::string& dir) {
  const std::lock_guard lock(mutex_);
  if (!byId_.try_emplace(id, dir).second) return false;
  const auto [at, made] = byDir_.try_emplace(dir, id);
  if (!made) {  // a folder put in place of another
    byId_.erase(at->second);
    at->second = id;
  }
  return true;
}

void ReadOnce::Forget(const std::string& prefix) {
  const std::lock_guard lock(mutex_);
  for (auto at = byDir_.lower_bound(prefix); at != byDir_.end() && at->first.starts_with(prefix);) {
    byId_.erase(at->second);
    at = byDir_.erase(at);
  }
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
  walk.Flush(true);
  return true;
}

}  // namespace velmora::catalogue
