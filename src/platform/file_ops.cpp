#include "platform/file_ops.h"

#include <fcntl.h>
#include <gio/gio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <vector>

#include "platform/dir_enum.h"
#include "platform/files.h"

namespace velmora::platform {
namespace {

constexpr const char* kTitle = "Velmora";

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

bool SameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

int Fail(Dialogs& dialogs, const std::string& what, int error, const std::string& reason = {}) {
  dialogs.ShowError(what + ": " + (reason.empty() ? ErrorText(error) : reason), kTitle);
  return error;
}

bool AskReplace(Dialogs& dialogs, const std::string& target) {
  return dialogs.AskYesNo("A file named " + Quoted(target) + " already exists. Replace it?",
                          kTitle);
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

// Puts a finished temporary file at target; asks before replacing a file that
// appeared meanwhile. On failure the temporary file is gone.
int Place(const std::string& temp, const std::string& target, bool replace, Dialogs& dialogs) {
  int error = replace ? (rename(temp.c_str(), target.c_str()) == 0 ? 0 : errno)
                      : RenameNoReplace(temp, target);
  if (error == EEXIST && !replace) {
    error = AskReplace(dialogs, target) ? (rename(temp.c_str(), target.c_str()) == 0 ? 0 : errno)
                                        : ECANCELED;
  }
  if (error != 0) unlink(temp.c_str());
  return error;
}

// Copies the open file in into a new hidden temporary file beside target, with the
// source's permissions and times, flushed to disk. Returns 0 and the temporary path,
// or an error number (ECANCELED when the user cancelled); nothing is left on failure.
int CopyToTemp(int in, const struct stat& source, const std::string& target, Dialogs& dialogs,
               std::string& temp) {
  static std::atomic<unsigned> counter{0};
  temp = ParentFolder(target) + kPathSeparator + ".velmora-copy-" + std::to_string(getpid()) + "-" +
         std::to_string(counter.fetch_add(1));
  const int out = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
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
  const struct timespec times[2] = {source.st_atim, source.st_mtim};
  if (error == 0 &&
      (fchmod(out, source.st_mode & 07777) != 0 || futimens(out, times) != 0 || fsync(out) != 0)) {
    error = errno;
  }
  if (close(out) != 0 && error == 0) error = errno;
  if (error != 0) unlink(temp.c_str());
  return error;
}

// Copies from to target through a temporary file. target holds no file, or the user
// has agreed to replace it (replace).
int CopyInto(const std::string& from, const std::string& target, bool replace, Dialogs& dialogs) {
  const int in = open(from.c_str(), O_RDONLY | O_CLOEXEC);
  if (in < 0) return errno;
  struct stat source;
  if (fstat(in, &source) != 0 || S_ISDIR(source.st_mode)) {
    const int error = S_ISDIR(source.st_mode) ? EISDIR : errno;
    close(in);
    return error;
  }
  std::string temp;
  const int error = CopyToTemp(in, source, target, dialogs, temp);
  close(in);
  return error != 0 ? error : Place(temp, target, replace, dialogs);
}

// What stands at target before a copy or move: 0 to go on (replace says whether a
// file is there and the user agreed to replace it), or an error number.
int CheckTarget(const struct stat& source, const std::string& target, const std::string& what,
                bool& replace, Dialogs& dialogs) {
  replace = false;
  struct stat st;
  if (lstat(target.c_str(), &st) != 0) return 0;
  struct stat followed;
  if (SameFile(source, st) ||
      (stat(target.c_str(), &followed) == 0 && SameFile(source, followed))) {
    return Fail(dialogs, what, EINVAL, "source and target are the same file");
  }
  if (S_ISDIR(st.st_mode)) return Fail(dialogs, what, EISDIR);
  if (!AskReplace(dialogs, target)) return ECANCELED;
  replace = true;
  return 0;
}

int Copy(const FileOperation& op, Dialogs& dialogs) {
  const std::string what = "Cannot copy " + Quoted(op.from) + " to " + Quoted(op.to);
  struct stat source;
  if (stat(op.from.c_str(), &source) != 0) return Fail(dialogs, what, errno);
  bool replace = false;
  if (const int error = CheckTarget(source, op.to, what, replace, dialogs)) return error;
  const int error = CopyInto(op.from, op.to, replace, dialogs);
  return error == 0 || error == ECANCELED ? error : Fail(dialogs, what, error);
}

int Move(const FileOperation& op, Dialogs& dialogs) {
  const std::string what = "Cannot move " + Quoted(op.from) + " to " + Quoted(op.to);
  struct stat source;
  if (lstat(op.from.c_str(), &source) != 0) return Fail(dialogs, what, errno);
  bool replace = false;
  if (const int error = CheckTarget(source, op.to, what, replace, dialogs)) return error;
  int error = replace ? (rename(op.from.c_str(), op.to.c_str()) == 0 ? 0 : errno)
                      : RenameNoReplace(op.from, op.to);
  if (error == EEXIST && !replace) {
    if (!AskReplace(dialogs, op.to)) return ECANCELED;
    replace = true;
    error = rename(op.from.c_str(), op.to.c_str()) == 0 ? 0 : errno;
  }
  if (error == EXDEV && S_ISREG(source.st_mode)) {
    // Another file system: the source goes only once its copy is complete and on disk.
    error = CopyInto(op.from, op.to, replace, dialogs);
    if (error == 0 && unlink(op.from.c_str()) != 0) {
      return Fail(dialogs, "Copied " + Quoted(op.from) + " but cannot remove it", errno);
    }
  }
  return error == 0 || error == ECANCELED ? error : Fail(dialogs, what, error);
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
  return error == 0 ? 0 : Fail(dialogs, what, error);
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
    return ECANCELED;
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
      return ECANCELED;
    }
  }
  return unlink(op.from.c_str()) == 0 ? 0 : Fail(dialogs, what, errno);
}

}  // namespace

int RunFileOperation(const FileOperation& op, Dialogs& dialogs) {
  if (op.from.empty()) return EINVAL;
  switch (op.function) {
    case FileFunction::Copy:
      return Copy(op, dialogs);
    case FileFunction::Move:
      return Move(op, dialogs);
    case FileFunction::Rename:
      return Rename(op, dialogs);
    case FileFunction::Delete:
      return Delete(op, dialogs);
  }
  return EINVAL;
}

bool IsNonFolder(const std::string& path) {
  struct stat st;
  return !path.empty() && lstat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

}  // namespace velmora::platform
