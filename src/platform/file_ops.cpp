#include "platform/file_ops.h"

#include <dirent.h>
#include <fcntl.h>
#include <gio/gio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstddef>
#include <ctime>
#include <set>
#include <string_view>
#include <vector>

#include "platform/dir_enum.h"
#include "platform/file_system.h"
#include "platform/files.h"
#include "platform/mutex.h"
#include "platform/paths.h"
#include "platform/visible_text.h"
#include "platform/words.h"

namespace velmora::platform {
namespace {

// Our hidden copies in progress. A crash can leave one behind where the file system
// has no unnamed files; the next copy into that folder removes it.
constexpr std::string_view kTempPrefix = ".velmora-copy-";
constexpr time_t kStaleAfter = 24 * 60 * 60;

// A folder opened to act in with the *at calls, never to read.
constexpr int kFolderPath = O_PATH | O_DIRECTORY | O_CLOEXEC;

bool SameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

FileMark MarkOf(const struct stat& st) {
  return {static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino),
          FactsOf(st)};
}

std::string NameOf(const std::string& path) { return path.substr(path.rfind(kPathSeparator) + 1); }

// "<what>: <reason>", the reason the system's text for error unless given.
Status Fail(const std::string& what, int error, const std::string& reason = {}) {
  return {error, Fill(Tr("velmora", "%1: %2", "what failed: why"),
                      {what, reason.empty() ? ErrorText(error) : reason})};
}

// The system would see a name cut short at its NUL: another file, or a folder.
Status RefuseNul(const char* what, std::initializer_list<const std::string*> paths) {
  for (const std::string* path : paths) {
    if (path->find('\0') != std::string::npos)
      return Fail(Fill(Tr("velmora", what), {Quoted(*path)}), EINVAL,
                  Tr("velmora", "the name holds a NUL byte"));
  }
  return {};
}

std::string TempName(const std::string& folder) {
  static std::atomic<unsigned> counter{0};
  return JoinPath(folder, kTempPrefix) + std::to_string(getpid()) + "-" +
         std::to_string(counter.fetch_add(1));
}

// Exactly what TempName makes: the prefix, digits, "-", digits. A user's own
// ".velmora-copy-notes.txt" is no leftover of ours.
bool IsOurTemp(std::string_view name) {
  if (!name.starts_with(kTempPrefix)) return false;
  name.remove_prefix(kTempPrefix.size());
  const auto dash = name.find('-');
  const auto digits = [](std::string_view s) {
    return !s.empty() &&
           std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
  };
  return dash != std::string_view::npos && digits(name.substr(0, dash)) &&
         digits(name.substr(dash + 1));
}

// Removes our hidden copies in folder that nothing has written to for a day.
void RemoveStaleTemps(const std::string& folder) {
  FileSystem& fs = Fs();
  const int dir = fs.Open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir < 0) return;
  const time_t before = time(nullptr) - kStaleAfter;
  alignas(dirent64) char buffer[16 * 1024];
  for (ssize_t n; (n = fs.ReadEntries(dir, buffer, sizeof buffer)) > 0;) {
    for (ssize_t pos = 0; pos < n;) {
      const auto* entry = reinterpret_cast<const dirent64*>(buffer + pos);
      pos += entry->d_reclen;
      struct stat st;
      if (IsOurTemp(entry->d_name) &&
          fs.StatAt(dir, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode) &&
          st.st_uid == geteuid() && st.st_mtime < before) {
        fs.UnlinkAt(dir, entry->d_name, 0);
      }
    }
  }
  fs.Close(dir);
}

// A name for a hidden copy in folder. Leftovers are swept only where such a name is
// needed, and once per folder while the program runs: reading a folder of 200,000
// entries for each of 100 files copied into it would take seconds.
std::string NamedTemp(const std::string& folder) {
  // Any thread may copy or move, and may still at exit: never destroyed.
  struct Swept {
    Mutex mutex;
    std::set<std::string> folders GUARDED_BY(mutex);
  };
  static auto* swept = new Swept;
  bool first = false;
  {
    const MutexLock lock(swept->mutex);
    first = swept->folders.insert(folder).second;
  }
  if (first) RemoveStaleTemps(folder);
  return TempName(folder);
}

