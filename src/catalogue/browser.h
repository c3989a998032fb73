#pragma once
// What the window shows, without the window: the registered folders, the folder shown
// (read in the background and kept current while shown), its chips, the filter and
// the files the filter keeps. A view is told of every change, on the owner's thread.

#include <atomic>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <stop_token>
#include <thread>
#include <string>
#include <unordered_map>
#include <variant>
#include <vector>

#include "catalogue/filter.h"
#include "catalogue/path_list.h"
#include "catalogue/store.h"
#include "catalogue/tags.h"
#include "platform/dir_enum.h"
#include "platform/folder_watch.h"
#include "platform/status.h"

namespace velmora::catalogue {

struct BarTag {
  std::string text;
  std::string kind;  // "auto" or "user", handed back when the tag leaves the bar
  bool excluded = false;  // files whose names hold it are left out
  friend bool operator==(const BarTag&, const BarTag&) = default;
};

// The order of the panel's auto tags: as first seen (the design's), by name, or by how
// many files have them, most first. User tags follow them as they are.
enum class ChipOrder { FirstSeen, Name, Count };

// Rows of the file list about to change, and changed: inserted or removed rows first
// to last, or every row replaced.
struct RowChange {
  enum class Kind { Reset, Insert, Remove };
  Kind kind;
  std::size_t first = 0;
  std::size_t last = 0;
};

struct LoadProgress {
  bool loading = false;
  bool stopped = false;        // the load was stopped before its end
  std::size_t files = 0;       // listed so far
  std::size_t unreadable = 0;  // folders that could not be read, once the load ended
  bool liveOff = false;        // the watch limit was reached: no live changes
  bool following = false;      // every folder read is watched: changes show as they come
  bool gone = false;           // the folder itself was removed or renamed: nothing is listed
  std::uint64_t load = 0;      // new for each load asked for; the folder's own rereads keep it
};

class BrowserView {
 public:
  virtual ~BrowserView() = default;
  virtual void RowsChanging(const RowChange& change) = 0;
  virtual void RowsChanged(const RowChange& change) = 0;
  // Chips to add at the end of the tag panel.
  virtual void ChipsAdded(const std::vector<std::string>& chips) = 0;
  // The panel's chips are PanelChips() now, the bar's Bar(): show them afresh.
  virtual void ChipsReset() = 0;
  virtual void ProgressChanged(const LoadProgress& progress) = 0;
};

// What the background work hands over, in order.
namespace handover {
struct Files {  // files found, with their names lower-cased and their tags counted
  PathList files;
  FilterIndex index;
  TagCounts tags;
  bool live = false;  // made after the folder was read
};
struct Gone {  // entries removed: files, or folders with everything under them
  std::vector<std::string> paths;
  bool folders = false;  // some of them were folders
};
struct End {
  std::size_t unreadable = 0;
  bool completed = true;
};
struct WatchOff {};
struct Vanished {};   // the shown folder itself was removed or renamed
struct Following {};  // every folder read is watched
struct Reread {};     // changes were lost
struct Counts {       // what the panel's tags hit
  std::uint64_t counting = 0;
  std::vector<std::string> tags;
  std::vector<TagHits> hits;
};
using Delivery = std::variant<Files, Gone, End, WatchOff, Following, Reread, Counts, Vanished>;
}  // namespace handover

class Browser {
 public:
  using WatcherFactory = std::function<std::unique_ptr<platform::FolderWatcher>()>;

  // wake is called from any thread when work waits for Poll; it must only arrange for
  // Poll to be called soon on the owner's thread.
  Browser(std::string storeFile, BrowserView& view, std::function<void()> wake,
          WatcherFactory watchers = platform::MakeFolderWatcher);
  ~Browser();
  Browser(const Browser&) = delete;
  Browser& operator=(const Browser&) = delete;

  // The registered folders. The store is read once; every change is made by Commit.
  platform::Status OpenStore();
  const FolderStore& Store() const { return store_; }
  // Applies change to the file as it is now (other processes may have changed it) and
  // keeps the result when it could be read. The record shown is followed through the
  // change; once it is gone it stops showing. Refused while another commit waits.
  platform::Status Commit(const StoreChange& change, const platform::LockWait& wait = {});

  // The record shown, or Store().size().
  std::size_t ShownRecord() const;
  std::optional<std::string> ShownPath() const;
  // Shows record afresh: the bar empties and the folder is read in the background.
  void Show(std::size_t record);
  // Reads the shown folder again after a command: the bar empties, unless KeepFilter is
  // on, when it keeps its tags that still occur in the folder.
  void Rescan();
  bool KeepFilter() const { return keepFilter_; }
  void SetKeepFilter(bool on) { keepFilter_ = on; }
  // Stops a running load; what was listed stays. False when none was running.
  bool Stop();
  bool AutoTags() const { return autoTags_; }
  void SetAutoTags(bool on);

