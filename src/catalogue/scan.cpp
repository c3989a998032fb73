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

// A folder listed, or a piece of files, waiting to be handed over.
struct Handover {
  std::string dir;  // a folder's, ending with a separator; empty for a piece
  platform::FolderStamp stamp;
  PathList files;
  ListedFiles listed;  // the piece made ready, for ScanStream::listed
  bool ready = true;
};

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
        // The node is this thread's alone until it is marked ready. Entered in queue order,
        // as folders join: a folder reached by two paths is entered first by the one listed.
        Node& node = nodes_[nextRead_++];
        if (stream_ != nullptr && stream_->entering) stream_->entering(node.dir);
        mutex_.Unlock();
        EnumFolder(node, listing, stream_);
        mutex_.Lock();
        node.ready = true;
        bool joined = false;
        // A folder joined is done with: the queue holds only those still to join, so a
        // walk holds the paths of the folders ahead, not of every folder it saw.
        while (nextRead_ > 0 && nodes_.front().ready) {
          Join(nodes_.front());
          nodes_.pop_front();
          --nextRead_;
          joined = true;
        }
        if (joined) changed_.NotifyAll();
        Deliver();
      } else if (nodes_.empty()) {
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
    Deliver();
  }

 private:
  // Queues the files gathered so far for handing over when enough have gathered or they
  // waited long enough; with last, whatever is left.
  void Flush(bool last) REQUIRES(mutex_) {
    if (stream_ == nullptr || !(stream_->files || stream_->listed) || result_.empty()) return;
    const auto now = std::chrono::steady_clock::now();
    if (!last && flushedOnce_ && result_.size() < batch_ &&
        now - flushed_ < std::chrono::milliseconds(50))
      return;
    flushedOnce_ = true;
    flushed_ = now;
    batch_ = std::min<std::size_t>(batch_ * 4, 1 << 14);
    Handover& piece = out_.emplace_back();
    piece.files = std::exchange(result_, {});
    piece.ready = !stream_->listed;
    if (!piece.ready) toMake_.push_back(&piece);
  }

  // Makes the pieces queued ready outside the lock, several threads at once (ListedFiles),
  // and hands what is queued over in its order, one thread at a time and outside the lock,
  // so that a slow receiver never holds up the threads that read.
  void Deliver() REQUIRES(mutex_) {
    for (;;) {
      if (!toMake_.empty()) {
        Handover& piece = *toMake_.front();  // stays in place: it is not ready
        toMake_.pop_front();
        PathList files = std::move(piece.files);
        mutex_.Unlock();
        ListedFiles listed = ListedFiles::Of(std::move(files), stream_->rule);
        mutex_.Lock();
        piece.listed = std::move(listed);
        piece.ready = true;
        continue;
      }
      if (handing_ || out_.empty() || !out_.front().ready) return;
      handing_ = true;
      while (!out_.empty() && out_.front().ready) {
        Handover next = std::move(out_.front());
        out_.pop_front();
        mutex_.Unlock();
        Hand(next);
        mutex_.Lock();
      }
      handing_ = false;
    }
  }

  // Outside the lock, by the one thread handing over.
  void Hand(Handover& h) {
    if (!h.dir.empty()) {
      stream_->folder(h.dir, h.stamp);
    } else if (!stream_->listed) {
      stream_->files(std::move(h.files));
    } else if (!stream_->stop.stop_requested()) {
      stream_->listed(std::move(h.listed));
    }
  }

  void Join(Node& node) REQUIRES(mutex_) {
    const bool root = !std::exchange(rootJoined_, true);
    if (!node.status.ok() || (node.pseudo && root)) {
      if (report_ != nullptr)
        report_->unreadable.push_back(
            {platform::WithoutTrailingSeparator(node.dir),
             node.status.ok() ? platform::Status::Refusal("a kernel file system, not listed")
                              : std::move(node.status)});
    } else if (!node.pseudo && (!node.id || FirstTime(*node.id, node.dir))) {
      if (stream_ != nullptr && stream_->folder) {
        Handover& listed = out_.emplace_back();
        listed.dir = node.dir;
        listed.stamp = node.stamp;
      }
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

  // Held while a folder joins; taken before a shared ReadOnce's lock (FirstTime), never
  // held while the stream's callbacks run, but for entering.
  platform::Mutex mutex_;
  platform::CondVar changed_;  // with mutex_
  // The folders still to join, the first nextRead_ of them read or being read; a deque
  // keeps references stable as it grows at the back and shrinks at the front.
  std::deque<Node> nodes_ GUARDED_BY(mutex_);
  std::size_t nextRead_ GUARDED_BY(mutex_) = 0;
  bool rootJoined_ GUARDED_BY(mutex_) = false;
  std::unordered_set<platform::FolderId, platform::FolderIdHash> seen_ GUARDED_BY(mutex_);
  bool stopped_ GUARDED_BY(mutex_) = false;
  PathList result_ GUARDED_BY(mutex_);
  // The first pieces are small, so that the first rows show at once.
  std::size_t batch_ GUARDED_BY(mutex_) = 256;
  std::chrono::steady_clock::time_point flushed_ GUARDED_BY(mutex_) =
      std::chrono::steady_clock::now();
  bool flushedOnce_ GUARDED_BY(mutex_) = false;
  // What is yet to be handed over, in order: folders (dir set) and pieces of files.
  std::deque<Handover> out_ GUARDED_BY(mutex_);
  std::deque<Handover*> toMake_ GUARDED_BY(mutex_);  // pieces of out_ no thread makes yet
  bool handing_ GUARDED_BY(mutex_) = false;          // a thread hands out_'s front over
};

}  // namespace