// Gives the unnamed open file fd the name path; EEXIST when path exists.
int LinkOpenFile(int fd, const std::string& path) {
  const std::string self = "/proc/self/fd/" + std::to_string(fd);
  FileSystem& fs = Fs();
  if (fs.LinkAt(AT_FDCWD, self.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) == 0) return 0;
  if (errno != ENOENT) return errno;  // ENOENT also when /proc is not mounted
  return fs.LinkAt(fd, "", AT_FDCWD, path.c_str(), AT_EMPTY_PATH) == 0 ? 0 : errno;
}

// Renames from in the folder fromDir to to in toDir without ever replacing an existing
// target: EEXIST when there is one.
int RenameNoReplaceAt(int fromDir, const char* from, int toDir, const char* to) {
  FileSystem& fs = Fs();
  if (fs.RenameAt2(fromDir, from, toDir, to, RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) return errno;
  // File systems without it: a hard link fails atomically when the target exists.
  if (fs.LinkAt(fromDir, from, toDir, to, 0) == 0) {
    fs.UnlinkAt(fromDir, from, 0);
    return 0;
  }
  if (errno == EEXIST) return EEXIST;
  struct stat st;
  if (fs.StatAt(toDir, to, &st, AT_SYMLINK_NOFOLLOW) == 0) return EEXIST;
  return fs.RenameAt2(fromDir, from, toDir, to, 0) == 0 ? 0 : errno;
}

int RenameNoReplace(const std::string& from, const std::string& to) {
  return RenameNoReplaceAt(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str());
}

// Moves the named temp to target (over a file there only when replace). temp is
// cleared once it is gone.
int PlaceNamed(std::string& temp, const std::string& target, bool replace) {
  const int error = replace ? (Fs().Rename(temp.c_str(), target.c_str()) == 0 ? 0 : errno)
                            : RenameNoReplace(temp, target);
  if (error == 0) temp.clear();
  return error;
}

// Gives the finished copy out (unnamed when temp is empty) the name target.
int Place(int out, std::string& temp, const std::string& target, bool replace) {
  if (temp.empty()) {
    if (!replace) return LinkOpenFile(out, target);
    // Replacing: a name of its own first, so that the old file goes in one rename.
    const std::string name = NamedTemp(ParentFolder(target));
    if (const int error = LinkOpenFile(out, name)) return error;
    temp = name;
  }
  return PlaceNamed(temp, target, replace);
}

// Copies the open regular file in to target: into an unnamed file where the file
// system allows (a crash leaves nothing), else a hidden one, which gets its name only
// when complete and on disk.
int CopyInto(int in, const struct stat& source, const std::string& target, bool replace,
             const CopyProgress& progress) {
  FileSystem& fs = Fs();
  const std::string folder = ParentFolder(target);
  std::string temp;
  int out = fs.Open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
  if (out < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)) {
    temp = NamedTemp(folder);
    out = fs.Open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  }
  if (out < 0) return errno;

  const auto total = static_cast<std::uint64_t>(source.st_size);
  std::uint64_t done = 0;
  int error = progress && !progress(0, total) ? ECANCELED : 0;
  std::vector<char> buffer(1 << 20);
  while (error == 0) {
    const ssize_t n = fs.Read(in, buffer.data(), buffer.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) error = errno;
    if (n <= 0) break;
    if (fs.WriteAll(out, std::string_view(buffer.data(), static_cast<std::size_t>(n))) != 0)
      error = errno;
    done += static_cast<std::uint64_t>(n);
    if (error == 0 && progress && !progress(done, total)) error = ECANCELED;
  }
  if (error == 0 && (fs.Fchmod(out, source.st_mode & 07777) != 0 || fs.Fsync(out) != 0))
    error = errno;
  if (error == 0) error = Place(out, temp, target, replace);
  // The times last, so that a hidden copy still being written never looks stale.
  const struct timespec times[2] = {source.st_atim, source.st_mtim};
  if (error == 0) fs.Futimens(out, times);
  if (fs.Close(out) != 0 && error == 0) error = errno;
  if (!temp.empty()) fs.Unlink(temp.c_str());
  return error;
}

