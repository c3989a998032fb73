#pragma once
// A temporary folder per test, and ways to lay out trees.
#include <sys/stat.h>

#include <QTemporaryDir>
#include <QTest>

#include <string>
#include <vector>

class TestDir {
 public:
  TestDir();
  ~TestDir();

  // Absolute path without a trailing separator.
  const std::string& path() const { return path_; }
  std::string operator/(const std::string& relative) const { return path_ + "/" + relative; }

  // Relative paths; parents are created as needed. Names are raw bytes.
  void createFile(const std::string& relative, const std::string& content = {}) const;
  void createDir(const std::string& relative) const;
  void createLink(const std::string& relative, const std::string& target) const;
  std::string read(const std::string& relative) const;  // empty when missing
  // A device that reads endless zeros: a node of its own here when this process may make
  // one, so that a fault under test can never replace the system's /dev/zero.
  std::string zeroDevice() const;

 private:
  QTemporaryDir dir_;
  std::string path_;
};

// A home for the whole run, HOME and XDG_DATA_HOME (the trash) and XDG_CACHE_HOME under it:
// GLib reads them once, and no test touches the real ones.
struct TestHome : TestDir {
  TestHome();
};

// The names in folder dir, sorted, without "." and "..".
std::vector<std::string> entriesOf(const std::string& dir);

// A table of rows "name: value", parted by ';', into one column v.
inline void TextRows(const QString& rows) {
  QTest::addColumn<QString>("v");
  for (const QString& row : rows.split(';'))
    QTest::newRow(qPrintable(row.section(": ", 0, 0))) << row.section(": ", 1);
}
// lstat's answer: st_mode is 0 when nothing is there.
inline struct stat statOf(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st), st;
}
// How many descriptors this process holds: what a call takes, it gives back.
inline std::size_t openDescriptors() { return entriesOf("/proc/self/fd").size(); }
