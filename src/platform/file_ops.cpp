#include "platform/file_ops.h"

#include <dirent.h>
#include <fcntl.h>
#include <gio/gio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <string_view>
#include <vector>

#include "platform/dir_enum.h"
#include "platform/files.h"
#include "platform/visible_text.h"

namespace velmora::platform {
namespace {

constexpr const char* kTitle = "Velmora";
// Our hidden copies in progress. A crash can leave one behind where the file system
// has no unnamed files; the next copy into that folder removes it.
constexpr std::string_view kTempPrefix = ".velmora-copy-";
constexpr time_t kStaleAfter = 24 * 60 * 60;

// Results besides the system's error numbers (ECANCELED: the batch is cancelled).
constexpr int kShown = -1;  // failed, and an error window has said why
constexpr int kSkip = -2;   // the user kept the file

std::string Quoted(const std::string& path) { return "\"" + VisibleText(path) + "\""; }

bool SameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

int Fail(Dialogs& dialogs, const std::string& what, int error, const std::string& reason = {}) {
  dialogs.ShowError(what + ": " + (reason.empty() ? ErrorText(error) : reason), kTitle);
  return kShown;
}

// Shows an error number not yet shown; what the user chose passes through.
int Report(Dialogs& dialogs, const std::string& what, int error) {
  return error > 0 && error != ECANCELED ? Fail(dialogs, what, error) : error;
}

// 0 to replace target, kSkip to keep it, ECANCELED to end the batch.
int AskReplace(Dialogs& dialogs, Batch& batch, const std::string& target) {
  if (batch.replace != Batch::Replace::Ask) return batch.replace == Batch::Replace::All ? 0 : kSkip;
  switch (dialogs.AskReplace("A file named " + Quoted(target) + " already exists. Replace it?",
                             kTitle)) {
    case Answer::YesToAll:
      batch.replace = Batch::Replace::All;
      [[fallthrough]];
    case Answer::Yes:
      return 0;
    case Answer::NoToAll:
      batch.replace = Batch::Replace::None;
      [[fallthrough]];
    case Answer::No:
      return kSkip;
    case Answer::Cancel:
      break;
  }
  return ECANCELED;
}

std::string TempName(const std::string& folder) {
  static std::atomic<unsigned> counter{0};
  return folder + kPathSeparator + std::string(kTempPrefix) + std::to_string(getpid()) + "-" +
         std::to_string(counter.fetch_add(1));
}

// Removes our hidden copies in folder that nothing has written to for a day.
void RemoveStaleTemps(const std::string& folder) {
  DIR* dir = opendir(folder.c_str());
  if (dir == nullptr) return;
  const time_t before = time(nullptr) - kStaleAfter;
  while (const dirent* entry = readdir(dir)) {
    struct stat st;
    if (std::string_view(entry->d_name).starts_with(kTempPrefix) &&
        fstatat(dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode) &&
        st.st_uid == geteuid() && st.st_mtime < before) {
      unlinkat(dirfd(dir), entry->d_name, 0);
    }
  }
  closedir(dir);
}

// Gives the unnamed open file fd the name path; EEXIST when path exists.
int LinkOpenFile(int fd, const std::string& path) {
  const std::string self = "/proc/self/fd/" + std::to_string(fd);
  if (linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) == 0) return 0;
  if (errno != ENOENT) return errno;  // ENOENT also when /proc is not mounted
  return linkat(fd, "", AT_FDCWD, path.c_str(), AT_EMPTY_PATH) == 0 ? 0 : errno;
}

// Renames without ever replacing an existing target: EEXIST when there is one.
int RenameNoReplace(const std::string& from, const std::string& to) {
  if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) return errno;
  // File systems without it: a hard link fails atomically when the target exists.
  if (link(from.c_str(), to.c_str()) == 0) {
    unlink(from.c_str());
    return 0;
  }
  if (errno == EEXIST) return EEXIST;
  struct stat st;
  if (lstat(to.c_str(), &st) == 0) return EEXIST;
  return rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

// Moves the named temp to target, asking before replacing a file that appeared
// meanwhile (replace: the user already agreed). temp is cleared once it is gone.
int PlaceNamed(std::string& temp, const std::string& target, bool replace, Batch& batch,
               Dialogs& dialogs) {
  if (!replace) {
    const int error = RenameNoReplace(temp, target);
    if (error == 0) temp.clear();
    if (error != EEXIST) return error;
    if (const int answer = AskReplace(dialogs, batch, target)) return answer;
  }
  if (rename(temp.c_str(), target.c_str()) != 0) return errno;
  temp.clear();
  return 0;
}

// Gives the finished copy out (unnamed when temp is empty) the name target.
int Place(int out, std::string& temp, const std::string& target, bool replace, Batch& batch,
          Dialogs& dialogs) {
  if (temp.empty()) {
    if (!replace) {
      const int error = LinkOpenFile(out, target);
      if (error != EEXIST) return error;
      if (const int answer = AskReplace(dialogs, batch, target)) return answer;
    }
    // Replacing: a name of its own first, so that the old file goes in one rename.
    const std::string name = TempName(ParentFolder(target));
    if (const int error = LinkOpenFile(out, name)) return error;
    temp = name;
    replace = true;
  }
  return PlaceNamed(temp, target, replace, batch, dialogs);
}

// Copies the open regular file in to target: into an unnamed file where the file
// system allows (a crash leaves nothing), else a hidden one, which gets its name only
// when complete and on disk. target holds no file, or the user agreed to replace it.
int CopyInto(int in, const struct stat& source, const std::string& target, bool replace,
             Batch& batch, Dialogs& dialogs) {
  const std::string folder = ParentFolder(target);
  RemoveStaleTemps(folder);
  std::string temp;
  int out = open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
  if (out < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)) {
    temp = TempName(folder);
    out = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  }
  if (out < 0) return errno;