// What stands at target before a copy or move: 0 to go on, EEXIST for a file the
// caller did not allow to replace, or a failure.
Status CheckTarget(const struct stat& source, const std::string& target, const std::string& what,
                   bool replace) {
  FileSystem& fs = Fs();
  struct stat st;
  if (fs.Lstat(target.c_str(), &st) != 0) return {};
  struct stat followed;
  if (SameFile(source, st) ||
      (fs.Stat(target.c_str(), &followed) == 0 && SameFile(source, followed))) {
    return Fail(what, EINVAL, Tr("velmora", "source and target are the same file"));
  }
  if (S_ISDIR(st.st_mode)) return Fail(what, EISDIR);
  return replace ? Status() : Fail(what, EEXIST);
}

// Opens a source to copy: a regular file, or a link to one. Never blocks (a FIFO),
// never reads a device. Returns the descriptor, or -1 with status saying why.
int OpenSource(const std::string& path, const std::string& what, struct stat& source,
               Status& status) {
  FileSystem& fs = Fs();
  const int in = fs.Open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  const int error = in < 0 ? errno : fs.Fstat(in, &source) != 0 ? errno : 0;
  if (error == 0 && S_ISREG(source.st_mode)) return in;
  if (in >= 0) fs.Close(in);
  if (error != 0 || S_ISDIR(source.st_mode)) {
    status = Fail(what, error != 0 ? error : EISDIR);
  } else {
    status = Fail(what, EINVAL, Tr("velmora", "it is not a regular file"));
  }
  return -1;
}

// Makes a link holding content at target (over a file there only when replace).
int PlaceLink(const std::string& content, const std::string& target, bool replace) {
  FileSystem& fs = Fs();
  if (!replace) return fs.Symlink(content.c_str(), target.c_str()) == 0 ? 0 : errno;
  std::string temp = NamedTemp(ParentFolder(target));
  if (fs.Symlink(content.c_str(), temp.c_str()) != 0) return errno;
  const int error = PlaceNamed(temp, target, true);
  if (!temp.empty()) fs.Unlink(temp.c_str());
  return error;
}

// Moves from to another file system: a copy first, the source removed only then.
Status MoveAcross(const std::string& from, const std::string& to, const struct stat& source,
                  bool replace, const std::string& what, const CopyProgress& progress) {
  FileSystem& fs = Fs();
  int error = EXDEV;
  if (S_ISLNK(source.st_mode)) {
    std::string content(static_cast<std::size_t>(source.st_size) + 1, '\0');
    const ssize_t n = fs.ReadLink(from.c_str(), content.data(), content.size());
    if (n < 0 || static_cast<std::size_t>(n) >= content.size())
      return Fail(what, n < 0 ? errno : EAGAIN);
    content.resize(static_cast<std::size_t>(n));
    error = PlaceLink(content, to, replace);
  } else if (S_ISREG(source.st_mode)) {
    struct stat opened {};
    Status status;
    const int in = OpenSource(from, what, opened, status);
    if (in < 0) return status;
    // Only the file looked at: another put in its place meanwhile is not moved.
    error = SameFile(opened, source) ? CopyInto(in, opened, to, replace, progress) : EAGAIN;
    fs.Close(in);
    if (error == EAGAIN)
      return Fail(what, error, Tr("velmora", "another file took its place meanwhile"));
  }
  if (error != 0) return Fail(what, error);
  if (fs.Unlink(from.c_str()) != 0)
    return Fail(Fill(Tr("velmora", "Copied %1 but cannot remove it"), {Quoted(from)}), errno);
  return {};
}

