#include "catalogue/browser.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>

#include "catalogue/user_tags.h"
#include "platform/memory.h"
#include "platform/words.h"

namespace velmora::catalogue {

using namespace std::chrono_literals;

Browser::Browser(std::string storeFile, BrowserView& view, std::function<void()> wake,
                 WatcherFactory watchers)
    : storeFile_(std::move(storeFile)),
      view_(view),
      watchers_(std::move(watchers)),
      inbox_(std::make_shared<Inbox>(std::move(wake))),
      counter_(inbox_),
      facts_(inbox_),
      kept_(inbox_),
      sorted_(inbox_),
      trimmer_("velmora-trim", inbox_) {}

Browser::~Browser() { inbox_->Close(); }  // threads let go of post on to no one

platform::Status Browser::Commit(const StoreChange& change, const platform::LockWait& wait) {
  owner_.Check();
  // Waiting for the lock lets the window answer events; one of them must not commit too.
  if (committing_)
    return platform::Status::Refusal(
        platform::Tr("velmora", "The folder list is being saved; try again in a moment."));
  committing_ = true;
  const bool shown = shown_.has_value();
  const std::vector<std::string> paths = store_.Paths();
  const platform::Status status = UpdateFollowing(storeFile_, change, store_, shown_, wait);
  committing_ = false;
  if (shown_) userTagLine_ = store_.UserTags(store_.Find(*shown_));
  if (all_) userTagLine_ = AllUserTags(store_);
  if ((shown && !shown_) || (all_ && paths != store_.Paths())) Start(false);
  return status;
}

void Browser::Show(std::size_t record) {
  owner_.Check();
  shown_ = record < store_.size() ? std::optional(store_.KeyOf(record)) : std::nullopt;
  all_ = false;
  Start(false, true);
}

void Browser::ShowWith(std::size_t record, const BarPreset& preset) {
  owner_.Check();
  digits_ = preset.digits, folderWords_ = preset.folderWords;
  bar_.Preset(preset);
  if (bar_.Terms()) facts_.Want();
  all_ = preset.all;
  shown_ = record < store_.size() && !all_ ? std::optional(store_.KeyOf(record)) : std::nullopt;
  Start(true, !all_);
}

void Browser::ShowAll() {
  owner_.Check();
  shown_.reset();
  all_ = true;
  Start(false);
}

void Browser::Rescan() {
  owner_.Check();
  Start(keepFilter_);
}

void Browser::SetAutoTags(bool on) {
  owner_.Check();
  autoTags_ = on;
  Rescan();
}

void Browser::SetKeepDigits(bool on) {
  owner_.Check();
  const Digits digits = on ? Digits::Keep : Digits::Split;
  if (std::exchange(digits_, digits) == digits) return;
  bar_.SetDigits(digits);
  if (Showing()) Rescan();  // the tags are cut anew
}

void Browser::SetFolderWords(bool on) {
  owner_.Check();
  if (std::exchange(folderWords_, on) != on && Showing()) Rescan();
}

bool Browser::Stop() {
  owner_.Check();
  if (!progress_.loading) return false;
  progress_.unchecked = kept_.Shown();
  ListAside();  // what the load found stays listed
  Retire();
  progress_.loading = progress_.checking = false;
  progress_.stopped = true;
  view_.ChipsReset();
  view_.ProgressChanged(progress_);
  return true;
}

void Browser::Retire() {
  feed_.reset();
  deliveries_.DropHeld();
  facts_.Stop();
  kept_.Release();
}

void Browser::Follow(bool watchEarly) {
  std::vector<std::string> roots = Roots();
  TagRule rule = TagRuleFor(roots, digits_, folderWords_);
  feed_ = std::make_unique<FolderFeed>(
      FolderFeed::Setup{std::move(roots), watchEarly, recheckLeast_, std::move(rule)}, inbox_,
      watchers_ ? watchers_() : nullptr);
}

void Browser::Clear(bool keepFilter) {
  Retire();
  bar_.Clear(keepFilter && Showing());
  const TagRule rule = Showing() ? TagRuleFor(Roots(), digits_, folderWords_) : digits_;
  rows_.SetRule(rule), kept_.SetRule(rule);
  rows_.Clear(!bar_.Filter().KeepsAll());
  toCount_ = {};
  facts_.Clear();
  progress_ = {.load = ++loads_};
  GiveBack();
}

void Browser::GiveBack() {
  // A moment later, once the threads that shared the listing (a count, a read, a write)
  // have let go of it too; a later call starts the wait again.
  trimmer_.Start([](std::stop_token stop, const Poster&) {
    std::mutex mutex;
    std::condition_variable_any never;
    std::unique_lock lock(mutex);
    if (!never.wait_for(lock, stop, 1s, [] { return false; }) && !stop.stop_requested())
      platform::GiveBackFreedMemory();
  });
}

void Browser::Start(bool keepFilter, bool cached) {
  Clear(keepFilter);
  progress_.loading = Showing();
  Recount();
  const std::size_t record = ShownRecord();  // none: no user tags
  userTagLine_ = record < store_.size() ? store_.UserTags(record)
                 : all_                 ? AllUserTags(store_)
                                        : std::string();
  view_.ChipsReset();
  if (Showing()) {
    if (cached && shown_) kept_.Ask(shown_->path);
    Follow(false);
  }
  view_.ProgressChanged(progress_);
}

void Browser::On(handover::Vanished& vanished) {  // nothing is listed or watched
  if (all_) {                                     // the others stay listed and watched
    handover::Gone gone{{vanished.folder.substr(0, vanished.folder.size() - 1)}, true};
    return On(gone);
  }
  Clear(false);
  progress_.gone = true;
  Recount(false);
  view_.ChipsReset();
  view_.ProgressChanged(progress_);
}

void Browser::On(handover::Reread&) {  // changes were lost: the rows stay while it reads
  Retire();
  kept_.Hold();
  progress_ = {.loading = true,
               .checking = true,
               .files = rows_.FileCount(),
               .load = progress_.load,
               .recheck = progress_.recheck};  // still true while it reads
  Recount(false);
  view_.ChipsReset();  // the user tags come back with the load's end, as after any load
  Follow(true);
  view_.ProgressChanged(progress_);
}

void Browser::Poll() {
  owner_.Check();
  if (!polling_) {
    polling_ = true;
    deliveries_.TakeFrom(*inbox_);
    // Bounded, so that the window paints and answers between pieces.
    const auto until = std::chrono::steady_clock::now() + 8ms;
    std::optional<Inbox::Posted> next;
    while (std::chrono::steady_clock::now() < until && (next = deliveries_.Next())) Apply(*next);
    polling_ = false;
  }
  if (!deliveries_.Empty() || !inbox_->Empty()) inbox_->Wake();
}

void Browser::Apply(Inbox::Posted& posted) {
  if (!inbox_->Live(posted.stamp)) return;  // its work was let go since
  if (progress_.loading && Deliveries::WaitsForLoad(posted))
    return deliveries_.Hold(std::move(posted));
  std::visit([this](auto& delivery) { On(delivery); }, posted.delivery);
}

void Browser::On(handover::Files& files) {
  if (!files.live && kept_.SetAside(files, rows_.Files())) return;
  if (files.live) {
    if (rows_.DropListed(files, facts_.Again())) {
      Append(std::move(files));
      Recount(false);
    }
    return ReadFacts();
  }
  Append(std::move(files));
  progress_.files = rows_.Files().size();
  view_.ProgressChanged(progress_);
}

void Browser::On(handover::Gone& gone) {
  std::vector<std::string> emptied;
  rows_.Remove(gone.paths, gone.folders, emptied);
  if (autoTags_ && !emptied.empty()) view_.ChipsReset();
  Recount(false);
}

void Browser::On(handover::End& end) {
  if (!kept_.Shown()) ListAside();
  if (!kept_.Compare(rows_.Files(), end.unreadable)) Finish(end.unreadable);
}

void Browser::On(handover::WatchOff&) {
  if (feed_) feed_->StopWatching();
  progress_.liveOff = true;
  view_.ProgressChanged(progress_);
}

void Browser::On(handover::Following& following) {
  progress_.following = true;
  progress_.recheck = following.recheck;
  view_.ProgressChanged(progress_);
}

void Browser::On(handover::Counts& counts) { counter_.Take(counts); }

void Browser::On(handover::Facts& facts) {
  const bool complete = facts_.Take(facts, rows_.Files().size());
  if (bar_.Terms()) Refilter();  // the files whose facts came in and fit
  if (rowListener_) rowListener_->FactsChanged(complete);
  if (facts.last) ReadFacts();
}

void Browser::On(handover::Cached& kept) {
  const KeptListing::Piece piece = kept_.Take(kept);
  if (piece == KeptListing::Piece::NoneKept) return ListAside();
  if (piece == KeptListing::Piece::Late) return;
  progress_.checking = true;
  Append({std::move(static_cast<ListedFiles&>(kept)), false});
  kept_.Match(rows_.Files());
  progress_.files = rows_.Files().size();
  view_.ProgressChanged(progress_);
}

void Browser::On(handover::Checked& checked) {
  // The rows and the chips as the load found them, in its order; the rows that stay keep
  // their selection.
  progress_.checking = false;
  if (!checked.same) {
    const std::size_t files = checked.loaded.files.size();
    facts_.Renumber(checked.numbers, files);
    rows_.Renumber(std::move(checked.loaded), checked.numbers, bar_.Filter(facts_.Facts()));
    if (autoTags_) view_.ChipsReset();
  } else {
    facts_.Renumber({}, rows_.Files().size());
    checked.loaded = {};  // the same as listed: it goes before the memory is given back
  }
  progress_.files = rows_.FileCount();
  Finish(checked.unreadable);
  GiveBack();
}

void Browser::On(handover::Kinds& kinds) {
  if (rowListener_) rowListener_->KindsRead(kinds);
}

void Browser::On(handover::Sorted& sorted) {
  std::vector<std::size_t> order = sorted_.Take(sorted);
  if (rowListener_) rowListener_->SortEnded(std::move(order));
}

void Browser::Append(handover::Files&& files) {
  std::vector<std::string> fresh;
  rows_.Append(std::move(files), bar_.Filter(facts_.Facts()), fresh);
  if (!autoTags_) return;
  std::erase_if(fresh, [this](const std::string& t) { return bar_.Holds(t); });
  if (fresh.empty()) return;
  // Only the first-seen order holds its chips where they are as more come.
  if (order_ == ChipOrder::FirstSeen) return view_.ChipsAdded(fresh);
  view_.ChipsReset();
}

void Browser::ListAside() {
  std::vector<handover::Files> found = kept_.Release();
  if (found.empty()) return;
  for (handover::Files& files : found) Append(std::move(files));
  progress_.files = rows_.Files().size();
  view_.ProgressChanged(progress_);
}

void Browser::Finish(std::size_t unreadable) {
  progress_.loading = false;
  progress_.unreadable = unreadable;
  // A rescan keeps the bar's tags that the folder still has.
  const std::vector<std::string> pieces = UserTagPieces(userTagLine_);
  const bool refilter = bar_.KeepOnly([&](const std::string& text) {
    return (autoTags_ && rows_.Tags().Holds(text)) ||
           std::any_of(pieces.begin(), pieces.end(),
                       [&](const std::string& p) { return p == text || LowerCase(p) == text; });
  });
  if (refilter) {
    Refilter();  // which counts again
    view_.ChipsReset();
  } else if (std::vector<std::string> user = PanelChipsOf(nullptr, order_, &userTagLine_, bar_);
             !user.empty()) {
    view_.ChipsAdded(user);
  }
  view_.ProgressChanged(progress_);
  if (!refilter) Recount();
  ReadFacts();
  if (shown_) kept_.Write(shown_->path, rows_.Files());
  deliveries_.Unhold();  // what changed meanwhile comes next, within the poll's budget
}

void Browser::WantFacts() {
  owner_.Check();
  facts_.Want();
  ReadFacts();
}

void Browser::ReadFacts() {
  if (!progress_.loading) facts_.ReadMore(rows_.Files());
  const bool waits = bar_.Terms() && facts_.Reading();
  if (std::exchange(progress_.readingFacts, waits) != waits) view_.ProgressChanged(progress_);
}

void Browser::Refilter() {
  counter_.Stop();  // its core is wanted for the filter's second half
  rows_.Refilter(bar_.Filter(facts_.Facts()));
  Recount();
}

void Browser::Recount(bool start) {
  counter_.Stop();
  // Files made or removed by others come in bursts of thousands of pieces: the counts
  // they spoil come again with the next change of the filter or load.
  if (!start || progress_.loading || !Showing()) return;
  const auto* folders = rows_.Folders();
  const FileSet* gone = rows_.GoneFiles();
  counter_.Start({.index = rows_.Index(),
                  .tags = TagsToCount(),
                  .kept = rows_.Kept().value_or(FileSet()),
                  .all = rows_.KeepsAll(),
                  .words = bar_.Whole(),
                  .digits = digits_,
                  .folders = folders ? std::optional(*folders) : std::nullopt,
                  .gone = gone ? std::optional(*gone) : std::nullopt});
}

void Browser::AddBarTag(const std::string& text, TagKind kind, bool excluded) {
  owner_.Check();
  const BarTag tag{text, kind, excluded};
  if (!bar_.Add(tag)) return;
  Refilter();
  view_.BarChanged(tag, true);
}

void Browser::RemoveBarTag(const std::string& text) {
  owner_.Check();
  const std::optional<BarTag> left = bar_.Remove(text);
  Refilter();
  if (left) view_.BarChanged(*left, false);
}

void Browser::UserTagChanged(const std::string& from, const std::string& to) {
  owner_.Check();
  bool changed = false;
  for (const std::string& held : {from, LowerCase(from)}) {
    if (from.empty() || !bar_.Holds(held)) continue;
    const std::string now = held == from ? to : LowerCase(to);
    changed = to.empty() ? bar_.Remove(held).has_value() : bar_.Rename(held, now);
    break;
  }
  changed ? Refilter() : Recount();
  view_.ChipsReset();
}

void Browser::SetMode(MatchMode mode) {
  owner_.Check();
  bar_.SetMode(mode);
  Refilter();
}

void Browser::SetWholeTags(bool on) {
  owner_.Check();
  if (bar_.SetWhole(on)) Refilter();
}

void Browser::SetFindText(const std::string& text) {
  owner_.Check();
  if (!bar_.SetFind(text)) return;
  if (bar_.Terms()) facts_.Want();
  Refilter();
  ReadFacts();
}

void Browser::SetOrder(ChipOrder order) {
  owner_.Check();
  order_ = order;
  if (Showing()) view_.ChipsReset();  // without a folder there are no chips to reorder
}

std::shared_ptr<const std::vector<std::string>> Browser::TagsToCount() {
  const std::optional<std::uint64_t> version =
      autoTags_ ? std::optional(rows_.Tags().Version()) : std::nullopt;
  std::vector<std::string> user = UserTagPieces(userTagLine_);
  if (toCount_.tags && toCount_.version == version && toCount_.user == user) return toCount_.tags;
  auto tags = std::make_shared<std::vector<std::string>>();
  if (autoTags_) {
    const TagCounts& counts = rows_.Tags();
    tags->reserve(counts.Tags().size() + user.size());
    for (std::size_t i = 0; i < counts.Tags().size(); ++i)
      if (counts.Count(i) > 0) tags->push_back(counts.Tags()[i]);
  }
  tags->insert(tags->end(), user.begin(), user.end());
  toCount_ = {std::move(tags), version, std::move(user)};
  return toCount_.tags;
}

std::vector<std::string> Browser::PanelChips() const {
  return PanelChipsOf(autoTags_ ? &rows_.Tags() : nullptr, order_,
                      progress_.loading ? nullptr : &userTagLine_, bar_);
}

}  // namespace velmora::catalogue
