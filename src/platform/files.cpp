#include "platform/files.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <thread>

#include "platform/dir_enum.h"
#include "platform/file_system.h"
#include "platform/paths.h"
#include "platform/visible_text.h"
#include "platform/words.h"

namespace velmora::platform {
namespace {

Status WriteFailure(const std::string& path, int error) {
  return {error, Fill(Tr("velmora", "Cannot write %1: %2"), {path, ErrorText(error)})};
}

// The file path leads to after following symbolic links, as far as they exist; path
// itself when it is no link. 0 or the error number (ELOOP for a cycle).
int ResolveLinks(const std::string& path, std::string& target) {
  target = path;
  for (int hops = 0; hops < 40; ++hops) {
    std::string link(PATH_MAX, '\0');
    const ssize_t n = Fs().ReadLink(target.c_str(), link.data(), link.size());
    if (n < 0) return errno == EINVAL || errno == ENOENT ? 0 : errno;  // no link (any more)
    link.resize(static_cast<std::size_t>(n));
    if (link.empty() || link.front() != kPathSeparator) link = JoinPath(ParentFolder(target), link);
    target = std::move(link);
  }
  return ELOOP;
}

}  // namespace

Status IsFolder(const std::string& path) {
  const auto failure = [&](int error) {
    return Status(error, Fill(Tr("velmora", "Cannot read %1: %2"), {path, ErrorText(error)}));
  };
  if (path.find('\0') != std::string::npos) return failure(EINVAL);
  struct stat st {};
  if (Fs().StatAt(AT_FDCWD, path.c_str(), &st, 0) != 0) return failure(errno);
  return S_ISDIR(st.st_mode) ? Status() : failure(ENOTDIR);
}

std::string ParentFolder(const std::string& path) {
  const auto slash = path.rfind(kPathSeparator);
  if (slash == std::string::npos) return ".";
  if (slash == 0) return std::string(1, kPathSeparator);
  return path.substr(0, slash);
}

Status ReadWholeFile(const std::string& path, std::string& bytes, std::size_t maxBytes) {
  bytes.clear();
  const auto failure = [&](int error, const std::string& reason) {
    bytes.clear();
    return Status(error, Fill(Tr("velmora", "Cannot read %1: %2"), {path, reason}));
  };
  FileSystem& fs = Fs();
  // O_NONBLOCK: opening a FIFO must not wait for a writer; fstat then tells what it is.
  const int fd = fs.Open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    const int error = errno;
    return failure(error, ErrorText(error));
  }
  struct stat st;
  int error = 0;
  std::string reason;
  if (fs.Fstat(fd, &st) != 0) {
    error = errno;
  } else if (!S_ISREG(st.st_mode)) {
    error = EINVAL;
    reason = Tr("velmora", "not a regular file");
  } else if (static_cast<std::uintmax_t>(st.st_size) > maxBytes) {
    error = EFBIG;
  }
  char buffer[64 * 1024];
  while (error == 0) {
    const ssize_t n = fs.Read(fd, buffer, sizeof buffer);
    if (n < 0) {
      if (errno != EINTR) error = errno;
      continue;
    }
    if (n == 0) break;
    if (bytes.size() + static_cast<std::size_t>(n) > maxBytes)
      error = EFBIG;  // it grew
    else
      bytes.append(buffer, static_cast<std::size_t>(n));
  }
  fs.Close(fd);
  if (error != 0) return failure(error, reason.empty() ? ErrorText(error) : reason);
  return {};
}

