#pragma once
// The registered folders and their user tags, kept in folders.txt.

#include <string>
#include <string_view>
#include <vector>

namespace velmora::catalogue {

// Three parallel lists: entry i of each belongs to the same folder. They only grow
// and shrink together, so they always have the same length.
class FolderStore {
 public:
  std::size_t size() const { return paths_.size(); }
  bool empty() const { return paths_.empty(); }
  const std::string& Path(std::size_t i) const { return paths_[i]; }
  const std::string& Folder(std::size_t i) const { return folders_[i]; }
  const std::string& UserTags(std::size_t i) const { return userTags_[i]; }
  const std::vector<std::string>& Paths() const { return paths_; }
  const std::vector<std::string>& Folders() const { return folders_; }
  const std::vector<std::string>& UserTagLines() const { return userTags_; }

  // Each returns an empty text, or why the entry cannot be stored (a line break
  // would shift every later record of the file).
  std::string Append(std::string path, std::string userTagLine);
  std::string SetUserTags(std::size_t i, std::string userTagLine);
  void Remove(std::size_t i);
  void Clear();

  friend bool operator==(const FolderStore&, const FolderStore&) = default;

 private:
  std::vector<std::string> paths_;
  std::vector<std::string> folders_;
  std::vector<std::string> userTags_;
};

inline constexpr std::string_view kStoreFileName = "folders.txt";

// folders.txt inside dir.
std::string StoreFileIn(std::string_view dir);

// The file's text: two CR LF lines per folder, its path and its user-tag line.
std::string FormatFolders(const FolderStore& store);
// Reads that text into an empty store. Lines pair up strictly; a missing last tag
// line is empty; LF alone or CR alone also ends a line.
FolderStore ParseFolders(std::string_view text);

// Fills store from file. A missing file is an empty store. Returns an empty text, or
// a message naming the file and the system's reason.
std::string LoadFolders(FolderStore& store, const std::string& file);
// Replaces file with the store's text; on failure the old file stays as it was.
std::string SaveFolders(const FolderStore& store, const std::string& file);

}  // namespace velmora::catalogue