  const std::vector<BarTag>& Bar() const { return bar_; }
  MatchMode Mode() const { return mode_; }
  void AddBarTag(const std::string& text, const std::string& kind, bool excluded = false);
  void RemoveBarTag(const std::string& text);
  void SetMode(MatchMode mode);
  // The chips of the folder not in the bar: its auto tags (when shown) in the chip order,
  // then its user tags.
  std::vector<std::string> PanelChips() const;
  // How many files a panel chip's tag hits by the filter's rule, of the folder and of the
  // files listed: counted in the background after a load and each change of the filter;
  // none meanwhile, nor after files changed until the next such change.
  std::optional<TagHits> Hits(const std::string& tag) const;
  bool Counted() const { return counted_; }
  ChipOrder Order() const { return order_; }
  void SetOrder(ChipOrder order);

  std::size_t RowCount() const { return rows_ ? rows_->size() : files_.size(); }
  std::size_t FileAtRow(std::size_t row) const { return rows_ ? (*rows_)[row] : row; }
  const PathList& Files() const { return files_; }
  // The folder's files, less those gone since the load.
  std::size_t FileCount() const { return files_.size() - goneCount_; }
  const LoadProgress& Progress() const { return progress_; }

  // Takes in what the background work found; call on the owner's thread after wake.
  // Returns after about 10 ms with work left, and calls wake again.
  void Poll();

 private:
  using Delivery = handover::Delivery;
  struct Job;
  void Start(bool keepFilter, bool watchEarly);
  // Lets go of the files listed, and of the bar unless keepFilter; the folder's own
  // rereads keep the load's number (sameLoad).
  void Clear(bool keepFilter, bool sameLoad = false);
  // The shown folder is no longer there: nothing is listed or watched.
  void Vanish();
  void Retire();
  // Lets go of retired jobs whose threads have ended.
  void Prune();
  void Deliver(std::uint64_t generation, Delivery delivery);
  void Load(std::stop_token stop, std::uint64_t generation, std::string path, Job& job);
  void WatchLoop(std::stop_token stop, std::uint64_t generation, std::string root, Job& job);
  void Apply(Delivery& delivery);
  void Append(PathList& files, FilterIndex& index, const TagCounts& tags);
  // Leaves out of files made later those listed already (a file renamed over another is
  // made where one is listed); false when none is left.
  bool DropListed(handover::Files& files);
  void Remove(const std::vector<std::string>& paths, bool folders);
  std::vector<std::uint32_t> FoldersNamed(std::string_view text);
  void Finish(std::size_t unreadable);
  void Refilter();
  // Stops the count running; starts another unless start is false.
  void Recount(bool start = true);
  std::vector<std::string> BarTexts(bool excluded) const;
  std::vector<std::size_t> Kept(const FilterIndex& index) const;
  bool InBar(const std::string& text) const;
  // The folder's user tags not in the bar, in either case.
  std::vector<std::string> UserChips() const;

  std::string storeFile_;
  BrowserView& view_;
  std::function<void()> wake_;
  WatcherFactory watchers_;
  FolderStore store_;

  std::optional<RecordKey> shown_;
  bool committing_ = false;
  std::string userTagLine_;
  bool autoTags_ = true;
  bool keepFilter_ = false;
  std::vector<BarTag> bar_;
  MatchMode mode_ = MatchMode::All;
  ChipOrder order_ = ChipOrder::FirstSeen;

  PathList files_;
  FilterIndex index_;
  TagCounts tags_;
  std::unordered_multimap<std::size_t, std::uint32_t> folderHashes_;  // made on the first removal
  std::size_t hashed_ = 0;
  std::vector<unsigned char> gone_;               // per file, once any has gone
  std::size_t goneCount_ = 0;
  std::optional<std::vector<std::size_t>> rows_;  // none: every file
  LoadProgress progress_;

  std::mutex inboxMutex_;
  std::deque<std::pair<std::uint64_t, Delivery>> inbox_;
  std::deque<Delivery> pending_;  // taken from the inbox, not yet applied
  std::vector<Delivery> held_;    // live changes that came while loading
  std::uint64_t generation_ = 0;  // deliveries of an older one are dropped
  std::unique_ptr<Job> job_;
  std::vector<std::unique_ptr<Job>> retired_;
  bool polling_ = false;
  std::unordered_map<std::string, TagHits> hits_;
  std::uint64_t counting_ = 0;  // counts of an older one are dropped
  bool counted_ = false;
  // Counts run one at a time; one stopped is let go once it has ended, never waited for
  // (it runs at a lower priority, and the window would wait on it).
  struct Counter {
    std::jthread thread;
    std::shared_ptr<std::atomic<bool>> ended;
  };
  std::vector<Counter> counters_;  // last: they end before what they deliver to goes
};

}  // namespace velmora::catalogue
