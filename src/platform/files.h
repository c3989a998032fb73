#pragma once
// Whole-file reads and crash-safe whole-file writes.

#include <string>
#include <string_view>

namespace velmora::platform {

// Reads the file at path into bytes. Returns 0 or the system's error number
// (ENOENT when the file does not exist).
int ReadWholeFile(const std::string& path, std::string& bytes);

// Replaces the file at path with bytes so that a reader sees either the old file or
// the new one, never a mix: the bytes go to a temporary file beside it, which is
// flushed to disk and renamed over the old one. Returns an empty text, or on failure
// a message naming the file and the system's reason; the old file is then untouched
// and no temporary file is left.
std::string WriteFileAtomically(const std::string& path, std::string_view bytes);

// Writes all of bytes to fd, going on after short writes. False with errno set on
// failure; a write that makes no progress counts as a full disk.
bool WriteAll(int fd, std::string_view bytes);

// The folder part of path, without a trailing separator: "." when there is none, "/"
// for a file in the root.
std::string ParentFolder(const std::string& path);

// The folder holding the running executable, without a trailing separator.
std::string ApplicationDirectory();

// Where the program keeps its folder list: next to the executable when that folder is
// writable and not an installed copy (a portable or build-tree copy), otherwise the
// user's configuration folder, $XDG_CONFIG_HOME/velmora or ~/.config/velmora, which is
// created when missing. An installed copy has its metainfo in ../share beside it.
std::string StoreDirectory();
// The rule alone: xdgConfigHome and home as the environment gives them (null if unset).
std::string ChooseStoreDirectory(const std::string& appDir, bool portable,
                                 const char* xdgConfigHome, const char* home);

}  // namespace velmora::platform
