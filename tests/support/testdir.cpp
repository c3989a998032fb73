#include "support/testdir.h"

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QtTest>
#include <algorithm>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

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

TestDir::~TestDir() {  // leaves nothing unreadable behind for the removal
  const std::string command = "chmod -R u+rwx '" + path_ + "' 2>/dev/null; rm -rf '" + path_ + "'";
  if (std::system(command.c_str()) != 0) qWarning("could not remove %s", path_.c_str());
}

TestHome::TestHome() {
  qputenv("HOME", QByteArray::fromStdString(path()));
  qputenv("XDG_DATA_HOME", QByteArray::fromStdString(*this / "data"));
  qputenv("XDG_CACHE_HOME", QByteArray::fromStdString(*this / "cache"));
}

// Straight to the system, as all below: a test's own files never meet the faults it plants.
void TestDir::createFile(const std::string& relative, const std::string& content) const {
  createDir(fs::path(relative).parent_path());
  if (!(std::ofstream(*this / relative, std::ios::binary) << content).flush())
    qFatal("cannot create %s", relative.c_str());
}

void TestDir::createDir(const std::string& relative) const {
  fs::create_directories(*this / relative);
}

std::string TestDir::zeroDevice() const {
  const std::string node = path_ + "/.zero";
  if (::access(node.c_str(), F_OK) == 0 ||
      ::mknod(node.c_str(), S_IFCHR | 0666, makedev(1, 5)) == 0)
    return node;
  return "/dev/zero";
}

void TestDir::createLink(const std::string& relative, const std::string& target) const {
  createDir(fs::path(relative).parent_path());
  fs::create_symlink(target, *this / relative);
}

std::string TestDir::read(const std::string& relative) const {
  std::ifstream in(*this / relative, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}
