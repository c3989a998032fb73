#pragma once
// The single-file operations behind the file commands. Each hands one file to the
// shell and returns when it is done, with how it ended; what went wrong the shell has
// already shown the user. batch carries the user's "to All" answers from file to file.

#include <string>

#include "platform/shell.h"

namespace velmora::fileops {

using platform::Batch;
using platform::Outcome;

// Moves path to the trash without asking (the command asked once for the whole
// batch). Skips, silently, what FileExists says is no file.
[[nodiscard]] Outcome ShellDelete(platform::Shell& shell, const std::string& path);
// Copies or moves from to the full target path, asking before a file is replaced.
[[nodiscard]] Outcome ShellCopy(platform::Shell& shell, Batch& batch, const std::string& from,
                                const std::string& to);
[[nodiscard]] Outcome ShellMove(platform::Shell& shell, Batch& batch, const std::string& from,
                                const std::string& to);
// Never replaces an existing file.
[[nodiscard]] Outcome ShellRename(platform::Shell& shell, const std::string& from,
                                  const std::string& to);

// True when path names a file: anything but a folder. Names beginning with "." are
// ordinary files here. A link counts as itself, so a dangling link can be trashed.
bool FileExists(const std::string& path);

}  // namespace velmora::fileops
