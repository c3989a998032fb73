#pragma once
// Whole-file reads and crash-safe whole-file writes.

#include <sys/types.h>

#include <chrono>
#include <functional>
#include <stop_token>
#include <string>
#include <string_view>

#include "platform/status.h"

namespace velmora::platform {

// Reads the regular file at path into bytes without ever blocking on it: a FIFO or a
// device is refused ("not a regular file"), and so is a file over maxBytes. On failure
// ("Cannot read <path>: <reason>"; NotFound() when the file does not exist) bytes is
// empty.
Status ReadWholeFile(const std::string& path, std::string& bytes, std::size_t maxBytes);

// Puts the bytes of a file being written, in pieces of any size; false once writing
// failed or was stopped, when the rest is not wanted.
using PutBytes = std::function<bool(std::string_view)>;

// How ReplaceFile makes the new file: its permissions, set exactly (whatever the umask)
// when exactMode, and whether it is flushed to disk before it takes the old one's place
// (a file the program can make again need not be).
struct Replacement {
  mode_t mode = 0600;
  bool exactMode = false;
  bool flush = true;
};

// Replaces the file name in the folder open as dirFd (AT_FDCWD: name is a path) so that a
// reader sees either the old file or the new one, never a mix: write puts the bytes into
// a temporary file beside it (never through a link), which is renamed over the old one.
// Stopping, or a failure ("Cannot write <shown>: <reason>"; Cancelled() when stopped),
// leaves the old file as it was and no temporary file.
Status ReplaceFile(int dirFd, const std::string& name, const std::string& shown,
                   const std::function<void(const PutBytes&)>& write, std::stop_token stop = {},
                   const Replacement& how = {});

// Replaces the file at path with bytes as above, flushed to disk, the rename too. A
// symbolic link at path is followed: the file it leads to is replaced and the link stays.
// The file keeps its permissions; one its owner made read-only is not replaced.
Status ReplaceFile(const std::string& path, std::string_view bytes);

// How long to try for a lock another process holds, and what to do meanwhile (a
// window answers its events, so that it does not freeze).
struct LockWait {
  std::chrono::milliseconds limit{2000};
  std::function<void()> meanwhile;
};

// An exclusive flock on the file at path (created when missing; a symbolic link at path
// is refused, never followed), held until the object goes. status() is ok() when it is
// held, Busy() when another process held it all through wait.limit; its message names path.
class ExclusiveLock {
 public:
  explicit ExclusiveLock(const std::string& path, const LockWait& wait = {});
  ~ExclusiveLock();
  ExclusiveLock(const ExclusiveLock&) = delete;
  ExclusiveLock& operator=(const ExclusiveLock&) = delete;
  const Status& status() const { return status_; }

 private:
  int fd_ = -1;
  Status status_;
};

// Whether a folder is at path, links followed: ok when one is, ENOTDIR when something
// else is; otherwise why path cannot be reached ("Cannot read <path>: <reason>", ENOENT
// when nothing is there, EINVAL for a name holding NUL).
Status IsFolder(const std::string& path);

// The folder part of path, without a trailing separator: "." when there is none, "/"
// for a file in the root.
std::string ParentFolder(const std::string& path);

// Makes folder, and the folders above it that are missing, readable by the user alone;
// ok when it is there after, else "Cannot make <folder>: <reason>".
Status MakePrivateFolders(const std::string& folder);

// A folder of the user's own for files the program keeps and trusts (made, with the
// folders above it, when missing), opened into fd (O_DIRECTORY, O_NOFOLLOW). Refused, fd
// -1, unless it is a real folder, not a link, of this user, that nobody else may write
// to (Untrusted()): another user could plant files there that the program would act on,
// or read what it writes. Files in it are then opened through fd.
Status OpenOwnFolder(const std::string& folder, int& fd);

// The user's cache folder: $XDG_CACHE_HOME when that is absolute, else ~/.cache.
std::string UserCacheFolder();

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
