#pragma once
// The changes the window's folder buttons make to the folder list, and what it says of
// them, apart from any widget. Each change returns why it failed.

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/browser.h"
#include "catalogue/store.h"

namespace velmora::mainwindow {

// Appends each of paths; with skipListed, not those listed already. Returns the paths
// refused and why, as DescribeRefused words them, or empty.
std::string AppendFolders(catalogue::FolderStore& store, const std::vector<std::string>& paths,
                          bool skipListed);
// The record of key's path and rank, as the file now holds it, removed or given tag.
platform::Status RemoveFolder(catalogue::FolderStore& store, const catalogue::RecordKey& key);
platform::Status AddUserTag(catalogue::FolderStore& store, const catalogue::RecordKey& key,
                            const std::string& tag);
// Why a typed tag cannot be stored, or empty.
std::string UserTagProblem(const std::string& tag);
// The records of storeFile kept aside at start, for a message; empty when there are none.
std::string RefusedRecordsText(const std::string& storeFile,
                               const std::vector<catalogue::RefusedRecord>& refused);

// The folder list's changes, one at a time, each made to the file as it is then: while one
// waits for another program's lock, folders another start gives wait too, and come in
// after it.
class FolderEdits {
 public:
  struct Hooks {
    std::function<void()> meanwhile;                 // while the lock is waited for
    std::function<void()> changed;                   // the list is to be shown as it now is
    std::function<void(std::size_t)> show;           // a record is to be shown
    std::function<void(const std::string&)> report;  // why something failed
  };
  FolderEdits(catalogue::Browser& browser, Hooks hooks)
      : browser_(browser), hooks_(std::move(hooks)) {}

  // Registers each of paths not registered yet, and shows the last; refused (why some
  // given were not) is reported after.
  void Open(const std::vector<std::string>& paths, const std::string& refused = {});
  // Appends each of paths, registered or not; with showLast as Open does.
  void Add(const std::vector<std::string>& paths, bool showLast);
  // The record shown is the one selected; in the file as it is now, it is the record of
  // the same path and rank, if the file still has that many.
  void RemoveShown();
  void AddUserTag(const catalogue::RecordKey& key, const std::string& tag);

 private:
  void Commit(const catalogue::StoreChange& change);

  catalogue::Browser& browser_;
  Hooks hooks_;
  bool committing_ = false;
  std::vector<std::pair<std::vector<std::string>, std::string>> toOpen_;  // came meanwhile
};

}  // namespace velmora::mainwindow
