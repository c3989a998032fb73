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

std::string Files(std::size_t n) {
  const int count = static_cast<int>(n);
  return n == 1 ? platform::Tr("velmora", "1 file")
                : platform::Tr("velmora", "%n files", nullptr, count);
}

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
      return platform::Fill(platform::Tr("velmora", words.cancelledAfter),
                            {std::to_string(done), Files(targets.size())});
    }
    if (status.ok()) ++done;
  }
  if (done == targets.size()) return platform::Tr("velmora", words.complete);
  return platform::Fill(
      platform::Tr("velmora", words.partly),
      {std::to_string(done), Files(targets.size()), std::to_string(targets.size() - done)});
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
  if (targets.empty()) return platform::Tr("velmora", words.none);
  const std::string folder =
      shell_.PickFolder(platform::Tr("velmora", "Select a folder"), list_.Folder());
  if (folder.empty()) return platform::Tr("velmora", words.cancelled);
  if (step) *step = {}, step->undo = words.undo;  // a folder was chosen: files may change
  Batch batch;
  return Each(words, targets, [&](const std::string& entry) {
    const std::string target = platform::JoinPath(folder, FileNameOf(entry));
    const Status status = operation(shell_, batch, entry, target);
    if (step && status.ok()) Record(*step, target, entry);
    return status;
  });
}

void FileCommands::CopyTo() {
  static constexpr Words kCopy{platform::TrNoop("velmora", "Copy cancelled after %1 of %2"),
                               platform::TrNoop("velmora", "Copy Complete"),
                               platform::TrNoop("velmora", "Copied %1 of %2; %3 not copied"),
                               platform::TrNoop("velmora", "No file to copy"),
                               platform::TrNoop("velmora", "Copy cancelled"),
                               nullptr};
  list_.SetStatus(platform::Tr("velmora", "Start Copying"));
  list_.SetStatus(ToPickedFolder(kCopy, ShellCopy));
}

void FileCommands::MoveTo() {
  static constexpr Words kMove{platform::TrNoop("velmora", "Move cancelled after %1 of %2"),
                               platform::TrNoop("velmora", "Move Complete"),
                               platform::TrNoop("velmora", "Moved %1 of %2; %3 not moved"),
                               platform::TrNoop("velmora", "No file to move"),
                               platform::TrNoop("velmora", "Move cancelled"),
                               platform::TrNoop("velmora", "Undo Move of %1")};
  list_.SetStatus(platform::Tr("velmora", "Start Moving"));
  UndoStep step;
  const std::string status = ToPickedFolder(kMove, ShellMove, &step);
  const bool chosen = step.undo != nullptr;
  if (chosen) undo_ = std::move(step);
  list_.Rescan(chosen);
  list_.SetStatus(status);
}