// The folder of path as it is now, links followed: its real path as the system reads it
// back from the open folder (the path as given where /proc is not mounted), and which
// folder it is. An empty folder when it cannot be opened.
Origin OriginOf(const std::string& path) {
  FileSystem& fs = Fs();
  const std::string folder = ParentFolder(path);
  const int dir = fs.Open(folder.c_str(), kFolderPath);
  struct stat st;
  Origin origin;
  if (dir >= 0 && fs.Fstat(dir, &st) == 0) {
    std::string real(PATH_MAX, '\0');
    const ssize_t n =
        fs.ReadLink(("/proc/self/fd/" + std::to_string(dir)).c_str(), real.data(), real.size());
    real.resize(n > 0 && n < PATH_MAX ? static_cast<std::size_t>(n) : 0);
    origin = {real.starts_with(kPathSeparator) ? real : folder, {st.st_dev, st.st_ino}};
  }
  if (dir >= 0) fs.Close(dir);
  return origin;
}

// Opens the folder origin names, one part of its path at a time following no link, to act
// in; -1 with status saying why (what first) when it is gone or no longer that folder.
int OpenOrigin(const Origin& origin, const std::string& original, const std::string& what,
               Status& status) {
  FileSystem& fs = Fs();
  const std::string& path = origin.folder;
  int dir = path.empty() ? -1 : fs.Open(path.starts_with(kPathSeparator) ? "/" : ".", kFolderPath);
  int error = path.empty() ? ENOTDIR : dir < 0 ? errno : 0;
  for (std::size_t at = 0; dir >= 0 && at < path.size();) {
    const std::size_t end = std::min(path.find(kPathSeparator, at), path.size());
    const std::string part = path.substr(at, end - at);
    at = end + 1;
    if (part.empty()) continue;
    const int next = fs.OpenAt(dir, part.c_str(), kFolderPath | O_NOFOLLOW, 0);
    error = next < 0 ? errno : 0;
    fs.Close(dir);
    dir = next;
  }
  struct stat st;
  if (dir >= 0) {
    error = fs.Fstat(dir, &st) != 0                       ? errno
            : FolderId{st.st_dev, st.st_ino} == origin.id ? 0
                                                          : ENOTDIR;
    if (error == 0) return dir;
    fs.Close(dir);
  }
  // A link in the path, opened without being followed, is no folder.
  const bool other = error == ENOTDIR || error == ELOOP;
  status =
      error == ENOENT
          ? Fail(what, error,
                 Fill(Tr("velmora", "its folder %1 is gone"), {Quoted(ParentFolder(original))}))
          : Fail(what, error,
                 other ? Tr("velmora", "its folder is no longer the folder it came from") : "");
  return -1;
}

