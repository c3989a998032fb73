#include "catalogue/browser.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <numeric>

#include "catalogue/user_tags.h"

namespace velmora::catalogue {

using namespace std::chrono_literals;

namespace {

// Files set aside to be compared with a kept listing need only their paths.
void Unindex(handover::Files& files) { files.tags = {}; }

}  // namespace

Browser::Browser(std::string storeFile, BrowserView& view, std::function<void()> wake,
                 WatcherFactory watchers)
    : storeFile_(std::move(storeFile)),
      view_(view),
      watchers_(std::move(watchers)),
      inbox_(std::make_shared<Inbox>(std::move(wake))),
      counter_(inbox_),
      reader_(inbox_),
      cache_(inbox_) {}

Browser::~Browser() {
  inbox_->Close();  // threads let go of post on to no one
}

platform::Status Browser::OpenStore() { return LoadFolders(store_, storeFile_); }

platform::Status Browser::Commit(const StoreChange& change, const platform::LockWait& wait) {
  // Waiting for the lock lets the window answer events; one of them must not commit too.
  if (committing_)
    return platform::Status::Refusal("The folder list is being saved; try again in a moment.");
  committing_ = true;
  FolderStore now = store_;
  // The shown record is the same-ranked one of its path in the file as read.
  const platform::Status status = UpdateFolders(
      storeFile_,
      [&](FolderStore& fresh) {
        if (shown_) fresh.Follow(fresh.Find(*shown_));
        return change(fresh);
      },
      now, wait);
  committing_ = false;
  store_ = std::move(now);
  if (shown_) {
    const std::size_t i = status.ok() ? store_.Followed() : store_.Find(*shown_);
    if (i == store_.size()) {
      shown_.reset();
      Start(false);
    } else {
      shown_ = store_.KeyOf(i);
      userTagLine_ = store_.UserTags(i);
    }
  }
  return status;
}

std::size_t Browser::ShownRecord() const { return shown_ ? store_.Find(*shown_) : store_.size(); }

std::optional<std::string> Browser::ShownPath() const {
  if (!shown_) return std::nullopt;
  return shown_->path;
}

void Browser::Show(std::size_t record) {
  shown_.reset();
  if (record < store_.size()) shown_ = store_.KeyOf(record);
  Start(false, true);
}

void Browser::Rescan() { Start(keepFilter_); }

void Browser::SetAutoTags(bool on) {
  autoTags_ = on;
  Rescan();
}

bool Browser::Stop() {
  if (!progress_.loading) return false;
  Retire();
  cache_.StopReading();
  if (kept_ == Kept::Asked) ListAside();  // what the load found stays listed
  progress_.unchecked = kept_ == Kept::Shown;
  kept_ = Kept::No;
  aside_.clear();
  ++generation_;
  pending_.clear();
  held_.clear();
  progress_.loading = false;
  progress_.checking = false;
  progress_.stopped = true;
  view_.ChipsReset();
  view_.ProgressChanged(progress_);
  return true;
}

void Browser::Retire() {
  feed_.reset();
  ++generation_;
  pending_.clear();
  held_.clear();
  reader_.Stop();
  readingFacts_ = false;
  cache_.StopReading();
  aside_.clear();
}

void Browser::Follow(bool watchEarly) {
  feed_ = std::make_unique<FolderFeed>(
      FolderFeed::Setup{shown_->path, generation_, watchEarly, recheckLeast_}, inbox_,
      watchers_ ? watchers_() : nullptr);
}

void Browser::Clear(bool keepFilter) {
  Retire();
  if (!keepFilter || !shown_) {
    bar_.clear();
    find_.clear();
  }
  // A load shows every file until a tag is chosen, whatever the mode.
  if (bar_.empty()) loadedAll_ = true;
  rows_.Clear(!Filter().KeepsAll());
  facts_.clear();
  factsAsked_ = 0;
  factsAgain_.clear();
  kept_ = Kept::No;
  progress_ = {.load = generation_};
}

void Browser::Start(bool keepFilter, bool cached) {
  Clear(keepFilter);
  progress_.loading = shown_.has_value();
  Recount();
  userTagLine_.clear();  // no folder shown, no user tags
  if (shown_ && store_.Find(*shown_) < store_.size())
    userTagLine_ = store_.UserTags(store_.Find(*shown_));
  view_.ChipsReset();
  if (shown_) {
    if (cached) {
      kept_ = Kept::Asked;
      cache_.Read(generation_, shown_->path);
    }
    Follow(false);
  }
  view_.ProgressChanged(progress_);
}

void Browser::Vanish() {
  Clear(false);
  progress_.gone = true;
  Recount(false);
  view_.ChipsReset();
  view_.ProgressChanged(progress_);
}

void Browser::Reread() {
  Retire();
  kept_ = Kept::Shown;
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
  if (!polling_) {
    polling_ = true;
    for (handover::Delivery& d : inbox_->Take(generation_)) {
      // A burst by other programs comes a few files at a time: one piece is checked
      // against the listed files once, not once per file.
      auto* made = std::get_if<handover::Files>(&d);
      auto* last = pending_.empty() ? nullptr : std::get_if<handover::Files>(&pending_.back());
      if (made && last && made->live && last->live) {
        last->Append(std::move(*made));
      } else {
        pending_.push_back(std::move(d));
      }
    }
    // Bounded, so that the window paints and answers between pieces.
    const auto until = std::chrono::steady_clock::now() + 8ms;
    while (!pending_.empty() && std::chrono::steady_clock::now() < until) {
      handover::Delivery next = std::move(pending_.front());
      pending_.pop_front();
      Apply(next);
    }
    polling_ = false;
  }
  if (!pending_.empty() || !inbox_->Empty()) inbox_->Wake();
}

void Browser::Apply(handover::Delivery& delivery) {
  if (auto* files = std::get_if<handover::Files>(&delivery)) {
    if (files->live && progress_.loading) return held_.push_back(std::move(delivery));
    if (!files->live && kept_ != Kept::No) {
      aside_.push_back(std::move(*files));
      if (kept_ == Kept::Shown) Unindex(aside_.back());
      return;
    }
    const std::size_t again = factsAgain_.size();
    if (files->live && !rows_.DropListed(*files, wantFacts_ ? &factsAgain_ : nullptr)) {
      if (factsAgain_.size() > again) ReadFacts();
      return;
    }
    const bool live = files->live;
    Append(std::move(*files));
    if (live) {
      ReadFacts();
      return Recount(false);
    }
    progress_.files = rows_.Files().size();
    view_.ProgressChanged(progress_);
  } else if (auto* gone = std::get_if<handover::Gone>(&delivery)) {
    if (progress_.loading) return held_.push_back(std::move(delivery));
    std::vector<std::string> emptied;
    rows_.Remove(gone->paths, gone->folders, emptied);
    if (autoTags_ && !emptied.empty()) view_.ChipsReset();
    Recount(false);
  } else if (auto* end = std::get_if<handover::End>(&delivery)) {
    if (kept_ == Kept::Asked) ListAside();
    if (kept_ == Kept::No) return Finish(end->unreadable);
    kept_ = Kept::No;
    std::vector<PathList> loaded;
    for (handover::Files& piece : std::exchange(aside_, {}))
      loaded.push_back(std::move(piece.files));
    cache_.Check(generation_, rows_.Files(), std::move(loaded), end->unreadable);
  } else if (auto* kept = std::get_if<handover::Cached>(&delivery)) {
    ShowKept(*kept);
  } else if (auto* checked = std::get_if<handover::Checked>(&delivery)) {
    Reconcile(*checked);
  } else if (std::holds_alternative<handover::WatchOff>(delivery)) {
    if (feed_) feed_->StopWatching();
    progress_.liveOff = true;
    view_.ProgressChanged(progress_);
  } else if (auto* counts = std::get_if<handover::Counts>(&delivery)) {
    if (counts->counting != counting_) return;
    for (std::size_t i = 0; i < counts->tags.size(); ++i)
      hits_[std::move(counts->tags[i])] = counts->hits[i];
    counted_ = true;
  } else if (std::holds_alternative<handover::Vanished>(delivery)) {
    Vanish();
  } else if (auto* facts = std::get_if<handover::Facts>(&delivery)) {
    if (!facts->numbers.empty()) {
      for (std::size_t k = 0; k < facts->numbers.size(); ++k)
        if (facts->numbers[k] < facts_.size()) facts_[facts->numbers[k]] = facts->facts[k];
    } else {
      const std::size_t upTo = facts->first + facts->facts.size();
      if (facts_.size() < upTo) facts_.resize(upTo);
      std::copy(facts->facts.begin(), facts->facts.end(),
                facts_.begin() + static_cast<std::ptrdiff_t>(facts->first));
    }
    const bool complete = facts->last && factsAsked_ >= rows_.Files().size() && factsAgain_.empty();
    if (rowListener_) rowListener_->FactsChanged(complete);
    if (facts->last) {
      readingFacts_ = false;
      ReadFacts();
    }
  } else if (auto* following = std::get_if<handover::Following>(&delivery)) {
    // Said once the rows are the reading's: a kept listing's check may still run.
    if (progress_.loading) return held_.push_back(std::move(delivery));
    progress_.following = true;
    progress_.recheck = following->recheck;
    view_.ProgressChanged(progress_);
  } else if (!progress_.loading) {
    Reread();
  } else if (std::none_of(held_.begin(), held_.end(), [](const handover::Delivery& d) {
               return std::holds_alternative<handover::Reread>(d);
             })) {
    // One reading at a time, or a folder always busy would never be listed.
    held_.push_back(std::move(delivery));
  }
}

void Browser::Append(handover::Files&& files) {
  std::vector<std::string> fresh;
  rows_.Append(std::move(files), Filter(), fresh);
  if (!autoTags_) return;
  std::erase_if(fresh, [this](const std::string& t) { return InBar(t); });
  if (fresh.empty()) return;
  // Only the first-seen order holds its chips where they are as more come.
  if (order_ == ChipOrder::FirstSeen) return view_.ChipsAdded(fresh);
  view_.ChipsReset();
}

void Browser::ShowKept(handover::Cached& kept) {
  if (kept_ == Kept::No) return;  // too late: the load is listed, or was stopped
  if (!kept.found) return ListAside();
  if (kept_ == Kept::Asked) {
    kept_ = Kept::Shown;
    progress_.checking = true;
    for (handover::Files& files : aside_) Unindex(files);
  }
  Append({std::move(static_cast<ListedFiles&>(kept)), false});
  progress_.files = rows_.Files().size();
  view_.ProgressChanged(progress_);
}

void Browser::ListAside() {
  kept_ = Kept::No;
  for (handover::Files& files : std::exchange(aside_, {})) Append(std::move(files));
  progress_.files = rows_.Files().size();
  view_.ProgressChanged(progress_);
}

void Browser::Reconcile(handover::Checked& checked) {
  // The rows and the chips as the load found them, in its order; the rows that stay keep
  // their selection.
  progress_.checking = false;
  if (!checked.same) {
    if (!facts_.empty()) {  // read before a reread: they go with their files
      std::vector<platform::FileFacts> moved(checked.loaded.files.size());
      for (std::size_t i = 0; i < std::min(facts_.size(), checked.numbers.size()); ++i)
        if (checked.numbers[i] != handover::Checked::kGone) moved[checked.numbers[i]] = facts_[i];
      facts_ = std::move(moved);
    }
    rows_.Renumber(std::move(checked.loaded), checked.numbers, Filter());
    if (autoTags_) view_.ChipsReset();
  }
  if (!facts_.empty()) {
    // Writes made while the folder was read again went unheard: every file's facts are
    // read again, those known showing meanwhile.
    facts_.resize(rows_.Files().size());
    factsAgain_.resize(facts_.size());
    std::iota(factsAgain_.begin(), factsAgain_.end(), std::size_t{0});
    factsAsked_ = facts_.size();
  }
  progress_.files = rows_.FileCount();
  Finish(checked.unreadable);
}

void Browser::Finish(std::size_t unreadable) {
  progress_.loading = false;
  progress_.unreadable = unreadable;
  // A rescan keeps the bar's tags that the folder still has.
  const std::vector<std::string> pieces = UserTagPieces(userTagLine_);
  const auto occurs = [&](const std::string& text) {
    if (autoTags_ && rows_.Tags().Holds(text)) return true;
    return std::any_of(pieces.begin(), pieces.end(), [&](const std::string& piece) {
      return piece == text || LowerCase(piece) == text;
    });
  };
  const std::size_t before = bar_.size();
  std::erase_if(bar_, [&](const BarTag& tag) { return !occurs(tag.text); });
  const bool refilter = bar_.size() != before;
  if (bar_.empty()) loadedAll_ = true;
  if (refilter) {
    Refilter();  // which counts again
    view_.ChipsReset();
  } else if (std::vector<std::string> user = UserChips(); !user.empty()) {
    view_.ChipsAdded(user);
  }
  view_.ProgressChanged(progress_);
  if (!refilter) Recount();
  ReadFacts();
  if (shown_) cache_.Write(shown_->path, rows_.Files());
  // What changed meanwhile comes next, within the poll's budget.
  for (auto d = held_.rbegin(); d != held_.rend(); ++d) pending_.push_front(std::move(*d));
  held_.clear();
}

void Browser::WantFacts() {
  if (wantFacts_) return;
  wantFacts_ = true;
  ReadFacts();
}

void Browser::ReadFacts() {
  const PathList& files = rows_.Files();
  if (!wantFacts_ || readingFacts_ || progress_.loading) return;
  if (factsAsked_ >= files.size()) {
    // Files made again where they were listed (a save by renaming over): read anew.
    if (factsAgain_.empty()) return;
    PathList again;
    for (const std::size_t i : factsAgain_) again.push_back(files[i]);
    readingFacts_ = true;
    reader_.Start(generation_, std::move(again), 0, std::exchange(factsAgain_, {}));
    return;
  }
  PathList part;
  if (factsAsked_ == 0) {
    part = files;  // a copy shares the names
  } else {
    files.ForEachRun(factsAsked_, files.size(), [&](std::size_t i, std::size_t end, std::uint32_t) {
      const std::uint32_t folder = part.AddFolder(files.Folder(i));
      for (; i < end; ++i) part.AddFile(folder, files.Name(i));
    });
  }
  readingFacts_ = true;
  reader_.Start(generation_, std::move(part), factsAsked_);
  factsAsked_ = files.size();
}

void Browser::Refilter() {
  rows_.Refilter(Filter());
  Recount();
}

void Browser::Recount(bool start) {
  ++counting_;
  counted_ = false;
  hits_.clear();
  counter_.Stop();
  // Files made or removed by others come in bursts of thousands of pieces: the counts
  // they spoil come again with the next change of the filter or load.
  if (!start || progress_.loading || !shown_) return;
  counter_.Start({.generation = generation_,
                  .counting = counting_,
                  .index = rows_.Index(),
                  .tags = PanelChips(),
                  .kept = rows_.Kept().value_or(std::vector<std::size_t>()),
                  .all = !rows_.Kept(),
                  .words = words_});
}

std::optional<TagHits> Browser::Hits(const std::string& tag) const {
  const auto found = hits_.find(tag);
  if (found == hits_.end()) return std::nullopt;
  return found->second;
}

void Browser::AddBarTag(const std::string& text, TagKind kind, bool excluded) {
  if (InBar(text)) return;
  const BarTag tag{text, kind, excluded};
  bar_.push_back(tag);
  Refilter();
  view_.BarChanged(tag, true);
}

void Browser::RemoveBarTag(const std::string& text) {
  std::optional<BarTag> left;
  const auto at =
      std::find_if(bar_.begin(), bar_.end(), [&](const BarTag& tag) { return tag.text == text; });
  if (at != bar_.end()) left = *at, bar_.erase(at);
  loadedAll_ = false;
  Refilter();
  if (left) view_.BarChanged(*left, false);
}

void Browser::SetMode(MatchMode mode) {
  mode_ = mode;
  loadedAll_ = false;
  Refilter();
}

void Browser::SetWholeTags(bool on) {
  if (on == words_) return;
  words_ = on;
  Refilter();
}

void Browser::SetFindText(const std::string& text) {
  if (text == find_) return;
  find_ = text;
  Refilter();
}

void Browser::SetOrder(ChipOrder order) {
  order_ = order;
  if (shown_) view_.ChipsReset();  // without a folder there are no chips to reorder
}

RowFilter Browser::Filter() const {
  RowFilter filter;
  filter.mode = bar_.empty() && loadedAll_ ? MatchMode::All : mode_;
  filter.words = words_;
  filter.name = find_;
  for (const BarTag& tag : bar_) (tag.excluded ? filter.excluded : filter.tags).push_back(tag.text);
  return filter;
}

bool Browser::InBar(const std::string& text) const {
  return std::any_of(bar_.begin(), bar_.end(), [&](const BarTag& t) { return t.text == text; });
}

std::vector<std::string> Browser::PanelChips() const {
  std::vector<std::string> chips;
  const TagCounts& tags = rows_.Tags();
  if (autoTags_) {
    std::vector<std::size_t> shown;
    for (std::size_t i = 0; i < tags.Tags().size(); ++i) {
      if (tags.Count(i) > 0 && !InBar(tags.Tags()[i])) shown.push_back(i);
    }
    const auto name = [&](std::size_t a, std::size_t b) { return tags.Tags()[a] < tags.Tags()[b]; };
    const auto count = [&](std::size_t a, std::size_t b) { return tags.Count(a) > tags.Count(b); };
    if (order_ == ChipOrder::Name) std::sort(shown.begin(), shown.end(), name);
    if (order_ == ChipOrder::Count) std::stable_sort(shown.begin(), shown.end(), count);
    for (const std::size_t i : shown) chips.push_back(tags.Tags()[i]);
  }
  if (!progress_.loading) {
    for (std::string& chip : UserChips()) chips.push_back(std::move(chip));
  }
  return chips;
}

std::vector<std::string> Browser::UserChips() const {
  std::vector<std::string> chips;
  for (std::string& piece : UserTagPieces(userTagLine_)) {
    if (!InBar(piece) && !InBar(LowerCase(piece))) chips.push_back(std::move(piece));
  }
  return chips;
}

}  // namespace velmora::catalogue
