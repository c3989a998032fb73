#include "fileops/file_commands.h"

#include "catalogue/path_list.h"
#include "platform/paths.h"
#include "platform/visible_text.h"

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

template <class Operation>
std::string FileCommands::Each(const Words& words, const std::vector<std::string>& targets,
                               Operation operation) {
  std::size_t done = 0;
  for (const std::string& entry : targets) {
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
  const std::string current = list_.CurrentEntry();
  if (shell_.OpenDocument(current)) return;
  shell_.dialogs().ShowError(
      "Cannot open \"" + platform::VisibleText(current) + "\": " +
          (current.find('\0') != std::string::npos ? "the name holds a NUL byte"
                                                   : "no program is set to open this kind of file"),
      "Velmora");
}

std::string FileCommands::ToPickedFolder(const Words& words, ToFolder operation) {
  const std::vector<std::string> targets = Targets();
  if (targets.empty()) return std::string("No file to ") + words.verb;
  const std::string folder = shell_.PickFolder("Select a folder", list_.Folder());
  if (folder.empty()) return std::string(words.noun) + " cancelled";
  Batch batch;
  return Each(words, targets, [&](const std::string& entry) {
    return operation(shell_, batch, entry, platform::JoinPath(folder, FileNameOf(entry)));
  });
}

void FileCommands::CopyTo() {
  list_.SetStatus("Start Copying");
  list_.SetStatus(ToPickedFolder({"Copy", "Copied", "copied", "copy"}, ShellCopy));
}

void FileCommands::MoveTo() {
  list_.SetStatus("Start Moving");
  const std::string status = ToPickedFolder({"Move", "Moved", "moved", "move"}, ShellMove);
  list_.Rescan();
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
  const std::string status =
      Each({"Delete", "Deleted", "deleted", "delete"}, targets,
           [&](const std::string& entry) { return ShellDelete(shell_, entry); });
  list_.Rescan();
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
  // Rescanned either way: a failure may be a file that changed meanwhile.
  static_cast<void>(ShellRename(shell_, current, folder + answer));
  list_.Rescan();
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
