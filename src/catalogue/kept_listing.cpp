#include "catalogue/kept_listing.h"

#include <atomic>
#include <cstdio>
#include <numeric>
#include <unordered_map>
#include <utility>

#include "catalogue/listing_cache.h"
#include "platform/memory.h"
#include "platform/status.h"

namespace velmora::catalogue {
namespace {

using platform::Status;

// Paths of a list, looked up by folder and name without making a string of each: the
// folder by a number that two lists give alike to folders of the same text.
using PathKey = std::pair<std::uint32_t, std::string_view>;
struct PathHash {
  std::size_t operator()(const PathKey& key) const {
    return std::hash<std::string_view>{}(key.second) * 31 + key.first;
  }
};

// Looked up by the hash of the text, and held as the first folder of that text rather than
// as a copy of it: a deep tree's folders are long.
class FolderKeys {
 public:
  // The numbers of list's folders, by folder number; the lists must outlive this.
  std::vector<std::uint32_t> Of(const PathList& list) {
    std::vector<std::uint32_t> keys(list.FolderCount());
    std::string scratch;
    for (std::size_t k = 0; k < keys.size(); ++k) {
      const std::string_view text = list.FolderText(k, scratch);
      const std::size_t hash = std::hash<std::string_view>{}(text);
      const auto [first, last] = byHash_.equal_range(hash);
      auto it = first;
      while (it != last && !it->second.list->FolderIs(it->second.folder, text)) ++it;
      if (it == last)
        it = byHash_.emplace(hash, Folder{&list, static_cast<std::uint32_t>(k), count_++});
      keys[k] = it->second.key;
    }
    return keys;
  }

