#include "fileops/file_commands.h"

#include "catalogue/path_list.h"
#include "fileops/shell_ops.h"

namespace velmora::fileops {

using catalogue::FileNameOf;

std::vector<std::string> FileCommands::Targets() const {
  std::vector<std::string> entries;
  for (const std::size_t position : list_.SelectedEntries())
    entries.push_back(list_.Entry(position));
  if (entries.empty()) entries.push_back(list_.CurrentEntry());
  return entries;
}

void FileCommands::Open() { shell_.OpenDocument(list_.CurrentEntry()); }

void FileCommands::ToPickedFolder(void (*operation)(platform::Shell&, const std::string&,
                                                    const std::string&)) {
  const std::string folder = shell_.PickFolder("Select a folder");
  if (folder.empty()) return;
  for (const std::string& entry : Targets())
    operation(shell_, entry, Joined(folder, FileNameOf(entry)));
}

void FileCommands::CopyTo() {
  list_.SetStatus("Start Copying");
  ToPickedFolder(ShellCopy);
  list_.SetStatus("Copy Complete");
}

void FileCommands::MoveTo() {
  list_.SetStatus("Start Moving");
  ToPickedFolder(ShellMove);
  list_.Rescan();
  list_.SetStatus("Move Complete");
}

void FileCommands::Delete() {
  // No caption of its own: the box shows the program's default one.
  if (!shell_.dialogs().Confirm("Are you sure to delete selected files?", "")) return;
  list_.SetStatus("Start Deleting");
  for (const std::string& entry : Targets()) ShellDelete(shell_, entry);
  list_.Rescan();
  list_.SetStatus("Delete Complete");
}

void FileCommands::Rename() {
  const std::string current = list_.CurrentEntry();
  if (current.empty()) return;
  const std::string_view name = FileNameOf(current);
  const std::string answer = shell_.dialogs().Input("please input new file name",
                                                    "input new file name", std::string(name));
  const std::string folder = current.substr(0, current.size() - name.size());
  if (answer.empty()) return;
  if (const std::string problem = NewNameProblem(answer); !problem.empty()) {
    shell_.dialogs().ShowError(problem, "input new file name");
    return;
  }
  ShellRename(shell_, current, folder + answer);
  list_.Rescan();
}

std::string NewNameProblem(const std::string& name) {
  if (name.find(platform::kPathSeparator) != std::string::npos) {
    return "A file name cannot contain \"/\": it would move the file into another folder.";
  }
  if (name.find('\0') != std::string::npos) return "A file name cannot contain a NUL character.";
  if (name == "." || name == "..") return "\"" + name + "\" names a folder, not a file.";
  return {};
}

std::string Joined(const std::string& folder, std::string_view name) {
  std::string path = folder;
  // The root comes back from the picker as "/", already ending with the separator.
  if (path.empty() || path.back() != platform::kPathSeparator)
    path.push_back(platform::kPathSeparator);
  path.append(name);
  return path;
}

}  // namespace velmora::fileops
