#pragma once
// Reading one folder at a time, as the operating system lists it.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::platform {

inline constexpr char kPathSeparator = '/';

// Identifies a folder on disk whatever path reached it, so a walk can tell when a
// link leads back into a folder it is already inside.
struct FolderId {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  friend bool operator==(const FolderId&, const FolderId&) = default;
};

enum class EntryKind : std::uint8_t { File, Folder };

// The entries of one folder in the file system's own order, without "." and "..".
// A link to a folder is a Folder; every other entry (a file, a dangling link, a
// device, a pipe) is a File. Each name field is kept as the system filled it: the name,
// possibly followed by NUL padding. Fields share one buffer to spare an allocation per entry.
class FolderListing {
 public:
  void Clear() {
    names_.clear();
    entries_.clear();
    id.reset();
  }
  void Add(std::string_view nameField, EntryKind kind) {
    entries_.push_back({names_.size(), nameField.size(), kind});
    names_.append(nameField);
  }
  std::size_t size() const { return entries_.size(); }
  std::string_view NameField(std::size_t i) const {
    return std::string_view(names_).substr(entries_[i].offset, entries_[i].length);
  }
  EntryKind Kind(std::size_t i) const { return entries_[i].kind; }

  std::optional<FolderId> id;  // unknown when the system cannot say

 private:
  struct Entry {
    std::size_t offset;
    std::size_t length;
    EntryKind kind;
  };
  std::string names_;
  std::vector<Entry> entries_;
};

class DirectoryEnumerator {
 public:
  virtual ~DirectoryEnumerator() = default;
  // Fills out with the entries of dir. Returns 0, or the system's error number when
  // the folder cannot be read (out is then empty). Safe to call from several threads.
  virtual int ReadFolder(const std::string& dir, FolderListing& out) const = 0;
};

// The enumerator of the real file system.
const DirectoryEnumerator& SystemDirectories();

// The system's text for an error number ("No such file or directory").
std::string ErrorText(int error);

}  // namespace velmora::platform