 private:
  struct Folder {
    const PathList* list;
    std::uint32_t folder;
    std::uint32_t key;
  };
  std::unordered_multimap<std::size_t, Folder> byHash_;
  std::uint32_t count_ = 0;
};

// Said once a run: the program works on without kept listings.
void SayOnce(const Status& status) {
  static std::atomic<bool> said = false;
  if (!said.exchange(true))
    std::fprintf(stderr, "velmora: %s; folders are read without the lists kept of them\n",
                 status.message().c_str());
}

// Files set aside to be compared with rows shown need only their paths.
void Unindex(handover::Files& files) { files.tags = {}; }

// Whether piece lists what list does from at on, path for path.
bool ListsAt(const PathList& piece, const PathList& list, std::size_t at) {
  bool same = true;
  std::string ours;
  piece.ForEachRun(0, piece.size(), [&](std::size_t first, std::size_t end, std::uint32_t k) {
    list.ForEachRun(at + first, at + end, [&](std::size_t, std::size_t, std::uint32_t folder) {
      same = same && list.FolderIs(folder, piece.FolderText(k, ours));
    });
    for (std::size_t i = first; same && i < end; ++i) same = piece.Name(i) == list.Name(at + i);
  });
  return same;
}

// The first n files of list.
PathList Prefix(const PathList& list, std::size_t n) {
  PathList out;
  std::string scratch;
  list.ForEachRun(0, n, [&](std::size_t first, std::size_t end, std::uint32_t k) {
    const std::uint32_t folder = out.AddFolder(list.FolderText(k, scratch));
    for (std::size_t i = first; i < end; ++i) out.AddFile(folder, list.Name(i));
  });
  return out;
}

// Where each file of listed went in all, both in the walk's order: alike up to the first
// change, looked up by path after it.
std::optional<handover::Checked> Compared(const PathList& listed, PathList all, const TagRule& rule,
                                          const std::stop_token& stop) {
  handover::Checked checked;
  FolderKeys keys;
  const std::vector<std::uint32_t> listedKeys = keys.Of(listed), allKeys = keys.Of(all);
  const auto listedKey = [&](std::size_t i) {
    return PathKey{listedKeys[listed.FolderOf(i)], listed.Name(i)};
  };
  const auto allKey = [&](std::size_t i) { return PathKey{allKeys[all.FolderOf(i)], all.Name(i)}; };
  std::size_t same = 0;
  while (same < listed.size() && same < all.size() && listedKey(same) == allKey(same)) ++same;
  if (same == listed.size() && same == all.size()) return checked;
  std::unordered_map<PathKey, std::size_t, PathHash> now;
  now.reserve(all.size() - same);
  for (std::size_t i = same; i < all.size(); ++i) now.emplace(allKey(i), i);
  if (stop.stop_requested()) return std::nullopt;
  checked.numbers.resize(listed.size());
  std::iota(checked.numbers.begin(), checked.numbers.begin() + static_cast<std::ptrdiff_t>(same),
            std::size_t{0});
  for (std::size_t i = same; i < listed.size(); ++i) {
    const auto found = now.find(listedKey(i));
    checked.numbers[i] = found == now.end() ? handover::Checked::kGone : found->second;
  }
  now = {};
  if (stop.stop_requested()) return std::nullopt;
  checked.same = false;
  checked.loaded = ListedFiles::Of(std::move(all), rule);
  return checked;
}

}  // namespace

void KeptListing::Ask(std::string folder) {
  state_ = State::Asked;
  head_ = same_ = 0;
  differs_ = false;
  std::string file = ListingFile(folder);
  reader_.Start([folder = std::move(folder), file = std::move(file), rule = rule_](
                    std::stop_token stop, const Poster& post) {
    bool found = false;
    const Status read = ReadListing(file, folder, [&](PathList&& files) {
      if (stop.stop_requested()) return false;
      handover::Cached cached;
      static_cast<ListedFiles&>(cached) = ListedFiles::Of(std::move(files), rule);
      post(std::move(cached));
      found = true;
      return true;
    });
    if (read.Untrusted()) SayOnce(read);
    if (!found) post(handover::Cached{{}, false});
  });
}

void KeptListing::Hold() {
  Release();
  state_ = State::Shown;
}

bool KeptListing::SetAside(handover::Files& files, const PathList& rows) {
  if (state_ == State::No) return false;
  aside_.push_back(std::move(files));
  if (state_ == State::Shown) Unindex(aside_.back()), Match(rows);
  return true;
}

void KeptListing::Match(const PathList& rows) {
  for (; state_ == State::Shown && !differs_ && head_ < aside_.size(); ++head_) {
    PathList& piece = aside_[head_].files;
    if (same_ + piece.size() > rows.size()) return;  // the rows have not come this far yet
    if (!ListsAt(piece, rows, same_)) {
      differs_ = true;
      return;
    }
    same_ += piece.size();
    piece.clear();
  }
}

KeptListing::Piece KeptListing::Take(const handover::Cached& piece) {
  if (state_ == State::No) return Piece::Late;
  if (!piece.found) return Piece::NoneKept;
  if (state_ == State::Asked) {
    state_ = State::Shown;
    for (handover::Files& files : aside_) Unindex(files);
  }
  return Piece::Show;
}

std::vector<handover::Files> KeptListing::Release() {
  reader_.Stop();
  std::vector<handover::Files> found = std::exchange(aside_, {});
  head_ = same_ = 0;
  differs_ = false;
  if (std::exchange(state_, State::No) != State::Asked) found.clear();
  return found;
}

bool KeptListing::Compare(const PathList& rows, std::size_t unreadable) {
  if (state_ != State::Shown) return false;
  state_ = State::No;
  std::vector<handover::Files> loaded = std::exchange(aside_, {});
  loaded.erase(loaded.begin(), loaded.begin() + static_cast<std::ptrdiff_t>(head_));
  const std::size_t same = std::exchange(same_, 0);
  head_ = 0;
  differs_ = false;
  reader_.Start([listed = rows, loaded = std::move(loaded), same, unreadable, rule = rule_](
                    std::stop_token stop, const Poster& post) mutable {
    platform::YieldToForeground();
    handover::Checked alike;
    alike.unreadable = unreadable;
    if (same == listed.size() && loaded.empty()) return post(std::move(alike));
    PathList all = Prefix(listed, same);
    for (handover::Files& part : loaded) all.Append(std::move(part.files));
    loaded = {};
    std::optional<handover::Checked> checked = Compared(listed, std::move(all), rule, stop);
    if (!checked || stop.stop_requested()) return;
    checked->unreadable = unreadable;
    post(std::move(*checked));
  });
  return true;
}

void KeptListing::Write(std::string folder, PathList files) {
  std::string file = ListingFile(folder);
  // Each write makes a file of its own, renamed over the listing: one let go harms none.
  writer_.Start([folder = std::move(folder), file = std::move(file), files = std::move(files)](
                    std::stop_token stop, const Poster&) mutable {
    platform::YieldToForeground();
    if (const Status written = WriteListing(file, folder, files, stop); written.Untrusted())
      SayOnce(written);
    // The load is over, and its passing pieces with it; this copy goes too.
    files.clear();
    platform::GiveBackFreedMemory();
  });
}

}  // namespace velmora::catalogue