ExclusiveLock::ExclusiveLock(const std::string& path, const LockWait& wait) {
  // Never through a link: whoever planted one would have the file it names made.
  fd_ = Fs().Open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
  int error = fd_ < 0 ? errno : 0;
  if (error == ELOOP) {
    status_ = Status(
        error, Fill(Tr("velmora", "Cannot lock %1: it is a symbolic link, which is not followed"),
                    {path}));
    return;
  }
  // Never blocks: a lock held by a process that hangs would hang the caller with it.
  const auto until = std::chrono::steady_clock::now() + wait.limit;
  while (error == 0 && Fs().Flock(fd_, LOCK_EX | LOCK_NB) != 0) {
    if (errno == EINTR) continue;
    if (errno != EWOULDBLOCK || std::chrono::steady_clock::now() >= until) {
      error = errno;
    } else {
      if (wait.meanwhile) wait.meanwhile();
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  }
  if (error != 0)
    status_ = Status(error, Fill(Tr("velmora", "Cannot lock %1: %2"), {path, ErrorText(error)}));
}

ExclusiveLock::~ExclusiveLock() {
  if (fd_ >= 0) Fs().Close(fd_);  // releases the lock
}

Status ReplaceFile(int dirFd, const std::string& name, const std::string& shown,
                   const std::function<void(const PutBytes&)>& write, std::stop_token stop,
                   const Replacement& how) {
  static std::atomic<unsigned> counter{0};
  FileSystem& fs = Fs();
  const std::string temp =
      name + ".tmp-" + std::to_string(getpid()) + "-" + std::to_string(counter.fetch_add(1));
  const int fd = fs.OpenAt(dirFd, temp.c_str(),
                           O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, how.mode);
  if (fd < 0) return WriteFailure(shown, errno);
  if (how.exactMode) (void)fs.Fchmod(fd, how.mode);  // the umask may have narrowed it
  int error = 0;
  write([&](std::string_view bytes) {
    if (error == 0 && stop.stop_requested()) error = ECANCELED;
    if (error == 0 && fs.WriteAll(fd, bytes) != 0) error = errno;
    return error == 0;
  });
  if (error == 0 && stop.stop_requested()) error = ECANCELED;
  if (error == 0 && how.flush && fs.Fsync(fd) != 0) error = errno;
  if (fs.Close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && fs.RenameAt2(dirFd, temp.c_str(), dirFd, name.c_str(), 0) != 0) error = errno;
  if (error == 0) return {};
  fs.UnlinkAt(dirFd, temp.c_str(), 0);
  return WriteFailure(shown, error);
}

Status ReplaceFile(const std::string& linkOrFile, std::string_view bytes) {
  FileSystem& fs = Fs();
  // Renaming over a link would replace the link and detach the file it leads to.
  std::string path;
  if (const int error = ResolveLinks(linkOrFile, path); error != 0)
    return WriteFailure(linkOrFile, error);
  // Keep the permissions of the file being replaced; a new one gets the usual 0666 & ~umask.
  Replacement how{0666, false, true};
  struct stat old;
  if (fs.Stat(path.c_str(), &old) == 0) {
    how = {static_cast<mode_t>(old.st_mode & 07777), true, true};
    // The rename would go through a read-only file; the user meant it to stay as it is.
    if (fs.AccessAt(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0)
      return WriteFailure(linkOrFile, errno);
  }
  if (Status written = ReplaceFile(
          AT_FDCWD, path, linkOrFile, [bytes](const PutBytes& put) { put(bytes); }, {}, how);
      !written.ok())
    return written;
  // Make the rename itself durable; a failure here leaves a complete file either way.
  const int dirFd = fs.Open(ParentFolder(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dirFd >= 0) {
    fs.Fsync(dirFd);
    fs.Close(dirFd);
  }
  return {};
}

std::string ApplicationDirectory() {
  std::string buffer(4096, '\0');
  for (;;) {
    const ssize_t n = Fs().ReadLink("/proc/self/exe", buffer.data(), buffer.size());
    if (n < 0) return ".";
    if (static_cast<std::size_t>(n) < buffer.size()) {
      buffer.resize(static_cast<std::size_t>(n));
      return ParentFolder(buffer);
    }
    buffer.resize(buffer.size() * 2);
  }
}

namespace {
// 0, or the error number of the first folder that could not be made.
int MakeFoldersPrivately(const std::string& folder) {
  if (Fs().Mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST) return 0;
  const int error = errno;
  const std::string parent = ParentFolder(folder);
  if (error != ENOENT || parent == folder) return error;
  if (const int above = MakeFoldersPrivately(parent); above != 0) return above;
  return Fs().Mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST ? 0 : errno;
}
}  // namespace

Status MakePrivateFolders(const std::string& folder) {
  const int error = MakeFoldersPrivately(folder);
  if (error == 0) return {};
  return {error, Fill(Tr("velmora", "Cannot make %1: %2"), {folder, ErrorText(error)})};
}

Status OpenOwnFolder(const std::string& folder, int& fd) {
  fd = -1;
  FileSystem& fs = Fs();
  const auto failure = [&] {
    const int error = errno;
    return Status(error, Fill(Tr("velmora", "Cannot open %1: %2"), {folder, ErrorText(error)}));
  };
  if (Status made = MakePrivateFolders(folder); !made.ok()) return made;
  const int dir =
      fs.OpenAt(AT_FDCWD, folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC, 0);
  const auto distrust = [&](const std::string& why) {
    if (dir >= 0) fs.Close(dir);
    return Status::Distrust(Fill(Tr("velmora", "Not using %1: %2"), {VisibleText(folder), why}));
  };
  // A link is refused with ELOOP, or ENOTDIR when a folder is asked for.
  if (dir < 0 && (errno == ELOOP || errno == ENOTDIR))
    return distrust(Tr("velmora", "it is a link or a file"));
  if (dir < 0) return failure();
  struct stat st {};
  if (fs.Fstat(dir, &st) != 0) {
    const Status status = failure();
    fs.Close(dir);
    return status;
  }
  if (st.st_uid != ::geteuid()) return distrust(Tr("velmora", "it belongs to another user"));
  if ((st.st_mode & 0022) != 0) return distrust(Tr("velmora", "others may write to it"));
  fd = dir;
  return {};
}

std::string UserCacheFolder() {
  // A relative XDG_CACHE_HOME is to be ignored.
  if (const char* cache = std::getenv("XDG_CACHE_HOME");
      cache != nullptr && cache[0] == kPathSeparator)
    return cache;
  const char* home = std::getenv("HOME");
  return JoinPath(home != nullptr && home[0] != '\0' ? home : "/", ".cache");
}

std::string ChooseStoreDirectory(const std::string& appDir, bool portable,
                                 const char* xdgConfigHome, const char* home) {
  if (portable) return appDir;
  // A relative XDG_CONFIG_HOME is to be ignored.
  if (xdgConfigHome != nullptr && xdgConfigHome[0] == kPathSeparator) {
    return JoinPath(xdgConfigHome, "velmora");
  }
  if (home != nullptr && home[0] != '\0') return JoinPath(home, ".config/velmora");
  return appDir;
}

std::string StoreDirectory() {
  const std::string appDir = ApplicationDirectory();
  FileSystem& fs = Fs();
  const std::string metainfo = appDir + "/../share/metainfo/org.velmora.Velmora.metainfo.xml";
  const bool installed = fs.AccessAt(AT_FDCWD, metainfo.c_str(), F_OK, 0) == 0;
  const bool portable = !installed && fs.AccessAt(AT_FDCWD, appDir.c_str(), W_OK, 0) == 0;
  const std::string dir =
      ChooseStoreDirectory(appDir, portable, std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
  if (dir != appDir) {
    // Parents first; a failure shows later, when saving names the file and the reason.
    for (std::size_t slash = dir.find(kPathSeparator, 1); slash != std::string::npos;
         slash = dir.find(kPathSeparator, slash + 1)) {
      fs.Mkdir(dir.substr(0, slash).c_str(), 0700);
    }
    fs.Mkdir(dir.c_str(), 0700);
  }
  return dir;
}

}  // namespace velmora::platform
