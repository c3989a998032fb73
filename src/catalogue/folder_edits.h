#pragma once
// The changes the window's folder buttons make to the folder list, and what is said of
// them, apart from any toolkit. Each change returns why it failed. Owner thread only: the
// browser's.

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/browser.h"
#include "catalogue/store.h"

namespace velmora::catalogue {

// Appends each of paths; with skipListed, not those listed already. The others are
// appended all the same when some are refused: a refusal then names them and says why, as
// DescribeRefused words them.
platform::Status AppendFolders(FolderStore& store, const std::vector<std::string>& paths,
                               bool skipListed);
// The record of key's path and rank, as the file now holds it, removed or given tag.
// undo, when given, becomes the change that puts the record back where it stood with its
// user tags. That place is known while the records that stood on either side of it (by path
// and rank) are still there and next to each other, and its path has as many records as the
// removal left (none came back): else it refuses. A side that was the list's start or end is
// not checked, so records added at the end meanwhile keep it known.
platform::Status RemoveFolder(FolderStore& store, const RecordKey& key,
                              StoreChange* undo = nullptr);
platform::Status AddUserTag(FolderStore& store, const RecordKey& key, const std::string& tag);
// The user tag from of key's record renamed to, or removed when to is empty, as
// WithUserTagChanged does. undo, when given, becomes the change that gives the record its line
// back; it refuses once the record's line is not the one this change wrote.
platform::Status ChangeUserTag(FolderStore& store, const RecordKey& key, const std::string& from,
                               const std::string& to, StoreChange* undo = nullptr);
// The records of storeFile kept aside at start, for a message; empty when there are none.
std::string RefusedRecordsText(const std::string& storeFile,
                               const std::vector<RefusedRecord>& refused);

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
    // A change that can be taken back was made: the words of its Undo entry, and what takes
    // it back (while these edits live).
    std::function<void(const std::string&, std::function<void()>)> undoable;
  };
  FolderEdits(Browser& browser, Hooks hooks) : browser_(browser), hooks_(std::move(hooks)) {}

  // Registers each of paths not registered yet, and shows the last; refused (why some
  // given were not) is reported after.
  void Open(const std::vector<std::string>& paths, const std::string& refused = {});
  // Appends each of paths, registered or not; with showLast as Open does.
  void Add(const std::vector<std::string>& paths, bool showLast);
  // The record shown is the one selected; in the file as it is now, it is the record of
  // the same path and rank, if the file still has that many.
  void RemoveShown();
  // The record shown, when there is one: what a command asks about first, as it stands now.
  std::optional<RecordKey> Shown() const;
  // A tag typed for the record of key: reported when it cannot be stored; else it goes
  // into the bar at once, lower-cased, and at the end of the record's user tags as typed,
  // unless the record has it already.
  void AddUserTag(const RecordKey& key, const std::string& tag);
  // The user tag from of key's record renamed to as typed, or removed when to is empty; a
  // name that cannot be stored as one tag is reported. The bar and panel follow when the
  // record is shown.
  void ChangeUserTag(const RecordKey& key, const std::string& from, const std::string& to);

 private:
  // True when the change was saved; a failure is reported.
  bool Commit(const StoreChange& change);
  // The record of key shown: its user tags changed (see Browser::UserTagChanged).
  void TagsChanged(const RecordKey& key, const std::string& from, const std::string& to);

  Browser& browser_;
  Hooks hooks_;
  bool committing_ = false;
  std::vector<std::pair<std::vector<std::string>, std::string>> toOpen_;  // came meanwhile
};

}  // namespace velmora::catalogue
