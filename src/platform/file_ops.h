#pragma once
// The mechanics of changing one file: copy, move, rename, trash, delete. They never ask
// anything: a target in the way comes back as InTheWay() unless replacing was allowed,
// and the caller decides. Every failure names the file and the reason in its message.

#include <cstdint>
#include <functional>
#include <string>

#include "platform/dir_enum.h"
#include "platform/file_facts.h"
#include "platform/status.h"

namespace velmora::platform {

// How far a copy is, called as it goes (first with done 0); false to cancel it, which
// ends the call with Cancelled().
using CopyProgress = std::function<bool(std::uint64_t done, std::uint64_t total)>;

// Copies the regular file (or link to one) from to the full target path to. The copy is
// written where no one sees it and named only when complete and on disk, so a failed or
// cancelled copy leaves nothing and harms no file it was to replace. A FIFO, a device,
// a folder, a name holding a NUL byte and a target that is the source are refused.
// InTheWay() when to exists and replace is false (also when it appears during the copy).
Status Copy(const std::string& from, const std::string& to, bool replace,
            const CopyProgress& progress = {});
// Moves from to to, as Copy says for what is in the way. Across file systems a file is
// copied and then removed; a link is moved as a link.
Status Move(const std::string& from, const std::string& to, bool replace,
            const CopyProgress& progress = {});
// Gives from the name to; never replaces anything (InTheWay()). Renaming to itself is ok().
Status Rename(const std::string& from, const std::string& to);

// Which file a command left at a place, so that one put there later, or the file
// changed since, is not taken for it: lstat's device and inode, size and time.
struct FileMark {
  std::uint64_t device = 0, inode = 0;
  FileFacts facts;
  friend bool operator==(const FileMark&, const FileMark&) = default;
};

// The folder a file came from: its path with every link in it resolved when the file left,
// and which folder it was. A file goes back only into that very folder, reached through
// that path without following any link.
struct Origin {
  std::string folder;
  FolderId id;
};

// Where Move or Rename put a file: now, from was (its folder being from).
struct Moved {
  std::string now, was;
  FileMark file;
  Origin from;
};

// Where a file went in the trash: the trash folder (holding files/ and info/), its entry's
// name there, the path it had, the file itself and the folder it came from.
struct TrashedAs {
  std::string trash, entry, original;
  FileMark file;
  Origin from;
};

// The mark of what Move or Rename put at now from was; its now stays empty when the file
// or the folder it left cannot be read.
Moved MarkMoved(const std::string& now, const std::string& was);
// Moves the file moved marks back to its path, into the folder it came from (across file
// systems as Move does, the copy made in that folder through /proc). Never moves another
// file, never replaces anything: InTheWay() when anything stands at the old path, NotFound()
// when the file or its folder is gone; another file at now, the file changed, a folder that
// is not the one it came from leave it where it is, with a failure saying so.
Status MoveBack(const Moved& moved, const CopyProgress& progress = {});

// Moves path to the desktop's trash (a link goes as itself); NoTrash() when no trash
// takes it (the message says so and why). The trash goes through GIO, which keeps the
// desktop's own trash rules; nothing else here needs more than the system. When where is
// given it says where the file went; its entry stays empty if that, or the folder the file
// left, cannot be read.
Status Trash(const std::string& path, TrashedAs* where = nullptr);
// Puts a trashed file back at its path and drops its entry from the trash, as MoveBack
// does: InTheWay() when anything stands at that path now; NotFound() when its folder is
// gone (not made again) or the file is no longer in the trash.
Status Untrash(const TrashedAs& trashed);
// Deletes path for good.
Status Delete(const std::string& path);

// path within quotes, with the characters that would hide or fake text escaped.
std::string Quoted(const std::string& path);

// True when path names something that is not a folder (a link counts as itself);
// false for a path holding a NUL byte.
bool IsNonFolder(const std::string& path);

}  // namespace velmora::platform