  int error = 0;
  {
    const auto progress = dialogs.StartProgress(kTitle, "Copying " + Quoted(target));
    std::vector<char> buffer(1 << 20);
    const auto total = static_cast<std::uint64_t>(source.st_size);
    std::uint64_t done = 0;
    for (;;) {
      const ssize_t n = read(in, buffer.data(), buffer.size());
      if (n < 0 && errno == EINTR) continue;
      if (n < 0 || !WriteAll(out, std::string_view(buffer.data(),
                                                   static_cast<std::size_t>(n < 0 ? 0 : n)))) {
        error = errno;
        break;
      }
      if (n == 0) break;
      done += static_cast<std::uint64_t>(n);
      if (!progress->Update(done, total)) {
        error = ECANCELED;
        break;
      }
    }
  }
  if (error == 0 && (fchmod(out, source.st_mode & 07777) != 0 || fsync(out) != 0)) error = errno;
  if (error == 0) error = Place(out, temp, target, replace, batch, dialogs);
  // The times last, so that a hidden copy still being written never looks stale.
  const struct timespec times[2] = {source.st_atim, source.st_mtim};
  if (error == 0) futimens(out, times);
  if (close(out) != 0 && error == 0) error = errno;
  if (!temp.empty()) unlink(temp.c_str());
  return error;
}

// What stands at target before a copy or move: 0 to go on (replace says whether a
// file is there and the user agreed to replace it), kSkip, ECANCELED or kShown.
int CheckTarget(const struct stat& source, const std::string& target, const std::string& what,
                bool& replace, Batch& batch, Dialogs& dialogs) {
  replace = false;
  struct stat st;
  if (lstat(target.c_str(), &st) != 0) return 0;
  struct stat followed;
  if (SameFile(source, st) ||
      (stat(target.c_str(), &followed) == 0 && SameFile(source, followed))) {
    return Fail(dialogs, what, EINVAL, "source and target are the same file");
  }
  if (S_ISDIR(st.st_mode)) return Fail(dialogs, what, EISDIR);
  const int answer = AskReplace(dialogs, batch, target);
  replace = answer == 0;
  return answer;
}

