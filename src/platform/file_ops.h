#pragma once
// One file operation at a time, done the way a careful desktop file manager does it:
// questions before replacing, a progress window for long copies, the trash for
// deletes, and an error window naming the file and the reason when something fails.

#include <string>

#include "platform/dialogs.h"

namespace velmora::platform {

enum class FileFunction { Move = 1, Copy = 2, Delete = 3, Rename = 4 };

// Flags of an operation.
inline constexpr unsigned kNoConfirmation = 0x10;  // delete without asking first
inline constexpr unsigned kAllowUndo = 0x40;       // delete to the trash

struct FileOperation {
  FileFunction function;
  std::string from;
  std::string to;  // the full target path; unused by Delete
  unsigned flags = 0;
};

// How one operation ended. Failed: an error window has said why. Skipped: the user
// kept the file (No to "Replace it?" or to deleting it permanently), or there was
// nothing to act on. Cancelled: the user pressed Cancel, which ends the whole batch.
enum class Outcome { Done, Failed, Skipped, Cancelled };

// What the user has said for all the files of one command: a "to All" answer stands
// for the rest of the batch.
struct Batch {
  enum class Replace { Ask, All, None } replace = Replace::Ask;
};

// Runs op, asking and reporting through dialogs; returns when it is done. An empty
// source path is skipped and shows nothing; a path holding a NUL byte is refused
// before any system call sees it.
[[nodiscard]] Outcome RunFileOperation(const FileOperation& op, Dialogs& dialogs, Batch& batch);

// True when path names something that is not a folder (a link counts as itself);
// false for a path holding a NUL byte.
bool IsNonFolder(const std::string& path);

}  // namespace velmora::platform