void FileCommands::Delete() {
  const std::vector<std::string> targets = Targets();
  if (targets.empty()) {
    list_.SetStatus(platform::Tr("velmora", "No file to delete"));
    return;
  }
  // No caption of its own: the box shows the program's default one.
  if (!shell_.dialogs().Confirm(platform::Tr("velmora", "Are you sure to delete selected files?"),
                                ""))
    return;
  static constexpr Words kDelete{platform::TrNoop("velmora", "Delete cancelled after %1 of %2"),
                                 platform::TrNoop("velmora", "Delete Complete"),
                                 platform::TrNoop("velmora", "Deleted %1 of %2; %3 not deleted"),
                                 platform::TrNoop("velmora", "No file to delete"),
                                 platform::TrNoop("velmora", "Delete cancelled"),
                                 platform::TrNoop("velmora", "Undo Delete of %1")};
  list_.SetStatus(platform::Tr("velmora", "Start Deleting"));
  undo_ = {}, undo_.undo = kDelete.undo;
  const std::string status = Each(kDelete, targets, [&](const std::string& entry) {
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
  const std::string answer =
      shell_.dialogs().Input(platform::Tr("velmora", "please input new file name"),
                             platform::Tr("velmora", "input new file name"), std::string(name));
  const std::string folder = current.substr(0, current.size() - name.size());
  if (answer.empty()) return;
  if (const Status check = CheckNewName(answer); !check.ok()) {
    shell_.dialogs().ShowError(check.message(), platform::Tr("velmora", "input new file name"));
    return;
  }
  undo_ = {}, undo_.undo = platform::TrNoop("velmora", "Undo Rename of %1");
  if (ShellRename(shell_, current, folder + answer).ok() && answer != name)
    Record(undo_, folder + answer, current);
  // Rescanned either way: a failure may be a file that changed meanwhile.
  list_.Rescan(true);
}

namespace {

// A word to write into names as typed, blanks around it dropped; empty when cancelled, or
// refused (the refusal shown).
std::string AskWord(desktop::Shell& shell, const std::string& prompt, const std::string& title,
                    const std::string& preset) {
  std::string word = shell.dialogs().Input(prompt, title, preset);
  word.erase(0, word.find_first_not_of(' '));
  word.erase(word.find_last_not_of(' ') + 1);
  if (const Status check = CheckNewName(word); !word.empty() && !check.ok()) {
    shell.dialogs().ShowError(check.message(), title);
    return {};
  }
  return word;
}

std::vector<std::string> Listed(const FileListHost& list) {
  std::vector<std::string> entries(list.EntryCount());
  for (std::size_t i = 0; i < entries.size(); ++i) entries[i] = list.Entry(i);
  return entries;
}

}  // namespace

void FileCommands::AddTagToNames() {
  const std::vector<std::string> targets = Targets();
  if (targets.empty()) return;
  const std::string title = platform::Tr("velmora", "Add Tag to Names");
  const std::string word =
      AskWord(shell_, platform::Tr("velmora", "Tag to write into the names of the selected files:"),
              title, "");
  if (!word.empty())
    EditNames(targets, {catalogue::NameEdit::Kind::Add, "", word, list_.TagDigits()});
}

void FileCommands::RemoveTagFromNames(const std::string& tag) {
  EditNames(Listed(list_), {catalogue::NameEdit::Kind::Remove, tag, "", list_.TagDigits()});
}

void FileCommands::RenameTagInNames(const std::string& tag) {
  const std::string word =
      AskWord(shell_,
              platform::Fill(platform::Tr("velmora",
                                          "New word for \u201C%1\u201D in the names of the "
                                          "listed files:"),
                             {platform::VisibleText(tag)}),
              platform::Tr("velmora", "Rename Tag in Names"), tag);
  if (word.empty()) return;
  EditNames(Listed(list_), {catalogue::NameEdit::Kind::Rename, tag, word, list_.TagDigits()});
}

void FileCommands::EditNames(const std::vector<std::string>& files,
                             const catalogue::NameEdit& edit) {
  std::vector<std::pair<std::string, std::string>> renames;  // from, to
  std::vector<std::string> shown;
  for (const std::string& file : files) {
    const std::string_view name = FileNameOf(file);
    if (const std::optional<std::string> to = catalogue::EditName(name, edit)) {
      renames.emplace_back(file, file.substr(0, file.size() - name.size()) + *to);
      shown.push_back(platform::Fill(platform::Tr("velmora", "%1 \u2192 %2"),
                                     {platform::VisibleText(name), platform::VisibleText(*to)}));
    }
  }
  if (renames.empty()) {
    list_.SetStatus(platform::Tr("velmora", "No file name changes"));
    return;
  }
  const int n = static_cast<int>(renames.size());
  if (!shell_.dialogs().Confirm(
          platform::ShortList(platform::Tr("velmora", "Rename %n file(s)?", nullptr, n), shown),
          ""))
    return;
  static constexpr Words kRenames{platform::TrNoop("velmora", "Rename cancelled after %1 of %2"),
                                  platform::TrNoop("velmora", "Rename Complete"),
                                  platform::TrNoop("velmora", "Renamed %1 of %2; %3 not renamed"),
                                  platform::TrNoop("velmora", "No file to rename"),
                                  platform::TrNoop("velmora", "Rename cancelled"),
                                  platform::TrNoop("velmora", "Undo Rename of %1")};
  undo_ = {}, undo_.undo = kRenames.undo;
  std::vector<std::string> kept;
  auto progress = shell_.dialogs().StartProgress(
      desktop::kTitle, platform::Tr("velmora", "Renaming %n file(s)", nullptr, n));
  std::size_t done = 0;
  const auto rename = [&](const std::pair<std::string, std::string>& file) {
    if (!progress->Update(done++, renames.size())) return Status::Cancellation();
    const Status renamed = platform::Rename(file.first, file.second);
    if (renamed.ok())
      Record(undo_, file.second, file.first);
    else
      kept.push_back(renamed.message());
    return renamed;
  };
  const std::string status = Each(kRenames, renames, rename);
  progress.reset();
  list_.Rescan(true);
  if (!kept.empty()) {
    shell_.dialogs().ShowError(
        platform::ShortList(platform::Tr("velmora", "These files were not renamed:"), kept),
        desktop::kTitle);
  }
  list_.SetStatus(status);
}

void FileCommands::Record(UndoStep& step, const std::string& now, const std::string& was) {
  // A file whose place cannot be read now has nothing to come back from.
  if (platform::Moved moved = platform::MarkMoved(now, was); !moved.now.empty())
    step.changes.push_back({std::move(moved), {}});
}

std::string FileCommands::UndoText() const {
  if (undo_.other) return undo_.words;
  if (undo_.changes.empty()) return {};
  return platform::Fill(platform::Tr("velmora", undo_.undo), {Files(undo_.changes.size())});
}

void FileCommands::HoldUndo(std::string words, std::function<void()> undo) {
  undo_ = {}, undo_.words = std::move(words), undo_.other = std::move(undo);
}

void FileCommands::Undo() {
  const UndoStep step = std::exchange(undo_, {});
  if (step.other) return step.other();
  if (step.changes.empty()) {
    list_.SetStatus(platform::Tr("velmora", "Nothing to undo"));
    return;
  }
  static constexpr Words kUndo{platform::TrNoop("velmora", "Undo cancelled after %1 of %2"),
                               platform::TrNoop("velmora", "Undo Complete"),
                               platform::TrNoop("velmora", "Undone %1 of %2; %3 not undone"),
                               platform::TrNoop("velmora", "Nothing to undo"),
                               platform::TrNoop("velmora", "Undo cancelled"),
                               nullptr};
  list_.SetStatus(platform::Tr("velmora", "Start Undoing"));
  std::vector<std::string> stayed;
  const std::string status = Each(kUndo, step.changes, [&](const Change& change) {
    const Status done = !change.trashed.entry.empty() ? platform::Untrash(change.trashed)
                                                      : ShellMoveBack(shell_, change.moved);
    if (!done.ok() && !done.Cancelled()) stayed.push_back(done.message());
    return done;
  });
  list_.Rescan(true);
  if (!stayed.empty())
    shell_.dialogs().ShowError(
        platform::ShortList(platform::Tr("velmora", "These files stayed as they are:"), stayed),
        desktop::kTitle);
  list_.SetStatus(status);
}

Status CheckNewName(const std::string& name) {
  if (name.find(platform::kPathSeparator) != std::string::npos) {
    return Status::Refusal(platform::Tr(
        "velmora",
        "A file name cannot contain \"/\": it would move the file into another folder."));
  }
  if (name.find('\0') != std::string::npos)
    return Status::Refusal(platform::Tr("velmora", "A file name cannot contain a NUL character."));
  if (name == "." || name == "..")
    return Status::Refusal(
        platform::Fill(platform::Tr("velmora", "\"%1\" names a folder, not a file."), {name}));
  return {};
}

}  // namespace velmora::fileops
