#pragma once
// The commands of the file list: Open, Open With, Copy To, Move To, Rename, Delete, Undo, Select
// All. They act on the list through FileListHost and on files through the shell.

#include <optional>
#include <string>
#include <vector>

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
  // The words of the Undo entry: "Undo Delete of 3 files"; empty when nothing is to undo.
  std::string UndoText() const;

 private:
  // The words of one command's status texts: "Copy", "Copied", "copied", "copy".
  struct Words {
    const char* noun;
    const char* past;
    const char* pastLower;
    const char* verb;
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
    const char* noun = "";
    std::vector<Change> changes;
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

  FileListHost& list_;
  desktop::Shell& shell_;
  UndoStep undo_;
};

// ok() when a typed name can be a file's new name in its folder, or a refusal saying why.
platform::Status CheckNewName(const std::string& name);

}  // namespace velmora::fileops
