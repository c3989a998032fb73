#pragma once
// Every effect the program has on files goes through a FileSystem, so that a test can
// put one in front of the real system that fails a chosen call with a chosen error.
// Three go around it, each through a library that does its own file work: moving a file
// to the trash (GIO, file_ops.cpp), the window's saved size and place (QSettings, used
// only once ReadWholeFile found the file sane) and the socket a running window listens
// on (QLocalServer).

#include <sys/stat.h>
#include <sys/types.h>
#include <sys/vfs.h>

#include <cstddef>
#include <ctime>
#include <string_view>

namespace velmora::platform {

// Each call behaves as the system call of the same name: its result, or -1 with errno
// set. Descriptors are the system's.
class FileSystem {
 public:
  virtual ~FileSystem() = default;
  virtual int OpenAt(int dirFd, const char* path, int flags, mode_t mode) = 0;
  virtual ssize_t Read(int fd, void* buffer, std::size_t size) = 0;
  virtual ssize_t Write(int fd, const void* bytes, std::size_t size) = 0;
  virtual int Fsync(int fd) = 0;
  virtual int Close(int fd) = 0;
  // getdents64: the next entries of the open folder fd, 0 at its end.
  virtual ssize_t ReadEntries(int fd, void* buffer, std::size_t size) = 0;
  virtual int RenameAt2(int fromDir, const char* from, int toDir, const char* to,
                        unsigned flags) = 0;
  virtual int LinkAt(int fromDir, const char* from, int toDir, const char* to, int flags) = 0;
  virtual int Symlink(const char* content, const char* path) = 0;
  virtual ssize_t ReadLink(const char* path, char* buffer, std::size_t size) = 0;
  virtual int UnlinkAt(int dirFd, const char* path, int flags) = 0;
  virtual int Mkdir(const char* path, mode_t mode) = 0;
  // fstatat: with an empty path and AT_EMPTY_PATH, fstat of dirFd.
  virtual int StatAt(int dirFd, const char* path, struct stat* st, int flags) = 0;
  virtual int Fstatfs(int fd, struct statfs* fs) = 0;
  virtual int AccessAt(int dirFd, const char* path, int mode, int flags) = 0;
  virtual int Flock(int fd, int operation) = 0;
  virtual int Fchmod(int fd, mode_t mode) = 0;
  virtual int Futimens(int fd, const struct timespec times[2]) = 0;

  // Shorthands over the calls above.
  int Open(const char* path, int flags, mode_t mode = 0);
  int Rename(const char* from, const char* to);
  int Link(const char* from, const char* to);
  int Unlink(const char* path);
  int Stat(const char* path, struct stat* st);
  int Lstat(const char* path, struct stat* st);
  int Fstat(int fd, struct stat* st);
  // Writes all of bytes, going on after short writes; a write that takes nothing fails
  // as on a full disk.
  int WriteAll(int fd, std::string_view bytes);
};

// The operating system's own.
FileSystem& SystemFileSystem();

// The one the program uses, the system's unless a test has put another in place. It is
// process-wide rather than passed along: the folder walk, the store and the file
// commands reach files from deep inside interfaces other code implements, and a fault
// must reach all of them the same way.
FileSystem& Fs();
// Makes fs current (nullptr: the system's again) and returns the previous one. Only
// while no file operation runs.
FileSystem* SetFileSystem(FileSystem* fs);

}  // namespace velmora::platform
