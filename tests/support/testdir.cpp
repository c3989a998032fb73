#include "support/testdir.h"

#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QtTest>
#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

// Straight to the system: a test's own files never meet the faults it plants.
bool writeAll(int fd, std::string_view s) {
  for (ssize_t n; !s.empty(); s.remove_prefix(static_cast<std::size_t>(n)))
    if ((n = ::write(fd, s.data(), s.size())) <= 0) return false;
  return true;
}

std::string readAll(int fd) {
  std::string out;
  char buffer[4096];
  for (ssize_t n; fd >= 0 && (n = ::read(fd, buffer, sizeof buffer)) > 0;)
    out.append(buffer, static_cast<std::size_t>(n));
  return out;
}

// path, once its parent folders are there.
const std::string& made(const std::string& path) {
  fs::create_directories(fs::path(path).parent_path());
  return path;
}

}  // namespace

std::vector<std::string> entriesOf(const std::string& dir) {
  std::vector<std::string> names;
  std::error_code missing;
  for (const auto& e : fs::directory_iterator(dir, missing)) names.push_back(e.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

TestDir::TestDir() : path_(dir_.path().toLocal8Bit().toStdString()) {
  ::chmod(path_.c_str(), 0755);  // so that a step run as another user can reach it
}

TestDir::~TestDir() {
  // Leave nothing unreadable behind for the removal.
  const std::string command = "chmod -R u+rwx '" + path_ + "' 2>/dev/null; rm -rf '" + path_ + "'";
  if (std::system(command.c_str()) != 0) qWarning("could not remove %s", path_.c_str());
}

void TestDir::createFile(const std::string& relative, const std::string& content) const {
  const int fd = ::open(made(*this / relative).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd < 0 || !writeAll(fd, content)) qFatal("cannot create %s", relative.c_str());
  ::close(fd);
}

void TestDir::createDir(const std::string& relative) const { fs::create_directories(*this / relative); }

void TestDir::createLink(const std::string& relative, const std::string& target) const {
  fs::create_symlink(target, made(*this / relative));
}

std::string TestDir::read(const std::string& relative) const {
  const int fd = ::open((*this / relative).c_str(), O_RDONLY);
  const std::string out = readAll(fd);
  if (fd >= 0) ::close(fd);
  return out;
}

UnprivilegedRun runUnprivileged(const std::function<std::string()>& step) {
  constexpr int kCannotDrop = 3;
  int pipeFds[2];
  if (::pipe(pipeFds) != 0) return {false, false, {}, "cannot make a pipe"};
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(pipeFds[0]);
    const gid_t nobody = 65534;
    if (::geteuid() == 0 && (::setgroups(0, nullptr) || ::setgid(nobody) || ::setuid(nobody)))
      ::_exit(kCannotDrop);
    ::_exit(writeAll(pipeFds[1], step()) ? 0 : 4);
  }
  ::close(pipeFds[1]);
  UnprivilegedRun run{true, false, readAll(pipeFds[0]), {}};
  ::close(pipeFds[0]);
  int status = 0;
  if (child < 0 || ::waitpid(child, &status, 0) != child) return {false, false, {}, "cannot fork"};
  run.dropped = !(WIFEXITED(status) && WEXITSTATUS(status) == kCannotDrop);
  run.finished = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  if (!run.dropped) run.problem = "cannot switch to the user nobody to test a permission case";
  else if (!run.finished) run.problem = "the unprivileged step did not finish";
  return run;
}
