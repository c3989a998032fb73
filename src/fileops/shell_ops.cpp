#include "fileops/shell_ops.h"

namespace velmora::fileops {

using platform::FileFunction;
using platform::kAllowUndo;
using platform::kNoConfirmation;

void ShellDelete(platform::Shell& shell, const std::string& path) {
  if (!FileExists(path)) return;
  shell.Run({FileFunction::Delete, path, {}, kAllowUndo | kNoConfirmation});
}

void ShellCopy(platform::Shell& shell, const std::string& from, const std::string& to) {
  shell.Run({FileFunction::Copy, from, to, kAllowUndo});
}

void ShellMove(platform::Shell& shell, const std::string& from, const std::string& to) {
  shell.Run({FileFunction::Move, from, to, kAllowUndo});
}

void ShellRename(platform::Shell& shell, const std::string& from, const std::string& to) {
  shell.Run({FileFunction::Rename, from, to, kAllowUndo});
}

bool FileExists(const std::string& path) { return platform::IsNonFolder(path); }

}  // namespace velmora::fileops
