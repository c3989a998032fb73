#include "catalogue/path_list.h"

#include <stdexcept>

namespace velmora::catalogue {

PathList::Blocks::Blocks(const Blocks& other) : blocks_(other.blocks_) {
  if (!blocks_.empty()) blocks_.back() = std::make_shared<std::string>(*blocks_.back());
}

PathList::Blocks& PathList::Blocks::operator=(const Blocks& other) {
  if (this != &other) *this = Blocks(other);
  return *this;
}

std::uint64_t PathList::Blocks::Add(std::string_view text) {
  if (text.size() > kMaxPart) throw std::length_error("name or folder too long for a path list");
  // A block never fills its last byte, so that every text, even an empty one, starts
  // inside it.
  if (blocks_.empty() || blocks_.back()->size() + text.size() >= kBlockSize) {
    std::string& block = *blocks_.emplace_back(std::make_shared<std::string>());
    // Later blocks are made whole at once (grown by doubling, one would end at nearly
    // twice its size); the first grows as needed, so that small lists stay small.
    if (blocks_.size() > 1) block.reserve(kBlockSize);
  }
  std::string& block = *blocks_.back();
  const std::uint64_t start = ((blocks_.size() - 1) << kBlockBits) | block.size();
  block.append(text);
  return start << kLengthBits | text.size();
}

namespace {

// Below this many bytes in common, a folder is kept whole: building its text is not worth
// the room saved.
constexpr std::size_t kShareFrom = 128;
// A rest this long is kept whole instead, to be the start shared by the folders after it.
constexpr std::size_t kRestUpTo = 256;

}  // namespace

std::size_t PathList::Blocks::Size() const {
  std::size_t size = 0;
  for (const auto& block : blocks_) size += block->size();
  return size;
}

std::uint32_t PathList::AddFolder(std::string_view folder) {
  if (folder.size() > kMaxPart) throw std::length_error("folder too long for a path list");
  if (folders_.size() >= FolderRef::kWhole) throw std::length_error("too many folders");
  FolderRef ref;
  if (lastWhole_ != FolderRef::kWhole && folder.size() >= kShareFrom) {
    const std::string_view whole = text_.Get(folders_[lastWhole_].rest);
    const std::size_t shared = static_cast<std::size_t>(
        std::mismatch(whole.begin(), whole.end(), folder.begin(), folder.end()).first -
        whole.begin());
    if (shared >= kShareFrom && folder.size() - shared <= kRestUpTo) {
      ref.base = lastWhole_;
      ref.shared = static_cast<std::uint32_t>(shared);
      folder.remove_prefix(shared);
    }
  }
  ref.rest = text_.Add(folder);
  folders_.push_back(ref);
  const auto k = static_cast<std::uint32_t>(folders_.size() - 1);
  if (ref.base == FolderRef::kWhole) lastWhole_ = k;
  return k;
}

std::string_view PathList::FolderText(std::size_t k, std::string& scratch) const {
  const FolderRef& ref = folders_[k];
  if (ref.base == FolderRef::kWhole) return text_.Get(ref.rest);
  scratch.clear();
  AppendFolder(k, scratch);
  return scratch;
}

void PathList::AppendFolder(std::size_t k, std::string& out) const {
  const auto [start, rest] = FolderParts(k);
  out.append(start).append(rest);
}

bool PathList::FolderIs(std::size_t k, std::string_view text) const {
  const auto [start, rest] = FolderParts(k);
  return text.size() == start.size() + rest.size() && text.starts_with(start) &&
         text.ends_with(rest);
}

std::pair<std::string_view, std::string_view> PathList::FolderParts(std::size_t k) const {
  const FolderRef& ref = folders_[k];
  if (ref.base == FolderRef::kWhole) return {{}, text_.Get(ref.rest)};
  return {text_.Get(folders_[ref.base].rest).substr(0, ref.shared), text_.Get(ref.rest)};
}

void PathList::AddFile(std::uint32_t folder, std::string_view name) {
  if (name.size() > kMaxPart) throw std::length_error("name too long for a path list");
  if (runs_.empty() || runs_.back().folder != folder) runs_.push_back({size(), folder});
  names_.Add(name);
}

void PathList::Shrink() {
  names_.Shrink();
  runs_.shrink_to_fit();
}

std::vector<PathList::Run>::const_iterator PathList::RunOf(std::size_t i) const {
  // Most look at the files last added, or go file by file.
  if (i >= runs_.back().first) return runs_.end() - 1;
  return std::upper_bound(runs_.begin(), runs_.end(), i,
                          [](std::size_t n, const Run& r) { return n < r.first; }) -
         1;
}

std::size_t PathList::RunEnd(std::size_t i) const {
  const auto r = RunOf(i);
  return r + 1 == runs_.end() ? size() : (r + 1)->first;
}

std::vector<std::uint32_t> PathList::FolderNumbers() const {
  std::vector<std::uint32_t> numbers;
  numbers.reserve(size());
  ForEachRun(0, size(), [&](std::size_t first, std::size_t end, std::uint32_t folder) {
    numbers.insert(numbers.end(), end - first, folder);
  });
  return numbers;
}

void PathList::push_back(std::string_view path) {
  const auto slash = path.rfind(platform::kPathSeparator);
  const std::string_view folder =
      slash == std::string_view::npos ? std::string_view() : path.substr(0, slash + 1);
  const bool same = !folders_.empty() && FolderIs(folders_.size() - 1, folder);
  AddFile(same ? static_cast<std::uint32_t>(folders_.size() - 1) : AddFolder(folder),
          path.substr(folder.size()));
}

void PathList::Append(PathList&& other) {
  if (folders_.empty()) {  // nothing to number after: other as it is
    *this = std::move(other);
    other = {};
    return;
  }
  // Files that come one by one into the same folder keep its one number.
  std::vector<std::uint32_t> to(other.folders_.size());
  std::string theirs;
  for (std::size_t k = 0; k < other.folders_.size(); ++k) {
    const std::string_view text = other.FolderText(k, theirs);
    if (k == 0 && FolderIs(folders_.size() - 1, text))
      to[k] = static_cast<std::uint32_t>(folders_.size() - 1);
    else
      to[k] = AddFolder(text);
  }
  for (const Run& run : other.runs_) {
    if (runs_.empty() || runs_.back().folder != to[run.folder])
      runs_.push_back({size() + run.first, to[run.folder]});
  }
  names_.Append(std::move(other.names_));
  other = {};
}

std::string PathList::operator[](std::size_t i) const {
  std::string path;
  AppendPath(i, path);
  return path;
}

void PathList::AppendPath(std::size_t i, std::string& out) const {
  AppendFolder(FolderOf(i), out);
  out.append(Name(i));
}

}  // namespace velmora::catalogue
