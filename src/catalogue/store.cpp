#include "catalogue/store.h"

#include <algorithm>
#include <climits>

#include "catalogue/path_list.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/words.h"

namespace velmora::catalogue {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool HasLineBreak(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

}  // namespace

std::size_t FolderStore::Find(std::string_view path) const {
  for (std::size_t i = 0; i < size(); ++i) {
    if (paths_[i] == path) return i;
  }
  return size();
}

RecordKey FolderStore::KeyOf(std::size_t i) const {
  RecordKey key{paths_.at(i), 0};
  for (std::size_t j = 0; j < i; ++j) key.rank += paths_[j] == key.path ? 1 : 0;
  return key;
}

std::size_t FolderStore::Find(const RecordKey& key) const {
  for (std::size_t i = 0, seen = 0; i < size(); ++i) {
    if (paths_[i] == key.path && seen++ == key.rank) return i;
  }
  return size();
}

platform::Status FolderStore::Insert(std::size_t i, std::string path, std::string userTagLine) {
  if (HasLineBreak(path))
    return platform::Status::Refusal(
        platform::Tr("velmora", "A folder path with a line break cannot be stored."));
  if (path.find('\0') != std::string::npos)
    return platform::Status::Refusal(
        platform::Tr("velmora", "A folder path holding a NUL byte cannot be used."));
  // PATH_MAX counts the terminating NUL.
  if (path.size() >= PATH_MAX)
    return platform::Status::Refusal(
        platform::Tr("velmora", "A folder path this long cannot be used."));
  if (HasLineBreak(userTagLine))
    return platform::Status::Refusal(
        platform::Tr("velmora", "A tag with a line break cannot be stored."));
  const auto at = static_cast<std::ptrdiff_t>(std::min(i, size()));
  folders_.insert(folders_.begin() + at, DisplayNameOf(path));
  paths_.insert(paths_.begin() + at, std::move(path));
  userTags_.insert(userTags_.begin() + at, std::move(userTagLine));
  if (followed_ != kNone && followed_ >= i) ++followed_;
  return {};
}

platform::Status FolderStore::SetUserTags(std::size_t i, std::string userTagLine) {
  if (HasLineBreak(userTagLine))
    return platform::Status::Refusal(
        platform::Tr("velmora", "A tag with a line break cannot be stored."));
  userTags_.at(i) = std::move(userTagLine);
  return {};
}

void FolderStore::Remove(std::size_t i) {
  if (i >= size()) return;
  const auto at = static_cast<std::ptrdiff_t>(i);
  paths_.erase(paths_.begin() + at);
  folders_.erase(folders_.begin() + at);
  userTags_.erase(userTags_.begin() + at);
  if (followed_ == i) {
    followed_ = kNone;
  } else if (followed_ != kNone && followed_ > i) {
    --followed_;
  }
}

std::string StoreFileIn(std::string_view dir) { return platform::JoinPath(dir, kStoreFileName); }

std::string FormatFolders(const FolderStore& store) {
  std::string text;
  for (std::size_t i = 0; i < store.size(); ++i) {
    text.append(store.Path(i)).append("\r\n");
    text.append(store.UserTags(i)).append("\r\n");
  }
  for (const RefusedRecord& r : store.Refused()) {
    text.append(r.path).append("\r\n").append(r.userTagLine).append("\r\n");
  }
  // A first path that itself begins with the mark keeps it behind one that is dropped.
  if (text.starts_with(kByteOrderMark)) text.insert(0, kByteOrderMark);
  return text;
}

FolderStore ParseFolders(std::string_view text) {
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  std::vector<std::string_view> lines;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const auto end = text.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) {
      lines.push_back(text.substr(pos));
      break;
    }
    lines.push_back(text.substr(pos, end - pos));
    pos = end + (text.substr(end, 2) == "\r\n" ? 2 : 1);
  }
  FolderStore store;
  for (std::size_t i = 0; i < lines.size(); i += 2) {
    std::string path(lines[i]);
    std::string tags = i + 1 < lines.size() ? std::string(lines[i + 1]) : "";
    if (const platform::Status added = store.Append(path, tags); !added.ok())
      store.refused_.push_back({std::move(path), std::move(tags), added.message()});
  }
  return store;
}

platform::Status LoadFolders(FolderStore& store, const std::string& file) {
  std::string text;
  const platform::Status status = platform::ReadWholeFile(file, text, kMaxStoreBytes);
  if (status.NotFound()) return {};  // first start
  if (!status.ok()) return status;
  store = ParseFolders(text);
  return {};
}

platform::Status SaveFolders(const FolderStore& store, const std::string& file) {
  return platform::ReplaceFile(file, FormatFolders(store));
}

platform::Status UpdateFolders(const std::string& file, const StoreChange& change,
                               FolderStore& result, const platform::LockWait& wait) {
  // The store itself is replaced by rename, so the lock lives in a file of its own.
  const std::string lockFile = file + ".lock";
  const platform::ExclusiveLock lock(lockFile, wait);
  if (lock.status().Busy())
    return lock.status().Retold(platform::Fill(
        platform::Tr("velmora",
                     "Cannot lock %1: the folder list is being changed by another program. "
                     "Try again in a moment: nothing was changed."),
        {lockFile}));
  if (!lock.status().ok()) return lock.status();
  FolderStore store;
  if (platform::Status status = LoadFolders(store, file); !status.ok()) return status;
  result = store;
  if (platform::Status status = change(store); !status.ok()) return status;
  if (platform::Status status = SaveFolders(store, file); !status.ok()) return status;
  result = std::move(store);
  return {};
}

platform::Status UpdateFollowing(const std::string& file, const StoreChange& change,
                                 FolderStore& store, std::optional<RecordKey>& key,
                                 const platform::LockWait& wait) {
  FolderStore now = store;
  const platform::Status status = UpdateFolders(
      file,
      [&](FolderStore& fresh) {
        if (key) fresh.Follow(fresh.Find(*key));
        return change(fresh);
      },
      now, wait);
  store = std::move(now);
  if (key) {
    const std::size_t i = status.ok() ? store.Followed() : store.Find(*key);
    key.reset();
    if (i < store.size()) key = store.KeyOf(i);
  }
  return status;
}

}  // namespace velmora::catalogue
