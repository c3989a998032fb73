#pragma once
// What the window shows, without the window: the registered folders, the folder shown
// (read in the background and kept current while shown), its chips, the filter and
// the files the filter keeps. Listeners are told of every change, on the owner's thread.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "catalogue/background_job.h"
#include "catalogue/fact_reader.h"
#include "catalogue/file_rows.h"
#include "catalogue/filter_bar.h"
#include "catalogue/folder_feed.h"
#include "catalogue/inbox.h"
#include "catalogue/kept_listing.h"
#include "catalogue/row_order.h"
#include "catalogue/store.h"
#include "catalogue/tag_counter.h"
#include "platform/folder_watch.h"
#include "platform/owner_thread.h"
#include "platform/status.h"

namespace velmora::catalogue {

// The session, on its owner's thread (the thread that made it; every entry checks in
// builds with checks): the store, the folder shown, the bar, the mode, the order and the
// load's progress. The background work (a folder feed per folder shown, the tag counter,
// the fact reader, the kept listing's jobs) reaches it only through the inbox, which Poll
// empties, each kind of delivery to a handler of its own. Re-entrancy: a listener may run the
// window's event loop (a dialog, a wait for the lock), and that may call Poll again; a nested Poll
// applies nothing and only asks to be called again, so deliveries are applied one at a time, in
// order.
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
  platform::Status OpenStore() { return LoadFolders(store_, storeFile_); }
  const FolderStore& Store() const { return store_; }
  // Applies change to the file as it is now (other processes may have changed it) and
  // keeps the result when it could be read. The record shown is followed through the
  // change; once it is gone it stops showing. Refused while another commit waits.
  platform::Status Commit(const StoreChange& change, const platform::LockWait& wait = {});

  // The record shown, or Store().size() (also while all are shown).
  std::size_t ShownRecord() const { return shown_ ? store_.Find(*shown_) : store_.size(); }
  std::optional<std::string> ShownPath() const {
    return shown_ ? std::optional(shown_->path) : std::nullopt;
  }
  // Shows record afresh: the bar empties and the folder is read in the background. What
  // its last load listed shows meanwhile when it was kept; the load's result then takes
  // its place without moving the rows that stay (see ListingCache). A record past the end
  // shows none.
  void Show(std::size_t record);
  // Shows record (or with preset.all every folder) as Show does, with the bar, mode, whole
  // tags, find text, digits and folder words of preset set before the load and kept through
  // it, whether its tags occur or not.
  void ShowWith(std::size_t record, const BarPreset& preset);
  // Shows the files of every registered folder together, each file once, with the user
  // tags of every record; a change of the registered folders reads them again. Without a
  // kept listing. Show ends it.
  void ShowAll();
  bool ShowsAll() const { return all_; }
  // Reads the shown folder again after a command: the bar empties, unless KeepFilter is
  // on, when it keeps its tags that still occur in the folder.
  void Rescan();
  bool KeepFilter() const { return keepFilter_; }
  void SetKeepFilter(bool on) { keepFilter_ = on; }
  // The least time between checks of folders whose changes by other computers are not
  // told; from the next load on.
  void SetRecheckLeast(std::chrono::milliseconds least) { recheckLeast_ = least; }
  // Stops a running load; what was listed stays, and the progress says whether it was
  // checked. False when none was running.
  bool Stop();
  void SetAutoTags(bool on);
  // Digits belong to the words of names (mp3), rather than end them (mp, the default):
  // for the tags, their counts and whole tags; the folder shown is read again.
  bool KeepDigits() const { return digits_ == Digits::Keep; }
  void SetKeepDigits(bool on);
  // The words of each file's folder below the folder shown are tags of the file too (off:
  // its name's only, the default); the folder shown is read again.
  bool FolderWords() const { return folderWords_; }
  void SetFolderWords(bool on);

  const std::vector<BarTag>& Bar() const { return bar_.Tags(); }
  // Each tells the view which tag came or went; a text in the bar already adds nothing.
  void AddBarTag(const std::string& text, TagKind kind, bool excluded = false);
  void RemoveBarTag(const std::string& text);
  // The user tag from of the record shown is now named to (gone, when to is empty): a bar
  // tag of it keeps its place under the new name (lower-cased, when it was) or leaves, and
  // the panel and the bar show afresh. With from empty, only the panel and the bar.
  void UserTagChanged(const std::string& from, const std::string& to);
  void SetMode(MatchMode mode);
  MatchMode Mode() const { return bar_.Mode(); }
  // Tags hit only whole words of names (off: anywhere in them, the default).
  bool WholeTags() const { return bar_.Whole(); }
  void SetWholeTags(bool on);
  // Text the files' names must hold too, whatever the bar; empty for none. It goes with
  // the bar's tags when a load empties the bar.
  const std::string& FindText() const { return bar_.Find(); }
  void SetFindText(const std::string& text);
  // The chips of the folder not in the bar: its auto tags (when shown) in the chip order,
  // then its user tags.
  std::vector<std::string> PanelChips() const;
  // How many files a panel chip's tag hits by the filter's rule, of the folder and of the
  // files listed: counted in the background after a load and each change of the filter;
  // none meanwhile, nor after files changed until the next such change.
  std::optional<TagHits> Hits(const std::string& tag) const { return counter_.Hits(tag); }
  bool Counted() const { return counter_.Counted(); }
  ChipOrder Order() const { return order_; }
  void SetOrder(ChipOrder order);

