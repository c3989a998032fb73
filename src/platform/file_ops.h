#pragma once
// The mechanics of changing one file: copy, move, rename, trash, delete. They never ask
// anything: a target in the way comes back as InTheWay() unless replacing was allowed,
// and the caller decides. Every failure names the file and the reason in its message.

#include <cstdint>
#include <functional>
#include <string>

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

// Moves path to the desktop's trash (a link goes as itself); NoTrash() when no trash
// takes it (the message says so and why). The trash goes through GIO, which keeps the
// desktop's own trash rules; nothing else here needs more than the system.
Status Trash(const std::string& path);
// Deletes path for good.
Status Delete(const std::string& path);

// path within quotes, with the characters that would hide or fake text escaped.
std::string Quoted(const std::string& path);

// True when path names something that is not a folder (a link counts as itself);
// false for a path holding a NUL byte.
bool IsNonFolder(const std::string& path);

}  // namespace velmora::platform