// Opens a source to copy: a regular file, or a link to one. Never blocks (a FIFO),
// never reads a device. Returns the descriptor, or -1 after showing why.
int OpenSource(const std::string& path, const std::string& what, struct stat& source,
               Dialogs& dialogs) {
  const int in = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  const int error = in < 0 ? errno : fstat(in, &source) != 0 ? errno : 0;
  if (error == 0 && S_ISREG(source.st_mode)) return in;
  if (in >= 0) close(in);
  if (error != 0 || S_ISDIR(source.st_mode)) {
    Fail(dialogs, what, error != 0 ? error : EISDIR);
  } else {
    Fail(dialogs, what, EINVAL, "it is not a regular file");
  }
  return -1;
}

int Copy(const FileOperation& op, Batch& batch, Dialogs& dialogs) {
  const std::string what = "Cannot copy " + Quoted(op.from) + " to " + Quoted(op.to);
  struct stat source {};
  const int in = OpenSource(op.from, what, source, dialogs);
  if (in < 0) return kShown;
  bool replace = false;
  int error = CheckTarget(source, op.to, what, replace, batch, dialogs);
  if (error == 0) error = CopyInto(in, source, op.to, replace, batch, dialogs);
  close(in);
  return Report(dialogs, what, error);
}

// Makes a link holding content at target, asking before replacing a file.
int PlaceLink(const std::string& content, const std::string& target, bool replace, Batch& batch,
              Dialogs& dialogs) {
  if (!replace) {
    if (symlink(content.c_str(), target.c_str()) == 0) return 0;
    if (errno != EEXIST) return errno;
    if (const int answer = AskReplace(dialogs, batch, target)) return answer;
  }
  std::string temp = TempName(ParentFolder(target));
  if (symlink(content.c_str(), temp.c_str()) != 0) return errno;
  const int error = PlaceNamed(temp, target, true, batch, dialogs);
  if (!temp.empty()) unlink(temp.c_str());
  return error;
}

// Moves from to another file system: a copy first, the source removed only then.
int MoveAcross(const FileOperation& op, const struct stat& source, bool replace,
               const std::string& what, Batch& batch, Dialogs& dialogs) {
  int error = EXDEV;
  if (S_ISLNK(source.st_mode)) {
    std::string content(static_cast<std::size_t>(source.st_size) + 1, '\0');
    const ssize_t n = readlink(op.from.c_str(), content.data(), content.size());
    if (n < 0 || static_cast<std::size_t>(n) >= content.size()) return n < 0 ? errno : EAGAIN;
    content.resize(static_cast<std::size_t>(n));
    error = PlaceLink(content, op.to, replace, batch, dialogs);
  } else if (S_ISREG(source.st_mode)) {
    struct stat opened {};
    const int in = OpenSource(op.from, what, opened, dialogs);
    if (in < 0) return kShown;
    error = CopyInto(in, opened, op.to, replace, batch, dialogs);
    close(in);
  }
  if (error == 0 && unlink(op.from.c_str()) != 0) {
    return Fail(dialogs, "Copied " + Quoted(op.from) + " but cannot remove it", errno);
  }
  return error;
}

int Move(const FileOperation& op, Batch& batch, Dialogs& dialogs) {
  const std::string what = "Cannot move " + Quoted(op.from) + " to " + Quoted(op.to);
  struct stat source;
  if (lstat(op.from.c_str(), &source) != 0) return Fail(dialogs, what, errno);
  bool replace = false;
  if (const int answer = CheckTarget(source, op.to, what, replace, batch, dialogs)) return answer;
  int error = replace ? (rename(op.from.c_str(), op.to.c_str()) == 0 ? 0 : errno)
                      : RenameNoReplace(op.from, op.to);
  if (error == EEXIST && !replace) {
    if (const int answer = AskReplace(dialogs, batch, op.to)) return answer;
    replace = true;
    error = rename(op.from.c_str(), op.to.c_str()) == 0 ? 0 : errno;
  }
  if (error == EXDEV) error = MoveAcross(op, source, replace, what, batch, dialogs);
  return Report(dialogs, what, error);
}

