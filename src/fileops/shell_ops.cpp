#include "fileops/shell_ops.h"

namespace velmora::fileops {

using platform::FileFunction;
using platform::kAllowUndo;
using platform::kNoConfirmation;

Outcome ShellDelete(platform::Shell& shell, const std::string& path) {
  // A name holding a NUL byte goes on, to be refused aloud.
  if (!FileExists(path) && path.find('\0') == std::string::npos) return Outcome::Skipped;
  Batch batch;
  return shell.Run({FileFunction::Delete, path, {}, kAllowUndo | kNoConfirmation}, batch);
}

Outcome ShellCopy(platform::Shell& shell, Batch& batch, const std::string& from,
                  const std::string& to) {
  return shell.Run({FileFunction::Copy, from, to, kAllowUndo}, batch);
}

Outcome ShellMove(platform::Shell& shell, Batch& batch, const std::string& from,
                  const std::string& to) {
  return shell.Run({FileFunction::Move, from, to, kAllowUndo}, batch);
}

Outcome ShellRename(platform::Shell& shell, const std::string& from, const std::string& to) {
  Batch batch;
  return shell.Run({FileFunction::Rename, from, to, kAllowUndo}, batch);
}

bool FileExists(const std::string& path) { return platform::IsNonFolder(path); }

}  // namespace velmora::fileops
