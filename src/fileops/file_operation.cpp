#include "fileops/file_operation.h"

#include "platform/words.h"

namespace velmora::fileops {
namespace {

using desktop::Answer;
using platform::Quoted;

using desktop::kTitle;

// Shows a failure the user has not chosen; passes the status on.
Status Shown(desktop::Shell& shell, Status status) {
  if (!status.ok() && !status.Cancelled()) shell.dialogs().ShowError(status.message(), kTitle);
  return status;
}

// Whether target, which is in the way, may be replaced: ok() to replace it, a refusal to
// keep it, Cancelled() to end the batch.
Status MayReplace(desktop::Shell& shell, Batch& batch, const std::string& target) {
  const Status keep =
      Status::Refusal(platform::Fill(platform::Tr("velmora", "Kept %1"), {Quoted(target)}));
  if (batch.replace != Batch::Replace::Ask)
    return batch.replace == Batch::Replace::All ? Status() : keep;
  switch (shell.dialogs().AskReplace(
      platform::Fill(platform::Tr("velmora", "A file named %1 already exists. Replace it?"),
                     {Quoted(target)}),
      kTitle)) {
    case Answer::YesToAll:
      batch.replace = Batch::Replace::All;
      [[fallthrough]];
    case Answer::Yes:
      return {};
    case Answer::NoToAll:
      batch.replace = Batch::Replace::None;
      [[fallthrough]];
    case Answer::No:
      return keep;
    case Answer::Cancel:
      break;
  }
  return Status::Cancellation();
}

// A copy's progress to to, shown in window, which opens as the copy starts.
platform::CopyProgress InWindow(desktop::Shell& shell, std::unique_ptr<desktop::Progress>& window,
                                const std::string& to) {
  return [&shell, &window, to](std::uint64_t done, std::uint64_t total) {
    if (!window)
      window = shell.dialogs().StartProgress(
          kTitle, platform::Fill(platform::Tr("velmora", "Copying %1"), {Quoted(to)}));
    return window->Update(done, total);
  };
}

// Copy or Move: once more with the user's leave when a file is in the way.
template <class Operation>
Status Replacing(desktop::Shell& shell, Batch& batch, const std::string& from,
                 const std::string& to, Operation operation) {
  if (from.empty()) return Status::Absence("Nothing to act on");
  std::unique_ptr<desktop::Progress> window;
  const platform::CopyProgress progress = InWindow(shell, window, to);
  Status status = operation(from, to, false, progress);
  // The target may also appear while a copy is written: it is asked about then.
  if (status.InTheWay()) {
    window.reset();
    if (Status answer = MayReplace(shell, batch, to); !answer.ok()) return answer;
    status = operation(from, to, true, progress);
  }
  window.reset();
  return Shown(shell, status);
}

}  // namespace

Status ShellDelete(desktop::Shell& shell, const std::string& path, platform::TrashedAs* trashed) {
  if (trashed) *trashed = {};
  // A name holding a NUL byte goes on, to be refused aloud.
  if (!platform::IsNonFolder(path) && path.find('\0') == std::string::npos)
    return Status::Absence("Nothing to delete");
  Status status = platform::Trash(path, trashed);
  if (!status.NoTrash()) return Shown(shell, status);
  // Never a silent permanent delete: the user decides.
  if (!shell.dialogs().AskYesNo(
          platform::Fill(platform::Tr("velmora", "%1. Delete it permanently?"), {status.message()}),
          kTitle))
    return status;
  return Shown(shell, platform::Delete(path));
}

Status ShellCopy(desktop::Shell& shell, Batch& batch, const std::string& from,
                 const std::string& to) {
  return Replacing(shell, batch, from, to, platform::Copy);
}

Status ShellMove(desktop::Shell& shell, Batch& batch, const std::string& from,
                 const std::string& to) {
  return Replacing(shell, batch, from, to, platform::Move);
}

Status ShellMoveBack(desktop::Shell& shell, const platform::Moved& moved) {
  std::unique_ptr<desktop::Progress> window;
  return platform::MoveBack(moved, InWindow(shell, window, moved.was));
}

Status ShellRename(desktop::Shell& shell, const std::string& from, const std::string& to) {
  return Shown(shell, platform::Rename(from, to));
}

}  // namespace velmora::fileops
