#pragma once
// The single-file operations behind the file commands. Each hands one file to the
// shell and returns when it is done; what went wrong the shell has already shown the
// user, so nothing is reported back.

#include <string>

#include "platform/shell.h"

namespace velmora::fileops {

// Moves path to the trash without asking (the command asked once for the whole
// batch). Does nothing when FileExists is false.
void ShellDelete(platform::Shell& shell, const std::string& path);
// Copies, moves or renames from to the full target path, asking before a file is replaced.
void ShellCopy(platform::Shell& shell, const std::string& from, const std::string& to);
void ShellMove(platform::Shell& shell, const std::string& from, const std::string& to);
// Never replaces an existing file.
void ShellRename(platform::Shell& shell, const std::string& from, const std::string& to);

// True when path names a file: anything but a folder. Names beginning with "." are
// ordinary files here. A link counts as itself, so a dangling link can be trashed.
bool FileExists(const std::string& path);

}  // namespace velmora::fileops
