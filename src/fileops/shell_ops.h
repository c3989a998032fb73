#pragma once
// The single-file operations behind the file commands: the platform's mechanics with
// the questions around them. Each acts on one file and returns when it is done; a
// failure has already been shown in an error window. ok() when the file was done;
// Cancelled() when the user pressed Cancel, which ends the whole batch; any other failure
// when the file was kept (the user said No, or there was nothing to act on) or failed.

#include <string>

#include "platform/file_ops.h"
#include "platform/shell.h"

namespace velmora::fileops {

using platform::Status;

// What the user has said for all the files of one command: a "to All" answer stands
// for the rest of the batch.
struct Batch {
  enum class Replace { Ask, All, None } replace = Replace::Ask;
};

// Moves path to the trash without asking (the command asked once for the whole
// batch); a file no trash takes is deleted only if the user says so. Skips, silently,
// what FileExists says is no file.
Status ShellDelete(platform::Shell& shell, const std::string& path);
// Copies or moves from to the full target path, asking before a file is replaced.
Status ShellCopy(platform::Shell& shell, Batch& batch, const std::string& from,
                 const std::string& to);
Status ShellMove(platform::Shell& shell, Batch& batch, const std::string& from,
                 const std::string& to);
// Never replaces an existing file.
Status ShellRename(platform::Shell& shell, const std::string& from, const std::string& to);

// True when path names a file: anything but a folder. Names beginning with "." are
// ordinary files here. A link counts as itself, so a dangling link can be trashed.
bool FileExists(const std::string& path);

}  // namespace velmora::fileops
