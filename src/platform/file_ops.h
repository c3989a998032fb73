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

// Runs op, asking and reporting through dialogs; returns when it is done. Returns 0,
// or an error number: ECANCELED when the user declined or cancelled. An empty source
// path does nothing and shows nothing.
int RunFileOperation(const FileOperation& op, Dialogs& dialogs);

// True when path names something that is not a folder (a link counts as itself).
bool IsNonFolder(const std::string& path);

}  // namespace velmora::platform