// Moves the file moved marks from its place now back to its old path, into the folder it
// came from, never replacing. absent: the reason when nothing is at its place now;
// replaced: when another file is.
Status PutBack(const Moved& moved, const std::string& what, const std::string& absent,
               const std::string& replaced, const CopyProgress& progress) {
  FileSystem& fs = Fs();
  const std::string from = NameOf(moved.now), to = NameOf(moved.was);
  const int source = fs.Open(ParentFolder(moved.now).c_str(), kFolderPath);
  int target = -1;
  struct stat st;
  Status status;
  if (source < 0 || fs.StatAt(source, from.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
    status = Fail(what, errno, errno == ENOENT ? absent : "");
  } else if (const FileMark mark = MarkOf(st); mark != moved.file) {
    const bool same = mark.device == moved.file.device && mark.inode == moved.file.inode;
    status = Fail(what, EINVAL, same ? Tr("velmora", "it has been changed since") : replaced);
  } else if ((target = OpenOrigin(moved.from, moved.was, what, status)) >= 0) {
    struct stat there;
    int error = fs.StatAt(target, to.c_str(), &there, AT_SYMLINK_NOFOLLOW) == 0
                    ? EEXIST
                    : RenameNoReplaceAt(source, from.c_str(), target, to.c_str());
    // Across file systems, copied into the folder the descriptor holds, whatever its path.
    if (error == EXDEV) {
      status = MoveAcross(moved.now, "/proc/self/fd/" + std::to_string(target) + "/" + to, st,
                          false, what, progress);
      error = status.InTheWay() ? EEXIST : 0;
    }
    if (error != 0)
      status = Fail(what, error,
                    error == EEXIST ? Tr("velmora", "a file of that name is there now") : "");
  }
  for (const int dir : {source, target})
    if (dir >= 0) fs.Close(dir);
  return status;
}

std::string TrashFile(const std::string& trash, const std::string& entry) {
  return JoinPath(JoinPath(trash, "files"), entry);
}

std::string TrashInfo(const std::string& trash, const std::string& entry) {
  return JoinPath(JoinPath(trash, "info"), entry) + ".trashinfo";
}

// The name GIO gives the n-th trashed file of one name (n from 1): "a.tar.gz", then
// "a.2.tar.gz"; a name without a dot gets ".2" at its end.
std::string TrashEntryName(const std::string& name, int n) {
  if (n == 1) return name;
  const std::string number = "." + std::to_string(n);
  const auto dot = name.find('.');
  return dot == std::string::npos ? name + number : name.substr(0, dot) + number + name.substr(dot);
}

// The trashes GIO may have put path, on device, in: the home trash, then the two at the
// top folder of its file system.
std::vector<std::string> TrashesFor(const std::string& path, dev_t device) {
  std::vector<std::string> trashes{JoinPath(g_get_user_data_dir(), "Trash")};
  std::string top = ParentFolder(path);
  struct stat st;
  while (top != "/") {
    const std::string up = ParentFolder(top);
    if (Fs().Lstat(up.c_str(), &st) != 0 || st.st_dev != device) break;
    top = up;
  }
  const std::string uid = std::to_string(geteuid());
  trashes.push_back(JoinPath(JoinPath(top, ".Trash"), uid));
  trashes.push_back(JoinPath(top, ".Trash-" + uid));
  return trashes;
}

// GIO does not say where a file went: it is the entry, among those named after it, that
// holds the very file. GIO takes the first number whose info file is free, so the search
// ends at the first one missing.
void FindTrashed(const std::string& path, const struct stat& source, TrashedAs& where) {
  FileSystem& fs = Fs();
  const std::string name = path.substr(path.rfind(kPathSeparator) + 1);
  for (const std::string& trash : TrashesFor(path, source.st_dev)) {
    struct stat st;
    for (int n = 1;; ++n) {
      const std::string entry = TrashEntryName(name, n);
      if (fs.Lstat(TrashInfo(trash, entry).c_str(), &st) != 0) break;
      if (fs.Lstat(TrashFile(trash, entry).c_str(), &st) == 0 && SameFile(st, source)) {
        if (Origin from = OriginOf(path); !from.folder.empty())
          where = {trash, entry, path, MarkOf(st), std::move(from)};
        return;
      }
    }
  }
}

}  // namespace

std::string Quoted(const std::string& path) { return "\"" + VisibleText(path) + "\""; }

Status Copy(const std::string& from, const std::string& to, bool replace,
            const CopyProgress& progress) {
  if (Status refused = RefuseNul(TrNoop("velmora", "Cannot copy %1"), {&from, &to}); !refused.ok())
    return refused;
  const std::string what = Fill(Tr("velmora", "Cannot copy %1 to %2"), {Quoted(from), Quoted(to)});
  struct stat source {};
  Status status;
  const int in = OpenSource(from, what, source, status);
  if (in < 0) return status;
  status = CheckTarget(source, to, what, replace);
  if (status.ok()) {
    if (const int error = CopyInto(in, source, to, replace, progress)) status = Fail(what, error);
  }
  Fs().Close(in);
  return status;
}

Status Move(const std::string& from, const std::string& to, bool replace,
            const CopyProgress& progress) {
  if (Status refused = RefuseNul(TrNoop("velmora", "Cannot move %1"), {&from, &to}); !refused.ok())
    return refused;
  const std::string what = Fill(Tr("velmora", "Cannot move %1 to %2"), {Quoted(from), Quoted(to)});
  FileSystem& fs = Fs();
  struct stat source;
  if (fs.Lstat(from.c_str(), &source) != 0) return Fail(what, errno);
  if (Status status = CheckTarget(source, to, what, replace); !status.ok()) return status;
  const int error =
      replace ? (fs.Rename(from.c_str(), to.c_str()) == 0 ? 0 : errno) : RenameNoReplace(from, to);
  if (error == EXDEV) return MoveAcross(from, to, source, replace, what, progress);
  return error == 0 ? Status() : Fail(what, error);
}

