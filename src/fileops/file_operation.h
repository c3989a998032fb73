#pragma once
// One file operation with its questions, behind the file commands: the platform's
// mechanics for one file and what is asked around them. Each returns when it is done; a
// failure has already been shown in an error window. ok() when the file was done;
// Cancelled() when the user pressed Cancel, which ends the whole batch; any other failure
// when the file was kept (the user said No, or there was nothing to act on) or failed.

#include <string>

#include "desktop/shell.h"
#include "platform/file_ops.h"

namespace velmora::fileops {

using platform::Status;

// What the user has said for all the files of one command: a "to All" answer stands
// for the rest of the batch.
struct Batch {
  enum class Replace { Ask, All, None } replace = Replace::Ask;
};

// Moves path to the trash without asking (the command asked once for the whole
// batch); a file no trash takes is deleted only if the user says so. Skips, silently,
// a folder and a path where nothing is (platform::IsNonFolder). trashed, when given, says
// where in the trash the file went; its entry stays empty unless it went there.
Status ShellDelete(desktop::Shell& shell, const std::string& path,
                   platform::TrashedAs* trashed = nullptr);
// Copies or moves from to the full target path, asking before a file is replaced.
Status ShellCopy(desktop::Shell& shell, Batch& batch, const std::string& from,
                 const std::string& to);
Status ShellMove(desktop::Shell& shell, Batch& batch, const std::string& from,
                 const std::string& to);
// Moves the file a Move To or Rename moved back (platform::MoveBack), never replacing and
// without a question; a failure is left to the caller to tell.
Status ShellMoveBack(desktop::Shell& shell, const platform::Moved& moved);
// Never replaces an existing file.
Status ShellRename(desktop::Shell& shell, const std::string& from, const std::string& to);

}  // namespace velmora::fileops