bool ReadOnce::Insert(const platform::FolderId& id, const std::string& dir) {
  const platform::MutexLock lock(mutex_);
  if (const auto seen = byId_.find(id); seen != byId_.end()) {
    const std::string first = dirs_.Text(seen->second);
    if (first == dir || platform::StillLeadsTo(first, id)) return false;
    Drop(seen->second);
  }
  platform::PathTree::Node at = dirs_.Find(dir);
  if (at != platform::PathTree::kNone && ids_[at]) {  // a folder put in place of another
    byId_.erase(*ids_[at]);
  } else {
    at = dirs_.Add(dir);
    ids_.resize(dirs_.Span());
  }
  ids_[at] = id;
  byId_.emplace(id, at);
  return true;
}

void ReadOnce::Drop(platform::PathTree::Node node) {
  byId_.erase(*ids_[node]);
  ids_[node].reset();
  dirs_.Release(node);
}

bool ReadOnce::Holds(const std::string& dir) {
  platform::FolderId id;
  {
    const platform::MutexLock lock(mutex_);
    const platform::PathTree::Node at = dirs_.Find(dir);
    if (at == platform::PathTree::kNone || !ids_[at]) return false;
    id = *ids_[at];
  }
  return platform::StillLeadsTo(dir, id);
}

void ReadOnce::Forget(const std::string& prefix) {
  const platform::MutexLock lock(mutex_);
  const platform::PathTree::Node at = dirs_.Find(prefix);
  if (at == platform::PathTree::kNone) return;
  for (const platform::PathTree::Node node : dirs_.Below(at)) Drop(node);
}

void ReadOnce::Clear() {
  decltype(byId_) ids;
  platform::PathTree dirs;
  decltype(ids_) byNode;
  {
    const platform::MutexLock lock(mutex_);
    ids.swap(byId_);
    std::swap(dirs, dirs_);
    byNode.swap(ids_);
  }
}

ListedFiles ListedFiles::Of(PathList files, const TagRule& rule) {
  ListedFiles out;
  out.tags = TagCounts(rule.digits);
  files.Shrink();
  std::string scratch;
  files.ForEachRun(0, files.size(), [&](std::size_t first, std::size_t end, std::uint32_t k) {
    if (rule.FolderWords())
      out.tags.AddWords(rule.Below(files.FolderText(k, scratch)), end - first);
    for (std::size_t i = first; i < end; ++i) out.tags.AddName(files.Name(i));
  });
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

namespace {

std::string WithSeparator(std::string_view p) {
  std::string dir(p);
  if (dir.back() != kPathSeparator) dir.push_back(kPathSeparator);
  return dir;
}

// The path as given and trimmed of blanks, each ending with a separator.
std::pair<std::string, std::string> Spellings(std::string_view path, std::size_t first) {
  return {WithSeparator(path),
          WithSeparator(path.substr(first, path.find_last_not_of(' ') - first + 1))};
}

}  // namespace

TagRule TagRuleFor(const std::vector<std::string>& paths, Digits digits, bool folderWords) {
  TagRule rule(digits);
  for (const std::string& path : paths) {
    const auto first = path.find_first_not_of(' ');
    if (!folderWords || first == std::string::npos) continue;
    auto [dir, trimmed] = Spellings(path, first);
    if (trimmed != dir) rule.folders.push_back(std::move(trimmed));
    rule.folders.push_back(std::move(dir));
  }
  return rule;
}

TagRule TagRuleFor(std::string_view path, Digits digits, bool folderWords) {
  return TagRuleFor(std::vector{std::string(path)}, digits, folderWords);
}

std::string NormaliseFolder(std::string_view path) {
  const auto first = path.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};  // never the whole file system by accident
  auto [dir, trimmed] = Spellings(path, first);
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

std::vector<std::string> Outermost(const std::vector<std::string>& dirs) {
  std::vector<std::string> outer;
  for (const std::string& dir : dirs) {
    const auto under = [&dir](const std::string& other) { return dir.starts_with(other); };
    if (std::none_of(dirs.begin(), dirs.end(),
                     [&](const std::string& o) { return o.size() < dir.size() && under(o); }) &&
        std::none_of(outer.begin(), outer.end(), under))
      outer.push_back(dir);
  }
  return outer;
}

std::vector<std::string> OuterFolders(const std::vector<std::string>& paths) {
  std::vector<std::string> roots;
  for (const std::string& path : paths)
    if (std::string root = NormaliseFolder(path); !root.empty()) roots.push_back(std::move(root));
  return Outermost(roots);
}

PathList ScanFolders(const std::vector<std::string>& paths, unsigned threads, ScanReport* report) {
  PathList all;
  ReadOnce once;
  ScanStream stream;
  stream.once = &once;
  stream.files = [&all](PathList&& part) { all.Append(std::move(part)); };
  for (const std::string& root : OuterFolders(paths))
    (void)StreamFolder(root, stream, threads, report);
  return all;
}

}  // namespace velmora::catalogue