  // The rows of the file list; listener hears of their changes.
  void SetRowListener(RowListener* listener) {
    rowListener_ = listener;
    rows_.SetListener(listener);
  }
  std::size_t RowCount() const { return rows_.RowCount(); }
  std::size_t FileAtRow(std::size_t row) const { return rows_.FileAtRow(row); }
  std::vector<std::size_t> RowFiles() const { return rows_.RowFiles(); }
  const PathList& Files() const { return rows_.Files(); }
  const FilterIndex& Index() const { return rows_.Index(); }
  // The folder's files, less those gone since the load.
  std::size_t FileCount() const { return rows_.FileCount(); }
  const LoadProgress& Progress() const { return progress_; }
  // Sizes and times of the files, by number, read in the background from now on: once a
  // load ends, and for files that come later. Unknown until read; the row listener hears
  // when some come in.
  void WantFacts();
  std::span<const platform::FileFacts> Facts() const { return facts_.Facts(); }
  // The rows in a sort's order, kept by the file list's model; its sorts in the background
  // come to the row listener.
  RowOrder& SortedRows() { return sorted_; }
  // Where the row listener's own background work posts.
  const std::shared_ptr<Inbox>& SharedInbox() const { return inbox_; }
  const RowOrder& SortedRows() const { return sorted_; }

  // Takes in what the background work found; call on the owner's thread after wake.
  // Returns after about 10 ms with work left, and calls wake again.
  void Poll();

 private:
  // cached: the folder's kept listing shows while it is read.
  void Start(bool keepFilter, bool cached = false);
  // Lets go of the files listed, and of the bar unless keepFilter.
  void Clear(bool keepFilter);
  // Lets go of the shown folder's background work, and forgets what it posted.
  void Retire();
  // Reads and follows the shown folder; watchEarly as for FolderFeed.
  void Follow(bool watchEarly);
  void Apply(Inbox::Posted& posted);
  // One handler for each kind of delivery.
  void On(handover::Files& files);
  void On(handover::Gone& gone);
  void On(handover::End& end);
  void On(handover::WatchOff& off);
  void On(handover::Following& following);
  // The shown folder is read again, watching as it reads, while the rows stay: the load
  // then takes their place as it does a kept listing's.
  void On(handover::Reread& reread);
  void On(handover::Counts& counts);
  void On(handover::Vanished& vanished);  // a shown folder itself went
  void On(handover::Facts& facts);
  void On(handover::Cached& kept);
  void On(handover::Checked& checked);
  void On(handover::Sorted& sorted);
  void On(handover::Kinds& kinds);
  void Append(handover::Files&& files);
  // Lists what the load found while a kept listing was asked for.
  void ListAside();
  void Finish(std::size_t unreadable);
  void Refilter();
  // Reads the facts of files listed since the last read, unless one runs or a load does.
  void ReadFacts();
  // Stops the count running; starts another unless start is false.
  void Recount(bool start = true);

  const platform::OwnerThread owner_;
  const std::string storeFile_;
  BrowserView& view_;
  const WatcherFactory watchers_;
  std::chrono::milliseconds recheckLeast_{5000};
  // Shared with the threads that post to it.
  const std::shared_ptr<Inbox> inbox_;

  // Owner thread only.
  FolderStore store_;
  std::optional<RecordKey> shown_;
  bool all_ = false;  // every record is shown, shown_ none
  bool Showing() const { return shown_ || all_; }
  // The folders read while Showing().
  std::vector<std::string> Roots() const {
    return all_ ? store_.Paths() : std::vector{shown_->path};
  }
  bool committing_ = false;
  std::string userTagLine_;
  bool autoTags_ = true;
  Digits digits_ = Digits::Split;
  bool folderWords_ = false;
  bool keepFilter_ = false;
  FilterBar bar_;
  ChipOrder order_ = ChipOrder::FirstSeen;
  FileRows rows_;
  // What the counts count: the rows' auto tags (those in the bar, or gone since, cost
  // little and are never asked for), then the user tags, made again only when a tag comes
  // or a user tag changes, for with numbers kept a folder has half a million tags.
  struct CountedTags {
    std::shared_ptr<const std::vector<std::string>> tags;
    std::optional<std::uint64_t> version;  // of the auto tags, when counted
    std::vector<std::string> user;
  } toCount_;
  std::shared_ptr<const std::vector<std::string>> TagsToCount();
  LoadProgress progress_;
  std::uint64_t loads_ = 0;
  Deliveries deliveries_;
  bool polling_ = false;  // Poll is applying: a nested Poll takes nothing
  RowListener* rowListener_ = nullptr;

  // The background work, each job owned by one object; those that touch the file system
  // are let go, not waited for, when it goes.
  std::unique_ptr<FolderFeed> feed_;
  TagCounter counter_;
  FactReader facts_;
  KeptListing kept_;
  RowOrder sorted_;
  // Gives the memory of a listing let go back to the system, which the allocator keeps
  // otherwise; off the owner's thread, as that takes a while on a large heap.
  // (velmora-trim: let go by the next call or the browser's end.)
  BackgroundJob trimmer_;
  void GiveBack();
};

}  // namespace velmora::catalogue
