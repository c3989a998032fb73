#pragma once
// The one place where the session's threads meet. The threads of the folder feed, the
// tag counter, the fact reader, the file list's kind reader and the listing cache post what they
// found here; the owner's thread takes it. Nothing else of the session is touched by two threads.

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "catalogue/filter.h"
#include "catalogue/scan.h"
#include "platform/file_facts.h"
#include "platform/mutex.h"

namespace velmora::catalogue {

// What the background work hands over, in order.
namespace handover {
struct Files : ListedFiles {  // files found, with their names lower-cased and tags counted
  bool live = false;          // made after the folder was read
};
struct Gone {  // entries removed: files, or folders with everything under them
  std::vector<std::string> paths;
  bool folders = false;  // some of them were folders
};
struct End {
  std::size_t unreadable = 0;
};
struct WatchOff {};
struct Vanished {      // a shown folder itself was removed or renamed
  std::string folder;  // ending with a separator
};
struct Following {  // every folder read is watched
  // Seconds between checks of the folders whose changes by other computers are not told;
  // 0 when there are none.
  std::uint32_t recheck = 0;
};
struct Reread {};  // changes were lost
struct Counts {    // what the panel's tags hit
  // Read by both threads, written by none.
  std::shared_ptr<const std::vector<std::string>> tags;
  std::vector<TagHits> hits;
};
struct Facts {  // sizes and times of files numbered from first, or as numbers says
  std::size_t first = 0;
  std::vector<std::size_t> numbers;
  std::vector<platform::FileFacts> facts;
  bool last = false;  // the read asked for is done
};
struct Cached : ListedFiles {  // files of the folder's last load, kept in a file
  bool found = true;           // false: none were kept, or the file was refused
};
struct Checked {  // the load that replaces the kept listing shown
  inline static constexpr std::size_t kGone = SIZE_MAX;
  bool same = true;    // it found the files listed, in their order: nothing to replace
  ListedFiles loaded;  // else all it found, in its order
  std::vector<std::size_t> numbers;  // and each listed file's number in loaded, or kGone
  std::size_t unreadable = 0;
};
struct Sorted {  // the files of the rows known, in a sort's order
  std::vector<std::size_t> order;
};
struct Kinds {  // files' kinds, told by their content where their names say nothing
  std::vector<std::size_t> files;
  std::vector<std::string> types;  // the shared MIME database's names; empty: not known
  bool last = false;               // the files asked for are done
};
using Delivery = std::variant<Files, Gone, End, WatchOff, Following, Reread, Counts, Vanished,
                              Facts, Cached, Checked, Sorted, Kinds>;
}  // namespace handover

// Each run of background work posts under a stamp of its own, open from its start until
// its owner lets it go: what a run let go of posts, or posted and was not yet applied, is
// dropped, so that no word of stale work reaches the session.
using Stamp = std::uint64_t;

class Inbox {
 public:
  // wake is called from the posting thread when the inbox was empty; it must only
  // arrange for the owner to Take soon.
  explicit Inbox(std::function<void()> wake) : wake_(std::move(wake)) {}

  // The owner's thread: a stamp for a new run, open until Drop.
  Stamp Open() EXCLUDES(mutex_);
  // The owner's thread: what stamp's run posted and will post is dropped.
  void Drop(Stamp stamp) EXCLUDES(mutex_);
  // The owner's thread: whether what stamp's run posted still counts.
  bool Live(Stamp stamp) EXCLUDES(mutex_);

  // Any thread.
  void Post(Stamp stamp, handover::Delivery delivery) EXCLUDES(mutex_);
  struct Posted {
    Stamp stamp = 0;
    handover::Delivery delivery;
  };
  // The owner's thread: what open runs posted since, in order.
  std::deque<Posted> Take() EXCLUDES(mutex_);
  bool Empty() EXCLUDES(mutex_);
  // Asks the owner to Take again, as a Post does.
  void Wake() const { wake_(); }
  // The owner goes: what is posted from now on is dropped, and wakes nobody. Threads let
  // go of may still post.
  void Close() EXCLUDES(mutex_);

 private:
  const std::function<void()> wake_;
  platform::Mutex mutex_;
  std::deque<Posted> posted_ GUARDED_BY(mutex_);
  std::vector<Stamp> open_ GUARDED_BY(mutex_);  // a few: one per job running
  Stamp last_ GUARDED_BY(mutex_) = 0;
  bool closed_ GUARDED_BY(mutex_) = false;
};

// The owner's side: what was taken from the inbox and not applied yet, in order, and the
// live changes held while a load runs, which come first once it ends. Owner: one thread.
class Deliveries {
 public:
  // Takes what was posted. A burst by other programs comes a few files at a time: files
  // made that follow files made by the same run are joined, to be checked once.
  void TakeFrom(Inbox& inbox);
  bool Empty() const { return pending_.empty(); }
  std::optional<Inbox::Posted> Next();
  // Whether posted waits for the load's end: live changes do, so that the load's rows
  // come first.
  static bool WaitsForLoad(const Inbox::Posted& posted);
  // Holds posted until Unhold; one reread at most, or a folder always busy would never
  // be listed.
  void Hold(Inbox::Posted&& posted);
  // What was held comes next.
  void Unhold();
  void DropHeld() { held_.clear(); }

 private:
  std::deque<Inbox::Posted> pending_;
  std::vector<Inbox::Posted> held_;
};

// What one run's threads post through: the inbox, under the run's stamp.
class Poster {
 public:
  Poster(std::shared_ptr<Inbox> inbox, Stamp stamp) : inbox_(std::move(inbox)), stamp_(stamp) {}
  void operator()(handover::Delivery delivery) const { inbox_->Post(stamp_, std::move(delivery)); }

 private:
  std::shared_ptr<Inbox> inbox_;
  Stamp stamp_;
};

}  // namespace velmora::catalogue
