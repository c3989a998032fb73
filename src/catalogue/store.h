#pragma once
// The registered folders and their user tags, kept in folders.txt.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/files.h"
#include "platform/status.h"

namespace velmora::catalogue {

// A record of the file whose path cannot be used (a NUL would cut it short, so a
// command would act on a parent folder). It is kept as it was read and written back.
struct RefusedRecord {
  std::string path;
  std::string userTagLine;
  std::string reason;
  friend bool operator==(const RefusedRecord&, const RefusedRecord&) = default;
};

// A record named by its path and how many records before it have the same path: the
// name still holds in the file after other processes changed other folders. A path may
// be registered any number of times, each a record of its own.
struct RecordKey {
  std::string path;
  std::size_t rank = 0;
};

// Three parallel lists: entry i of each belongs to the same folder. They only grow
// and shrink together, so they always have the same length. Refused records stand
// apart: they are not listed, and are written after the usable ones.
class FolderStore {
 public:
  std::size_t size() const { return paths_.size(); }
  bool empty() const { return paths_.empty(); }
  const std::string& Path(std::size_t i) const { return paths_[i]; }
  const std::string& Folder(std::size_t i) const { return folders_[i]; }
  const std::string& UserTags(std::size_t i) const { return userTags_[i]; }
  const std::vector<std::string>& Paths() const { return paths_; }
  const std::vector<std::string>& Folders() const { return folders_; }
  const std::vector<RefusedRecord>& Refused() const { return refused_; }
  // The first record with this path, or size().
  std::size_t Find(std::string_view path) const;
  RecordKey KeyOf(std::size_t i) const;
  // The record key names, or size().
  std::size_t Find(const RecordKey& key) const;
  // One record followed through removals: Followed() is where it now stands, or size()
  // once it went (or none was followed).
  void Follow(std::size_t i) { followed_ = i < size() ? i : kNone; }
  std::size_t Followed() const { return followed_ < size() ? followed_ : size(); }

  // Each is ok(), or a refusal that says why the entry cannot be stored: a line break
  // would shift every later record of the file, and a path holding NUL or longer than
  // the system takes cannot name the folder.
  platform::Status Append(std::string path, std::string userTagLine) {
    return Insert(size(), std::move(path), std::move(userTagLine));
  }
  // The record at i (at most size()), the others from i on moving down one.
  platform::Status Insert(std::size_t i, std::string path, std::string userTagLine);
  platform::Status SetUserTags(std::size_t i, std::string userTagLine);
  void Remove(std::size_t i);

  friend bool operator==(const FolderStore& a, const FolderStore& b) {
    return a.paths_ == b.paths_ && a.userTags_ == b.userTags_ && a.refused_ == b.refused_;
  }

 private:
  std::vector<std::string> paths_;
  std::vector<std::string> folders_;
  std::vector<std::string> userTags_;
  std::vector<RefusedRecord> refused_;
  std::size_t followed_ = kNone;
  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
  friend FolderStore ParseFolders(std::string_view text);
};

inline constexpr std::string_view kStoreFileName = "folders.txt";

// folders.txt inside dir.
std::string StoreFileIn(std::string_view dir);

// The file's text: two CR LF lines per folder, its path and its user-tag line.
std::string FormatFolders(const FolderStore& store);
// Reads that text into an empty store. Lines pair up strictly; a missing last tag
// line is empty; LF alone or CR alone also ends a line; a UTF-8 byte order mark at the
// start is dropped. A record Append refuses goes to Refused().
FolderStore ParseFolders(std::string_view text);

// The largest folders.txt read; anything bigger is not a folder list.
inline constexpr std::size_t kMaxStoreBytes = 16 * 1024 * 1024;

// Fills store from file. A missing file is an empty store; a FIFO, a device or a file
// over kMaxStoreBytes is refused, with a message naming the file and the reason.
platform::Status LoadFolders(FolderStore& store, const std::string& file);
// Replaces file with the store's text; on failure the old file stays as it was.
platform::Status SaveFolders(const FolderStore& store, const std::string& file);

// An edit of the store: ok(), or why it refuses.
using StoreChange = std::function<platform::Status(FolderStore&)>;

// One change to the store made safe against other processes changing it too: under an
// exclusive lock on file + ".lock" (tried as wait says; a failure names the lock file),
// reads file afresh, lets change edit that store and saves the result. result becomes
// the store as the file now holds it, whenever the file could be read. Fails with the
// first failure (read, change or save); nothing is written then.
platform::Status UpdateFolders(const std::string& file, const StoreChange& change,
                               FolderStore& result, const platform::LockWait& wait = {});
// UpdateFolders into store, following the record key names through the change: key names
// the same-ranked record of its path in the file as read, afterwards the record it became,
// or none once it is gone.
platform::Status UpdateFollowing(const std::string& file, const StoreChange& change,
                                 FolderStore& store, std::optional<RecordKey>& key,
                                 const platform::LockWait& wait = {});

}  // namespace velmora::catalogue