Status Rename(const std::string& from, const std::string& to) {
  if (Status refused = RefuseNul(TrNoop("velmora", "Cannot rename %1"), {&from, &to});
      !refused.ok())
    return refused;
  const std::string what =
      Fill(Tr("velmora", "Cannot rename %1 to %2"), {Quoted(from), Quoted(to)});
  if (from == to) return {};
  FileSystem& fs = Fs();
  struct stat source;
  struct stat target;
  if (fs.Lstat(from.c_str(), &source) != 0) return Fail(what, errno);
  if (fs.Lstat(to.c_str(), &target) == 0) {
    return Fail(what, EEXIST,
                SameFile(source, target) ? Tr("velmora", "source and target are the same file")
                                         : Tr("velmora", "a file of that name already exists"));
  }
  const int error = RenameNoReplace(from, to);
  if (error == EEXIST)
    return Fail(what, error, Tr("velmora", "a file of that name already exists"));
  return error == 0 ? Status() : Fail(what, error);
}

Status Trash(const std::string& path, TrashedAs* where) {
  if (where) *where = {};
  if (Status refused = RefuseNul(TrNoop("velmora", "Cannot delete %1"), {&path}); !refused.ok())
    return refused;
  struct stat st;
  if (Fs().Lstat(path.c_str(), &st) != 0)
    return Fail(Fill(Tr("velmora", "Cannot delete %1"), {Quoted(path)}), errno);
  GFile* file = g_file_new_for_path(path.c_str());
  GError* gerror = nullptr;
  const bool trashed = g_file_trash(file, nullptr, &gerror);
  g_object_unref(file);
  if (trashed) {
    if (where) FindTrashed(path, st, *where);
    return {};
  }
  const std::string reason = gerror->message;
  g_error_free(gerror);
  return {ENOTRECOVERABLE,
          Fill(Tr("velmora", "%1 cannot be moved to the trash (%2)"), {Quoted(path), reason})};
}

Moved MarkMoved(const std::string& now, const std::string& was) {
  Moved moved{{}, was, {}, OriginOf(was)};
  struct stat st;
  if (!moved.from.folder.empty() && Fs().Lstat(now.c_str(), &st) == 0)
    moved.now = now, moved.file = MarkOf(st);
  return moved;
}

Status MoveBack(const Moved& moved, const CopyProgress& progress) {
  return PutBack(
      moved,
      Fill(Tr("velmora", "Cannot put %1 back as %2"), {Quoted(moved.now), Quoted(moved.was)}),
      Tr("velmora", "it is not there any more"), Tr("velmora", "another file is at its place now"),
      progress);
}

Status Untrash(const TrashedAs& trashed) {
  const std::string what =
      Fill(Tr("velmora", "Cannot put %1 back from the trash"), {Quoted(trashed.original)});
  const std::string gone = Tr("velmora", "it is no longer in the trash");
  if (trashed.entry.empty()) return Fail(what, ENOENT, gone);
  const Status status = PutBack(
      {TrashFile(trashed.trash, trashed.entry), trashed.original, trashed.file, trashed.from}, what,
      gone, gone, {});
  // The file is back whatever comes of this: a leftover entry only shows broken in the trash.
  if (status.ok()) Fs().Unlink(TrashInfo(trashed.trash, trashed.entry).c_str());
  return status;
}

Status Delete(const std::string& path) {
  if (Status refused = RefuseNul(TrNoop("velmora", "Cannot delete %1"), {&path}); !refused.ok())
    return refused;
  if (Fs().Unlink(path.c_str()) != 0)
    return Fail(Fill(Tr("velmora", "Cannot delete %1"), {Quoted(path)}), errno);
  return {};
}

bool IsNonFolder(const std::string& path) {
  struct stat st;
  return !path.empty() && path.find('\0') == std::string::npos &&
         Fs().Lstat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

}  // namespace velmora::platform
