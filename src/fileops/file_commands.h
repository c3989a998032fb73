#pragma once
// The commands of the file list: Open, Open With, Copy To, Move To, Rename, Delete, Undo,
// Select All. They act on the list through FileListHost and on files through the shell.
// Owner: the window's thread, every entry and every undo step held; the list, the shell and
// the steps held must outlive the commands.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/name_tags.h"
#include "desktop/shell.h"
#include "fileops/file_operation.h"

namespace velmora::fileops {

// What the commands need of the window's file list.
class FileListHost {
 public:
  virtual ~FileListHost() = default;
  // Positions of the selected entries, ascending.
  virtual std::vector<std::size_t> SelectedEntries() const = 0;
  virtual std::string Entry(std::size_t position) const = 0;
  // The entry that has the list's focus, selected or not; empty when there is none.
  virtual std::string CurrentEntry() const = 0;
  virtual void SelectAll(bool select) = 0;
  virtual void SetStatus(const std::string& text) = 0;
  // Loads the selected folder again; with none selected, empties the list. changed: the
  // command changed files (or may have); when not, a reading of the folder that runs goes on.
  virtual void Rescan(bool changed) = 0;
  // The folder listed, where a folder picker starts; empty for none.
  virtual std::string Folder() const { return {}; }
  // How many entries the list shows.
  virtual std::size_t EntryCount() const = 0;
  // How names are cut into the tags the list is filtered by.
  virtual catalogue::Digits TagDigits() const { return catalogue::Digits::Split; }
};

class FileCommands {
 public:
  FileCommands(FileListHost& list, desktop::Shell& shell) : list_(list), shell_(shell) {}

  void SelectAll(bool select) { list_.SelectAll(select); }
  void Open();
  // The programs for the current file's kind, the desktop's default first; none without
  // a current file.
  std::vector<desktop::Application> Applications() const;
  // Opens the selected files, or the current one, with app, or with the program a person
  // chooses among all the desktop offers when none is given; a failure shown as Open's.
  void OpenWith(const std::optional<desktop::Application>& app);
  void CopyTo();
  void MoveTo();
  void Delete();
  void Rename();
  // Takes back the last Delete, Move To or Rename that acted on files, as far as that
  // replaces nothing; one level. Only the files the command left go back, and only into
  // the folders they came from; the files that stay are named in one error window.
  void Undo();
  // Writes a word, asked for, into the names of the selected files (the current one when
  // none is selected) that do not hold it as a whole tag yet.
  void AddTagToNames();
  // In the names of the listed files that hold tag as a whole tag: takes it out, or puts a
  // word asked for in its place.
  void RemoveTagFromNames(const std::string& tag);
  void RenameTagInNames(const std::string& tag);
  // The words of the Undo entry: "Undo Delete of 3 files"; empty when nothing is to undo.
  std::string UndoText() const;
  // Holds, in place of what Undo would take back, a step that is not about files: the words
  // of its Undo entry, and what Undo then calls once. Any later command that can be undone
  // takes its place.
  void HoldUndo(std::string words, std::function<void()> undo);
  // Undo would call a step that HoldUndo gave.
  bool HoldsOtherUndo() const { return static_cast<bool>(undo_.other); }

 private:
  // One command's status texts, English, looked up when said: %1 done, %2 and %3 files.
  struct Words {
    const char* cancelledAfter;  // "Copy cancelled after %1 of %2"
    const char* complete;        // "Copy Complete"
    const char* partly;          // "Copied %1 of %2; %3 not copied"
    const char* none;            // "No file to copy"
    const char* cancelled;       // "Copy cancelled"
    const char* undo;            // "Undo Move of %1", or nullptr
  };
  using ToFolder = Status (*)(desktop::Shell&, Batch&, const std::string&, const std::string&);
  // One file a command changed: where it is now and where it was, or where in the trash,
  // marked so that Undo takes back that file alone.
  struct Change {
    platform::Moved moved;
    platform::TrashedAs trashed;
  };
  // What the last command that acted on files changed. A command stopped before it acted
  // (No, Cancel, nothing chosen) leaves the one before it.
  struct UndoStep {
    const char* undo = nullptr;  // the entry's words, as Words::undo
    std::vector<Change> changes;
    std::string words;            // of a step held by HoldUndo
    std::function<void()> other;  // takes it back
  };

  // Adds to step the file Move To or Rename put at now from was, marked.
  static void Record(UndoStep& step, const std::string& now, const std::string& was);
  // The selected entries, or the current entry alone when none is selected; none
  // when there is no current entry either.
  std::vector<std::string> Targets() const;
  // Asks for a folder and applies operation to each target with that folder as
  // destination. Returns the status text. The files done go into step, when given.
  std::string ToPickedFolder(const Words& words, ToFolder operation, UndoStep* step = nullptr);
  // Applies operation to each target in list order until the user cancels; returns
  // the status text: the command's own "... Complete" only when every file is done.
  template <class Target, class Operation>
  static std::string Each(const Words& words, const std::vector<Target>& targets,
                          Operation operation);

  // Renames each of files as edit says, after one question showing what changes, never
  // replacing a file; one Undo takes it all back. Files not renamed are named at the end.
  void EditNames(const std::vector<std::string>& files, const catalogue::NameEdit& edit);

  FileListHost& list_;
  desktop::Shell& shell_;
  UndoStep undo_;
};

// ok() when a typed name can be a file's new name in its folder, or a refusal saying why.
platform::Status CheckNewName(const std::string& name);

}  // namespace velmora::fileops
