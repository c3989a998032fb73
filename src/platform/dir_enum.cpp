#include "platform/dir_enum.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <unordered_map>

#include "platform/file_system.h"
#include "platform/files.h"
#include "platform/mutex.h"

namespace velmora::platform {
namespace {

bool IsDotOrDotDot(const char* name) {
  return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

// d_type answers for almost every entry; only links and file systems that leave it
// unknown cost a stat.
EntryKind KindOf(int dirFd, const char* name, unsigned char type, bool& link) {
  struct stat st;
  switch (type) {
    case DT_DIR:
      return EntryKind::Folder;
    case DT_LNK:
      link = true;
      return Fs().StatAt(dirFd, name, &st, 0) == 0 && S_ISDIR(st.st_mode) ? EntryKind::Folder
                                                                          : EntryKind::File;
    case DT_UNKNOWN:
      if (Fs().StatAt(dirFd, name, &st, AT_SYMLINK_NOFOLLOW) != 0) return EntryKind::File;
      if (S_ISDIR(st.st_mode)) return EntryKind::Folder;
      if (S_ISLNK(st.st_mode)) return KindOf(dirFd, name, DT_LNK, link);
      return EntryKind::File;
    default:
      return EntryKind::File;
  }
}

constexpr int kOpenFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NONBLOCK;

// open() takes paths shorter than PATH_MAX. A longer one is opened in pieces, each the
// longest run of whole names that fits, relative to the folder the piece before opened;
// links along the way are followed as open() would. Returns the descriptor or -errno.
int OpenFolder(const std::string& dir) {
  if (dir.size() < PATH_MAX) {
    const int fd = Fs().Open(dir.c_str(), kOpenFlags);
    return fd >= 0 ? fd : -errno;
  }
  int at = AT_FDCWD;
  std::string_view rest = dir;
  std::string piece;
  for (;;) {
    std::size_t cut = rest.size();
    if (rest.size() >= PATH_MAX) {
      cut = rest.rfind(kPathSeparator, PATH_MAX - 1);
      if (cut == std::string_view::npos || cut == 0) cut = rest.size();  // one name too long
    }
    piece.assign(rest.substr(0, cut));
    const int fd = Fs().OpenAt(at, piece.c_str(), kOpenFlags, 0);
    const int error = errno;
    if (at != AT_FDCWD) Fs().Close(at);
    if (fd < 0) return -error;
    rest.remove_prefix(cut);
    while (!rest.empty() && rest.front() == kPathSeparator) rest.remove_prefix(1);
    if (rest.empty()) return fd;
    at = fd;
  }
}

// f_type of the kernel file systems a walk does not enter.
constexpr unsigned long kPseudoMagics[] = {
    0x9fa0,      // proc
    0x62656572,  // sysfs
    0x1cd1,      // devpts
    0x27e0eb,    // cgroup
    0x63677270,  // cgroup2
    0x64626720,  // debugfs
    0x74726163,  // tracefs
    0x73636673,  // securityfs
    0x6165676c,  // pstore
    0xcafe4a11,  // bpf
    0x62656570,  // configfs
    0x65735543,  // fusectl
    0x19800202,  // mqueue
    0x958458f6,  // hugetlbfs
    0x0187,      // autofs
};
constexpr unsigned long kTmpfsMagic = 0x01021994;

// f_type of the file systems that others change out of this computer's hearing.
constexpr unsigned long kSharedMagics[] = {
    0x6969,      // nfs
    0x517b,      // smb
    0xff534d42,  // cifs
    0xfe534d42,  // smb2
    0x65735546,  // fuse (sshfs, rclone, bindfs...)
    0x01021997,  // 9p
    0x00c36400,  // ceph
    0x5346414f,  // afs
    0x6b414653,  // kafs
    0x73757245,  // coda
    0x564c,      // ncp
    0x01161970,  // gfs2
    0x7461636f,  // ocfs2
    0x0bd00bd0,  // lustre
};

FolderStamp StampFrom(const struct stat& st) {
  return {static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino),
          static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec,
          static_cast<std::uint64_t>(st.st_nlink)};
}

// devtmpfs reports the tmpfs magic; the mount table tells them apart.
bool IsDevtmpfs(dev_t device) {
  std::string table;
  return ReadWholeFile("/proc/self/mountinfo", table, 16 << 20).ok() &&
         ListsDevtmpfs(table, device);
}

bool IsPseudoFileSystem(int fd, dev_t device) {
  struct statfs fs;
  if (Fs().Fstatfs(fd, &fs) != 0) return false;
  const auto magic = static_cast<unsigned long>(fs.f_type);
  for (const unsigned long m : kPseudoMagics) {
    if (magic == m) return true;
  }
  return magic == kTmpfsMagic && IsDevtmpfs(device);
}

// Asked once per device: a walk meets few devices and many folders.
bool Pseudo(int fd, dev_t device) {
  // Walks read on several threads at once, and may still at exit: never destroyed.
  struct Known {
    Mutex mutex;
    std::unordered_map<dev_t, bool> byDevice GUARDED_BY(mutex);
  };
  static auto* known = new Known;
  const MutexLock lock(known->mutex);
  const auto [it, added] = known->byDevice.try_emplace(device, false);
  if (added) it->second = IsPseudoFileSystem(fd, device);
  return it->second;
}

Status Failure(int error) { return {error, ErrorText(error)}; }

}  // namespace

bool StillLeadsTo(const std::string& path, const FolderId& id) {
  struct stat st {};
  if (Fs().Stat(path.c_str(), &st) != 0) return errno != ENOENT && errno != ENOTDIR;
  return id ==
         FolderId{static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino)};
}

