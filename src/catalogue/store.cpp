#include "catalogue/store.h"

#include <cerrno>

#include "catalogue/folder_load.h"
#include "catalogue/path_list.h"
#include "platform/files.h"

namespace velmora::catalogue {
namespace {

bool HasLineBreak(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

}  // namespace

std::string FolderStore::Append(std::string path, std::string userTagLine) {
  if (HasLineBreak(path)) return "A folder path with a line break cannot be stored.";
  if (HasLineBreak(userTagLine)) return "A tag with a line break cannot be stored.";
  folders_.push_back(DisplayNameOf(path));
  paths_.push_back(std::move(path));
  userTags_.push_back(std::move(userTagLine));
  return {};
}

std::string FolderStore::SetUserTags(std::size_t i, std::string userTagLine) {
  if (HasLineBreak(userTagLine)) return "A tag with a line break cannot be stored.";
  userTags_.at(i) = std::move(userTagLine);
  return {};
}

void FolderStore::Remove(std::size_t i) {
  if (i >= size()) return;
  const auto at = static_cast<std::ptrdiff_t>(i);
  paths_.erase(paths_.begin() + at);
  folders_.erase(folders_.begin() + at);
  userTags_.erase(userTags_.begin() + at);
}

void FolderStore::Clear() {
  paths_.clear();
  folders_.clear();
  userTags_.clear();
}

std::string StoreFileIn(std::string_view dir) {
  std::string file(dir);
  if (file.empty() || file.back() != platform::kPathSeparator)
    file.push_back(platform::kPathSeparator);
  file.append(kStoreFileName);
  return file;
}

std::string FormatFolders(const FolderStore& store) {
  std::string text;
  for (std::size_t i = 0; i < store.size(); ++i) {
    text.append(store.Path(i)).append("\r\n");
    text.append(store.UserTags(i)).append("\r\n");
  }
  return text;
}

FolderStore ParseFolders(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const auto end = text.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) {
      lines.push_back(text.substr(pos));
      break;
    }
    lines.push_back(text.substr(pos, end - pos));
    pos = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
  }
  FolderStore store;
  for (std::size_t i = 0; i < lines.size(); i += 2) {
    // Cannot fail: no line holds a line break.
    store.Append(std::string(lines[i]), i + 1 < lines.size() ? std::string(lines[i + 1]) : "");
  }
  return store;
}

std::string LoadFolders(FolderStore& store, const std::string& file) {
  std::string text;
  const int error = platform::ReadWholeFile(file, text);
  if (error == ENOENT) return {};  // first start
  if (error != 0) return "Cannot read " + file + ": " + platform::ErrorText(error);
  store = ParseFolders(text);
  return {};
}

std::string SaveFolders(const FolderStore& store, const std::string& file) {
  return platform::WriteFileAtomically(file, FormatFolders(store));
}

}  // namespace velmora::catalogue
