#pragma once
// Reading one folder at a time, as the operating system lists it.

#include <sys/types.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/paths.h"
#include "platform/status.h"

namespace velmora::platform {

// Identifies a folder on disk whatever path reached it, so a walk can read each folder
// once however many links lead to it.
struct FolderId {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  friend bool operator==(const FolderId&, const FolderId&) = default;
};

// Whether path still leads to the folder id, or cannot be looked at for another reason
// than its being gone: the path that reached a folder first keeps it until then.
bool StillLeadsTo(const std::string& path, const FolderId& id);

struct FolderIdHash {
  std::size_t operator()(const FolderId& id) const {
    return std::hash<std::uint64_t>()(id.inode * 0x9E3779B97F4A7C15u ^ id.device);
  }
};

// What a stat of a folder says of its entries: any made, removed or renamed changes it.
struct FolderStamp {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::int64_t modified = 0;  // nanoseconds since the epoch
  std::uint64_t links = 0;
  friend bool operator==(const FolderStamp&, const FolderStamp&) = default;
};
// The stamp of path now, through Fs(); all zero when it cannot be looked at.
FolderStamp StampOf(const std::string& path);

// Whether dir lies on a file system whose changes by other computers this one is not
// told of (NFS, SMB, FUSE, 9p...): its notifications tell only this computer's own.
bool ChangesUnheard(const std::string& dir);

enum class EntryKind : std::uint8_t { File, Folder };

// The entries of one folder in the file system's own order, without "." and "..".
// A link to a folder is a Folder; every other entry (a file, a dangling link, a
// device, a pipe) is a File; Link tells which entries are links, whatever they lead to.
// Each name field is kept as the system filled it: the name, possibly followed by NUL
// padding. Fields share one buffer to spare an allocation per entry.
class FolderListing {
 public:
  void Clear() {
    names_.clear();
    entries_.clear();
    id.reset();
    pseudo = false;
    stamp = {};
  }
  void Add(std::string_view nameField, EntryKind kind, bool link = false) {
    entries_.push_back({names_.size(), nameField.size(), kind, link});
    names_.append(nameField);
  }
  std::size_t size() const { return entries_.size(); }
  std::string_view NameField(std::size_t i) const {
    return std::string_view(names_).substr(entries_[i].offset, entries_[i].length);
  }
  EntryKind Kind(std::size_t i) const { return entries_[i].kind; }
  bool Link(std::size_t i) const { return entries_[i].link; }

  std::optional<FolderId> id;  // unknown when the system cannot say
  // The folder lies on a kernel file system (proc, sysfs, devtmpfs...): its entries are
  // processes, devices and settings, not files, and some trees there never end. Such a
  // folder is listed without entries.
  bool pseudo = false;
  FolderStamp stamp;  // as the folder was opened to be read

 private:
  struct Entry {
    std::size_t offset;
    std::size_t length;
    EntryKind kind;
    bool link;
  };
  std::string names_;
  std::vector<Entry> entries_;
};

// Fills out with the entries of dir, a path of any length, read through Fs(). ok(), or
// why the folder cannot be read: the system's text alone, for the caller names the
// folder as it shows it (NotFound() when it does not exist); out is then empty. Safe to
// call from several threads.
Status ReadFolder(const std::string& dir, FolderListing& out);

// Whether a mount table (the text of /proc/self/mountinfo) mounts devtmpfs from device,
// which reports itself as tmpfs.
bool ListsDevtmpfs(std::string_view mountinfo, dev_t device);

}  // namespace velmora::platform
