#include "support/testdir.h"

#include <dirent.h>
#include <fcntl.h>
#include <grp.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QtTest>
#include <algorithm>

#include <cerrno>
#include <cstring>

namespace {

void makeParents(const std::string& path) {
  for (std::size_t slash = path.find('/', 1); slash != std::string::npos;
       slash = path.find('/', slash + 1)) {
    ::mkdir(path.substr(0, slash).c_str(), 0755);
  }
}

// Straight to the system: a test's own files never meet the faults it plants.
bool writeAll(int fd, std::string_view s) {
  for (ssize_t n; !s.empty(); s.remove_prefix(static_cast<std::size_t>(n)))
    if ((n = ::write(fd, s.data(), s.size())) <= 0) return false;
  return true;
}

}  // namespace

std::vector<std::string> entriesOf(const std::string& dir) {
  std::vector<std::string> names;
  if (DIR* d = ::opendir(dir.c_str())) {
    while (const dirent* e = ::readdir(d)) {
      const std::string_view n = e->d_name;
      if (n != "." && n != "..") names.emplace_back(n);
    }
    ::closedir(d);
  }
  std::sort(names.begin(), names.end());
  return names;
}

TestDir::TestDir() {
  // Traversable by others, so that a step run as an unprivileged user can reach it.
  ::chmod(dir_.path().toLocal8Bit().constData(), 0755);
  path_ = dir_.path().toLocal8Bit().toStdString();
}

TestDir::~TestDir() {
  // Leave nothing unreadable or too deep behind for the removal.
  const std::string command = "chmod -R u+rwx '" + path_ + "' 2>/dev/null; rm -rf '" + path_ + "'";
  if (std::system(command.c_str()) != 0) qWarning("could not remove %s", path_.c_str());
}

void TestDir::createFile(const std::string& relative, const std::string& content) const {
  const std::string full = *this / relative;
  makeParents(full);
  const int fd = ::open(full.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd < 0 || !writeAll(fd, content))
    qFatal("cannot create %s: %s", full.c_str(), std::strerror(errno));
  ::close(fd);
}

void TestDir::createDir(const std::string& relative) const {
  const std::string full = *this / relative;
  makeParents(full + "/");
}

void TestDir::createLink(const std::string& relative, const std::string& target) const {
  const std::string full = *this / relative;
  makeParents(full);
  if (::symlink(target.c_str(), full.c_str()) != 0) qFatal("cannot link %s", full.c_str());
}

std::string TestDir::read(const std::string& relative) const {
  std::string out;
  const int fd = ::open((*this / relative).c_str(), O_RDONLY);
  if (fd < 0) return out;
  char buffer[4096];
  for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;)
    out.append(buffer, static_cast<std::size_t>(n));
  ::close(fd);
  return out;
}

UnprivilegedRun runUnprivileged(const std::function<std::string()>& step) {
  constexpr int kCannotDrop = 3;
  UnprivilegedRun run;
  int pipeFds[2];
  if (::pipe(pipeFds) != 0) return {false, false, {}, "cannot make a pipe"};
  const pid_t child = ::fork();
  if (child < 0) return {false, false, {}, "cannot fork"};
  if (child == 0) {
    ::close(pipeFds[0]);
    if (::geteuid() == 0) {
      const gid_t nobody = 65534;
      if (::setgroups(0, nullptr) != 0 || ::setgid(nobody) != 0 || ::setuid(nobody) != 0) {
        ::_exit(kCannotDrop);
      }
    }
    const bool ok = writeAll(pipeFds[1], step());
    ::_exit(ok ? 0 : 4);
  }
  ::close(pipeFds[1]);
  char buffer[4096];
  for (ssize_t n; (n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;) {
    run.output.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(pipeFds[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  run.dropped = !(WIFEXITED(status) && WEXITSTATUS(status) == kCannotDrop);
  run.finished = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  if (!run.dropped)
    run.problem = "cannot switch to the user nobody to test a permission case";
  else if (!run.finished)
    run.problem = "the unprivileged step did not finish";
  return run;
}

SmallFileSystem::SmallFileSystem(const std::string& mountPoint, std::size_t bytes)
    : point_(mountPoint) {
  const std::string options = "size=" + std::to_string(bytes) + ",mode=0755";
  if (::geteuid() != 0)
    reason_ = "mounting a small file system needs root";
  else if (::mkdir(point_.c_str(), 0755), ::mount("tmpfs", point_.c_str(), "tmpfs", 0, options.c_str()) != 0)
    reason_ = std::string("cannot mount a tmpfs here: ") + std::strerror(errno);
}

SmallFileSystem::~SmallFileSystem() {
  if (mounted() && ::umount2(point_.c_str(), MNT_DETACH) != 0)
    qWarning("cannot unmount %s", point_.c_str());
}
