#include "fileops/file_commands.h"

#include <string_view>
#include <utility>

#include "catalogue/path_list.h"
#include "platform/paths.h"
#include "platform/visible_text.h"
#include "platform/words.h"

namespace velmora::fileops {

using catalogue::FileNameOf;

namespace {

std::string Files(std::size_t n) { return std::to_string(n) + (n == 1 ? " file" : " files"); }

}  // namespace

std::vector<std::string> FileCommands::Targets() const {
  std::vector<std::string> entries;
  for (const std::size_t position : list_.SelectedEntries())
    entries.push_back(list_.Entry(position));
  if (entries.empty() && !list_.CurrentEntry().empty()) entries.push_back(list_.CurrentEntry());
  return entries;
}

template <class Target, class Operation>
std::string FileCommands::Each(const Words& words, const std::vector<Target>& targets,
                               Operation operation) {
  std::size_t done = 0;
  for (const Target& entry : targets) {
    const Status status = operation(entry);
    if (status.Cancelled()) {
      return std::string(words.noun) + " cancelled after " + std::to_string(done) + " of " +
             Files(targets.size());
    }
    if (status.ok()) ++done;
  }
  if (done == targets.size()) return std::string(words.noun) + " Complete";
  return std::string(words.past) + " " + std::to_string(done) + " of " + Files(targets.size()) +
         "; " + std::to_string(targets.size() - done) + " not " + words.pastLower;
}

void FileCommands::Open() {
  if (const Status opened = shell_.OpenDocument(list_.CurrentEntry()); !opened.ok())
    shell_.dialogs().ShowError(opened.message(), desktop::kTitle);
}

std::vector<desktop::Application> FileCommands::Applications() const {
  const std::string current = list_.CurrentEntry();
  return current.empty() ? std::vector<desktop::Application>{} : shell_.ApplicationsFor(current);
}

void FileCommands::OpenWith(const std::optional<desktop::Application>& app) {
  const std::vector<std::string> targets = Targets();  // taken before anything is asked
  if (targets.empty()) return;
  desktop::Application chosen;
  if (app) {
    chosen = *app;
  } else {
    const std::vector<desktop::Application> all = shell_.AllApplications();
    std::vector<std::string> names;
    for (const desktop::Application& each : all) names.push_back(each.name);
    const std::optional<std::size_t> pick = shell_.dialogs().Choose(
        platform::Tr("velmora", "Open With"),
        platform::Tr("velmora", "Choose the program to open the files with:"), names);
    if (!pick || *pick >= all.size()) return;
    chosen = all[*pick];
  }
  if (const Status opened = shell_.OpenWith(chosen, targets); !opened.ok())
    shell_.dialogs().ShowError(opened.message(), desktop::kTitle);
}

std::string FileCommands::ToPickedFolder(const Words& words, ToFolder operation, UndoStep* step) {
  const std::vector<std::string> targets = Targets();
  if (targets.empty()) return std::string("No file to ") + words.verb;
  const std::string folder = shell_.PickFolder("Select a folder", list_.Folder());
  if (folder.empty()) return std::string(words.noun) + " cancelled";
  if (step) *step = {words.noun, {}};  // a folder was chosen: files may change
  Batch batch;
  return Each(words, targets, [&](const std::string& entry) {
    const std::string target = platform::JoinPath(folder, FileNameOf(entry));
    const Status status = operation(shell_, batch, entry, target);
    if (step && status.ok()) Record(*step, target, entry);
    return status;
  });
}

void FileCommands::CopyTo() {
  list_.SetStatus("Start Copying");
  list_.SetStatus(ToPickedFolder({"Copy", "Copied", "copied", "copy"}, ShellCopy));
}

void FileCommands::MoveTo() {
  list_.SetStatus("Start Moving");
  UndoStep step;
  const std::string status = ToPickedFolder({"Move", "Moved", "moved", "move"}, ShellMove, &step);
  const bool chosen = *step.noun != '\0';
  if (chosen) undo_ = std::move(step);
  list_.Rescan(chosen);
  list_.SetStatus(status);
}

void FileCommands::Delete() {
  const std::vector<std::string> targets = Targets();
  if (targets.empty()) {
    list_.SetStatus("No file to delete");
    return;
  }
  // No caption of its own: the box shows the program's default one.
  if (!shell_.dialogs().Confirm("Are you sure to delete selected files?", "")) return;
  list_.SetStatus("Start Deleting");
  undo_ = {"Delete", {}};
  const std::string status =
      Each({"Delete", "Deleted", "deleted", "delete"}, targets, [&](const std::string& entry) {
        Change change;
        const Status done = ShellDelete(shell_, entry, &change.trashed);
        // A file deleted for good has nothing to come back from.
        if (done.ok() && !change.trashed.entry.empty()) undo_.changes.push_back(change);
        return done;
      });
  list_.Rescan(true);
  list_.SetStatus(status);
}

void FileCommands::Rename() {
  const std::string current = list_.CurrentEntry();
  if (current.empty()) return;
  const std::string_view name = FileNameOf(current);
  const std::string answer = shell_.dialogs().Input("please input new file name",
                                                    "input new file name", std::string(name));
  const std::string folder = current.substr(0, current.size() - name.size());
  if (answer.empty()) return;
  if (const Status check = CheckNewName(answer); !check.ok()) {
    shell_.dialogs().ShowError(check.message(), "input new file name");
    return;
  }
  undo_ = {"Rename", {}};
  if (ShellRename(shell_, current, folder + answer).ok() && answer != name)
    Record(undo_, folder + answer, current);
  // Rescanned either way: a failure may be a file that changed meanwhile.
  list_.Rescan(true);
}

void FileCommands::Record(UndoStep& step, const std::string& now, const std::string& was) {
  // A file whose place cannot be read now has nothing to come back from.
  if (platform::Moved moved = platform::MarkMoved(now, was); !moved.now.empty())
    step.changes.push_back({std::move(moved), {}});
}

std::string FileCommands::UndoText() const {
  if (undo_.changes.empty()) return {};
  return std::string("Undo ") + undo_.noun + " of " + Files(undo_.changes.size());
}

void FileCommands::Undo() {
  const UndoStep step = std::exchange(undo_, {});
  if (step.changes.empty()) {
    list_.SetStatus("Nothing to undo");
    return;
  }
  list_.SetStatus("Start Undoing");
  std::vector<std::string> stayed;
  const std::string status =
      Each({"Undo", "Undone", "undone", "undo"}, step.changes, [&](const Change& change) {
        const Status done = !change.trashed.entry.empty() ? platform::Untrash(change.trashed)
                                                          : ShellMoveBack(shell_, change.moved);
        if (!done.ok() && !done.Cancelled()) stayed.push_back(done.message());
        return done;
      });
  list_.Rescan(true);
  if (!stayed.empty())
    shell_.dialogs().ShowError(platform::ShortList("These files stayed as they are:", stayed),
                               desktop::kTitle);
  list_.SetStatus(status);
}

Status CheckNewName(const std::string& name) {
  if (name.find(platform::kPathSeparator) != std::string::npos) {
    return Status::Refusal(
        "A file name cannot contain \"/\": it would move the file into another folder.");
  }
  if (name.find('\0') != std::string::npos)
    return Status::Refusal("A file name cannot contain a NUL character.");
  if (name == "." || name == "..")
    return Status::Refusal("\"" + name + "\" names a folder, not a file.");
  return {};
}

}  // namespace velmora::fileops