FolderStamp StampOf(const std::string& path) {
  struct stat st {};
  return Fs().Stat(path.c_str(), &st) == 0 ? StampFrom(st) : FolderStamp{};
}

bool ChangesUnheard(const std::string& dir) {
  const int fd = OpenFolder(dir);
  if (fd < 0) return false;
  struct statfs fs {};
  const bool shared = Fs().Fstatfs(fd, &fs) == 0 &&
                      std::find(std::begin(kSharedMagics), std::end(kSharedMagics),
                                static_cast<unsigned long>(fs.f_type)) != std::end(kSharedMagics);
  Fs().Close(fd);
  return shared;
}

Status ReadFolder(const std::string& dir, FolderListing& out) {
  out.Clear();
  const int fd = OpenFolder(dir);
  if (fd < 0) return Failure(-fd);
  FileSystem& fs = Fs();
  struct stat st;
  if (fs.Fstat(fd, &st) == 0) {
    out.id = FolderId{static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino)};
    out.stamp = StampFrom(st);
    out.pseudo = Pseudo(fd, st.st_dev);
    if (out.pseudo) {
      fs.Close(fd);
      return {};
    }
  }
  // A larger buffer than readdir's halves the system calls on big folders.
  alignas(dirent64) char buffer[64 * 1024];
  for (;;) {
    const ssize_t n = fs.ReadEntries(fd, buffer, sizeof buffer);
    if (n <= 0) break;  // an error ends the folder like its last entry
    for (ssize_t pos = 0; pos < n;) {
      const auto* d = reinterpret_cast<const dirent64*>(buffer + pos);
      pos += d->d_reclen;
      if (IsDotOrDotDot(d->d_name)) continue;
      bool link = false;
      const EntryKind kind = KindOf(fd, d->d_name, d->d_type, link);
      out.Add({d->d_name, d->d_reclen - offsetof(dirent64, d_name)}, kind, link);
    }
  }
  fs.Close(fd);
  return {};
}

bool ListsDevtmpfs(std::string_view mountinfo, dev_t device) {
  const std::string wanted = std::to_string(major(device)) + ":" + std::to_string(minor(device));
  while (!mountinfo.empty()) {
    // "id parent major:minor root mountpoint options [tags] - fstype source options"
    const std::string_view line = mountinfo.substr(0, mountinfo.find('\n'));
    mountinfo.remove_prefix(std::min(mountinfo.size(), line.size() + 1));
    const std::size_t parent = line.find(' ');
    const std::size_t numbers = parent == line.npos ? line.npos : line.find(' ', parent + 1);
    if (numbers == line.npos) continue;
    const std::string_view id = line.substr(numbers + 1, line.find(' ', numbers + 1) - numbers - 1);
    const std::size_t dash = line.find(" - ");
    if (id == wanted && dash != line.npos && line.substr(dash + 3).starts_with("devtmpfs "))
      return true;
  }
  return false;
}

}  // namespace velmora::platform