int Rename(const FileOperation& op, Dialogs& dialogs) {
  const std::string what = "Cannot rename " + Quoted(op.from) + " to " + Quoted(op.to);
  if (op.from == op.to) return 0;
  struct stat source;
  struct stat target;
  if (lstat(op.from.c_str(), &source) != 0) return Fail(dialogs, what, errno);
  if (lstat(op.to.c_str(), &target) == 0) {
    return Fail(dialogs, what, EEXIST,
                SameFile(source, target) ? "source and target are the same file"
                                         : "a file of that name already exists");
  }
  const int error = RenameNoReplace(op.from, op.to);
  if (error == EEXIST) return Fail(dialogs, what, error, "a file of that name already exists");
  return Report(dialogs, what, error);
}

int Delete(const FileOperation& op, Dialogs& dialogs) {
  const bool trash = (op.flags & kAllowUndo) != 0;
  const std::string what = "Cannot delete " + Quoted(op.from);
  struct stat st;
  if (lstat(op.from.c_str(), &st) != 0) return Fail(dialogs, what, errno);
  if ((op.flags & kNoConfirmation) == 0 &&
      !dialogs.Confirm(trash ? "Move " + Quoted(op.from) + " to the trash?"
                             : "Delete " + Quoted(op.from) + " permanently?",
                       kTitle)) {
    return kSkip;
  }
  if (trash) {
    GFile* file = g_file_new_for_path(op.from.c_str());
    GError* gerror = nullptr;
    const bool trashed = g_file_trash(file, nullptr, &gerror);
    g_object_unref(file);
    if (trashed) return 0;
    const std::string reason = gerror->message;
    g_error_free(gerror);
    // Never a silent permanent delete: the user decides.
    if (!dialogs.AskYesNo(Quoted(op.from) + " cannot be moved to the trash (" + reason +
                              "). Delete it permanently?",
                          kTitle)) {
      return kSkip;
    }
  }
  return unlink(op.from.c_str()) == 0 ? 0 : Fail(dialogs, what, errno);
}

int Run(const FileOperation& op, Batch& batch, Dialogs& dialogs) {
  static constexpr const char* kVerbs[] = {"", "move", "copy", "delete", "rename"};
  for (const std::string* path : {&op.from, &op.to}) {
    // The system would see the name cut short at the NUL: another file, or a folder.
    if (path->find('\0') != std::string::npos) {
      return Fail(
          dialogs,
          std::string("Cannot ") + kVerbs[static_cast<int>(op.function)] + " " + Quoted(*path),
          EINVAL, "the name holds a NUL byte");
    }
  }
  switch (op.function) {
    case FileFunction::Copy:
      return Copy(op, batch, dialogs);
    case FileFunction::Move:
      return Move(op, batch, dialogs);
    case FileFunction::Rename:
      return Rename(op, dialogs);
    case FileFunction::Delete:
      return Delete(op, dialogs);
  }
  return kSkip;
}

}  // namespace

Outcome RunFileOperation(const FileOperation& op, Dialogs& dialogs, Batch& batch) {
  if (op.from.empty()) return Outcome::Skipped;
  switch (Run(op, batch, dialogs)) {
    case 0:
      return Outcome::Done;
    case kSkip:
      return Outcome::Skipped;
    case ECANCELED:
      return Outcome::Cancelled;
    default:
      return Outcome::Failed;
  }
}

bool IsNonFolder(const std::string& path) {
  struct stat st;
  return !path.empty() && path.find('\0') == std::string::npos && lstat(path.c_str(), &st) == 0 &&
         !S_ISDIR(st.st_mode);
}

}  // namespace velmora::platform
