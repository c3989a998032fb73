#include "catalogue/path_list.h"

#include <stdexcept>

namespace velmora::catalogue {

std::uint64_t PathList::Blocks::Add(std::string_view text) {
  if (text.size() > kMaxPart) throw std::length_error("name or folder too long for a path list");
  // A block never fills its last byte, so that every text, even an empty one, starts
  // inside it.
  if (blocks_.empty() || blocks_.back().size() + text.size() >= kBlockSize) {
    std::string& block = blocks_.emplace_back();
    // Later blocks are made whole at once (grown by doubling, one would end at nearly
    // twice its size); the first grows as needed, so that small lists stay small.
    if (&block != &blocks_.front()) block.reserve(kBlockSize);
  }
  std::string& block = blocks_.back();
  const std::uint64_t start = ((blocks_.size() - 1) << kBlockBits) | block.size();
  block.append(text);
  return start << kLengthBits | text.size();
}

std::uint32_t PathList::AddFolder(std::string_view folder) {
  folders_.push_back(text_.Add(folder));
  return static_cast<std::uint32_t>(folders_.size() - 1);
}

void PathList::AddFile(std::uint32_t folder, std::string_view name) {
  if (name.size() > kMaxPart) throw std::length_error("name too long for a path list");
  names_.Add(name);
  folderOf_.push_back(folder);
}

void PathList::Shrink() {
  names_.Shrink();
  folderOf_.shrink_to_fit();
}

void PathList::push_back(std::string_view path) {
  const auto slash = path.rfind(platform::kPathSeparator);
  const std::string_view folder =
      slash == std::string_view::npos ? std::string_view() : path.substr(0, slash + 1);
  const bool same = !folders_.empty() && text_.Get(folders_.back()) == folder;
  AddFile(same ? static_cast<std::uint32_t>(folders_.size() - 1) : AddFolder(folder),
          path.substr(folder.size()));
}

void PathList::Append(PathList&& other) {
  // Files that come one by one into the same folder keep its one number.
  std::vector<std::uint32_t> to(other.folders_.size());
  for (std::size_t k = 0; k < other.folders_.size(); ++k) {
    const std::string_view text = other.text_.Get(other.folders_[k]);
    if (k == 0 && !folders_.empty() && text_.Get(folders_.back()) == text) {
      to[k] = static_cast<std::uint32_t>(folders_.size() - 1);
    } else {
      to[k] = static_cast<std::uint32_t>(folders_.size());
      folders_.push_back(text_.Add(text));
    }
  }
  for (const std::uint32_t k : other.folderOf_) folderOf_.push_back(to[k]);
  names_.Append(std::move(other.names_));
  other = {};
}

std::string PathList::operator[](std::size_t i) const {
  std::string path;
  AppendPath(i, path);
  return path;
}

void PathList::AppendPath(std::size_t i, std::string& out) const {
  out.append(Folder(i));
  out.append(Name(i));
}

}  // namespace velmora::catalogue
