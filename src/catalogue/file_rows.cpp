#include "catalogue/file_rows.h"

#include <algorithm>
#include <unordered_set>

namespace velmora::catalogue {

void FileRows::Changing(const RowChange& change, std::vector<RowChange>& made) const {
  made.push_back(change);
  if (listener_ != nullptr) listener_->RowsChanging(change);
}

void FileRows::Changed(const RowChange& change) const {
  if (listener_ != nullptr) listener_->RowsChanged(change);
}

void FileRows::Forget() {
  folderHashes_.clear();
  hashed_ = 0;
  runs_.clear();
  ran_ = 0;
  scattered_ = false;
  tags_ = TagCounts(rule_.digits);
  folderWords_.Clear();
  gone_ = {};
  goneCount_ = 0;
}

const FolderWords* FileRows::Folders() const {
  if (!rule_.FolderWords()) return nullptr;
  folderWords_.Follow(files_, rule_);
  return &folderWords_;
}

std::vector<RowChange> FileRows::Clear(bool filtered) {
  std::vector<RowChange> made;
  const RowChange reset{RowChange::Kind::Reset};
  Changing(reset, made);
  // The last load goes before the next one is read, so that two never share memory.
  files_ = {};
  Forget();
  ResetRows(filtered ? std::optional(std::vector<std::size_t>()) : std::nullopt);
  Changed(reset);
  return made;
}

std::vector<RowChange> FileRows::Renumber(ListedFiles&& fresh,
                                          const std::vector<std::size_t>& numbers,
                                          const RowFilter& filter) {
  std::vector<RowChange> made;
  RowChange change{RowChange::Kind::Renumber};
  change.numbers = &numbers;
  Changing(change, made);
  files_ = std::move(fresh.files);
  Forget();
  tags_ = std::move(fresh.tags);
  ResetRows(filter.KeepsAll() ? std::nullopt
                              : std::optional(ApplyTagFilter(files_.Names(), filter, Folders())));
  Changed(change);
  return made;
}

std::vector<RowChange> FileRows::Append(handover::Files&& files, const RowFilter& filter,
                                        std::vector<std::string>& fresh) {
  std::vector<RowChange> made;
  const std::size_t base = files_.size();
  std::size_t added = files.files.size();
  std::vector<std::size_t> kept;
  if (rows_) {
    RowFilter piece = filter;  // the facts by the piece's own numbers
    piece.facts = filter.facts.subspan(std::min(base, filter.facts.size()));
    FolderWords folders;
    if (rule_.FolderWords()) folders.Follow(files.files, rule_);
    kept = ApplyTagFilter(files.files.Names(), piece, rule_.FolderWords() ? &folders : nullptr);
    for (std::size_t& k : kept) k += base;
    added = kept.size();
  }
  const std::size_t first = RowCount();
  const RowChange change{RowChange::Kind::Insert, first, first + added - 1};
  if (added > 0) Changing(change, made);
  files_.Append(std::move(files.files));
  if (rows_) rows_->insert(rows_->end(), kept.begin(), kept.end());
  if (added > 0) Changed(change);
  tags_.Merge(files.tags, fresh);
  return made;
}

bool FileRows::DropListed(handover::Files& files, std::vector<std::size_t>* again) {
  // The new names by folder; only the listed files of folders of that text are looked
  // at, by view, as Remove does: a file made in a big folder costs no string per file of it.
  std::unordered_map<std::string, std::unordered_set<std::string_view>> byFolder;
  std::string scratch;
  files.files.ForEachRun(0, files.files.size(),
                         [&](std::size_t i, std::size_t end, std::uint32_t k) {
                           auto& names = byFolder[std::string(files.files.FolderText(k, scratch))];
                           for (; i < end; ++i) names.insert(files.files.Name(i));
                         });
  FindRuns();
  std::unordered_set<std::string> listed;
  for (const auto& [folder, names] : byFolder) {
    for (const std::uint32_t k : FoldersNamed(folder)) {
      const auto [first, end] = scattered_ ? Run{0, files_.size()} : runs_[k];
      for (std::size_t i = first; i < end; ++i)
        if (files_.FolderOf(i) == k && !Gone(i) && names.contains(files_.Name(i))) {
          listed.insert(files_[i]);
          if (again) again->push_back(i);
        }
    }
  }
  PathList kept;
  bool dropped = false;
  for (std::size_t i = 0; i < files.files.size(); ++i) {
    std::string path = files.files[i];
    if (listed.insert(path).second) {
      kept.push_back(path);
    } else {
      dropped = true;
    }
  }
  if (dropped) files = {ListedFiles::Of(std::move(kept), rule_), files.live};
  return !files.files.empty();
}

void FileRows::FindRuns() {
  runs_.resize(files_.FolderCount());
  files_.ForEachRun(ran_, files_.size(), [&](std::size_t first, std::size_t end, std::uint32_t k) {
    Run& run = runs_[k];
    if (run.first == run.end) {
      run = {first, end};
    } else if (run.end == first) {
      run.end = end;
    } else {
      scattered_ = true;  // never so today; every file is looked at then
    }
  });
  ran_ = files_.size();
}

std::vector<std::uint32_t> FileRows::FoldersNamed(std::string_view text) {
  // Folders by the hash of their text, kept up to date as folders come; a folder can have
  // several numbers once files came later.
  std::string scratch;
  for (; hashed_ < files_.FolderCount(); ++hashed_) {
    const auto k = static_cast<std::uint32_t>(hashed_);
    folderHashes_.emplace(std::hash<std::string_view>{}(files_.FolderText(k, scratch)), k);
  }
  std::vector<std::uint32_t> found;
  const auto [first, last] = folderHashes_.equal_range(std::hash<std::string_view>{}(text));
  for (auto it = first; it != last; ++it) {
    if (files_.FolderIs(it->second, text)) found.push_back(it->second);
  }
  return found;
}

std::vector<RowChange> FileRows::Remove(const std::vector<std::string>& paths, bool folders,
                                        std::vector<std::string>& emptied) {
  std::vector<RowChange> made;
  std::vector<unsigned char> named(files_.FolderCount(), 0);  // holds a removed name
  std::vector<unsigned char> folderGone(files_.FolderCount(), 0);
  std::unordered_map<std::uint32_t, std::unordered_set<std::string_view>> names;
  // A folder goes with everything under it: when a folder went, or a link to one (its
  // path names a folder of the list), every folder is looked at.
  bool anyFolder = folders;
  std::string dir;
  for (const std::string& path : paths) {
    const auto slash = path.rfind(platform::kPathSeparator);
    for (const std::uint32_t k : FoldersNamed(std::string_view(path).substr(0, slash + 1))) {
      named[k] = 1;
      names[k].insert(std::string_view(path).substr(slash + 1));
    }
    if (!anyFolder) {
      dir.assign(path).push_back(platform::kPathSeparator);
      anyFolder = !FoldersNamed(dir).empty();
    }
  }
  std::unordered_set<std::string_view> goneFolders;  // the paths, as folders they may be
  if (anyFolder) goneFolders.insert(paths.begin(), paths.end());
  std::string scratch;
  for (std::size_t k = 0; k < files_.FolderCount() && anyFolder; ++k) {
    const std::string_view text = files_.FolderText(k, scratch);
    for (auto end = text.find(platform::kPathSeparator, 1); end != std::string_view::npos;
         end = text.find(platform::kPathSeparator, end + 1)) {
      if (goneFolders.contains(text.substr(0, end))) {
        folderGone[k] = 1;
        break;
      }
    }
  }
  std::vector<std::size_t> dropped;
  const auto look = [&](std::size_t first, std::size_t end, std::uint32_t k) {
    if (!(folderGone[k] || named[k])) return;
    for (std::size_t i = first; i < end; ++i)
      if (!Gone(i) && (folderGone[k] || names[k].contains(files_.Name(i)))) dropped.push_back(i);
  };
  // Files gone by name are looked for in their own folders only.
  FindRuns();
  if (anyFolder || scattered_) {
    files_.ForEachRun(0, files_.size(), look);
  } else {
    for (const auto& [k, unused] : names) files_.ForEachRun(runs_[k].first, runs_[k].end, look);
    std::sort(dropped.begin(), dropped.end());
  }
  if (dropped.empty()) return made;

  goneCount_ += dropped.size();
  gone_.Reserve(files_.size());
  std::unordered_map<std::uint32_t, std::size_t> perFolder;  // files gone, for folder words
  for (const std::size_t i : dropped) {
    gone_.Add(i);
    tags_.RemoveName(files_.Name(i), emptied);
    if (rule_.FolderWords()) ++perFolder[files_.FolderOf(i)];
  }
  for (const auto& [k, n] : perFolder)
    tags_.RemoveWords(rule_.Below(files_.FolderText(k, scratch)), n, emptied);
  // The rows to remove, as runs, and their files.
  std::vector<std::pair<std::size_t, std::size_t>> runs;
  std::vector<std::size_t> taken;
  for (const std::size_t i : dropped) {
    const auto row = RowOf(i);
    if (!row) continue;
    taken.push_back(i);
    if (!runs.empty() && runs.back().second + 1 == *row) {
      runs.back().second = *row;
    } else {
      runs.emplace_back(*row, *row);
    }
  }
  if (runs.empty()) return made;  // none of them was kept
  // One reset tells the views sooner than many removals.
  const bool reset = runs.size() > 64;
  const RowChange all{RowChange::Kind::Reset};
  if (reset) Changing(all, made);
  TakeOut(runs, taken, reset, made);
  if (reset) Changed(all);
  return made;
}

void FileRows::TakeOut(const std::vector<std::pair<std::size_t, std::size_t>>& runs,
                       const std::vector<std::size_t>& files, bool reset,
                       std::vector<RowChange>& made) {
  // First to last, each run told as it goes, by the rows' numbers then.
  std::size_t removed = 0;
  const auto tell = [&](std::size_t at, std::size_t n, auto&& take) {
    const RowChange change{RowChange::Kind::Remove, at, at + n - 1};
    if (!reset) Changing(change, made);
    take();
    if (!reset) Changed(change);
  };
  if (!rows_) {
    if (reset) {  // all at once
      std::vector<std::size_t> merged(skipped_.size() + files.size());
      std::merge(skipped_.begin(), skipped_.end(), files.begin(), files.end(), merged.begin());
      skipped_ = std::move(merged);
      return;
    }
    auto file = files.begin();
    for (const auto& [first, last] : runs) {
      const auto n = static_cast<std::ptrdiff_t>(last - first + 1);
      tell(first - removed, last - first + 1, [&] {
        // Files gone earlier may lie between the run's files.
        const auto at = std::lower_bound(skipped_.begin(), skipped_.end(), *file);
        const auto placed = skipped_.insert(at, file, file + n);
        std::inplace_merge(placed, placed + n,
                           std::lower_bound(placed + n, skipped_.end(), *(file + n - 1)));
      });
      file += n;
      removed += last - first + 1;
    }
    return;
  }
  // Each run joins the gap, and the rows up to the next run close it up, so that each
  // row moves once however many runs there are.
  std::vector<std::size_t>& rows = *rows_;
  MoveGap(runs.front().first);
  for (const auto& [first, last] : runs) {
    const std::size_t at = first - removed;
    if (at != gapAt_) {
      std::copy(rows.begin() + static_cast<std::ptrdiff_t>(gapAt_ + gap_),
                rows.begin() + static_cast<std::ptrdiff_t>(at + gap_),
                rows.begin() + static_cast<std::ptrdiff_t>(gapAt_));
      gapAt_ = at;
    }
    const std::size_t n = last - first + 1;
    tell(at, n, [&] { gap_ += n; });
    removed += n;
  }
}

std::size_t FileRows::SkippedBefore(std::size_t row) const {
  // Before skipped_[j] lie skipped_[j] - j files kept; that grows with j.
  std::size_t low = 0, high = skipped_.size();
  while (low < high) {
    const std::size_t mid = low + (high - low) / 2;
    if (skipped_[mid] - mid <= row) {
      low = mid + 1;
    } else {
      high = mid;
    }
  }
  return low;
}

std::optional<std::size_t> FileRows::RowOf(std::size_t i) const {
  if (!rows_) {
    if (Gone(i) && std::binary_search(skipped_.begin(), skipped_.end(), i)) return std::nullopt;
    return i - static_cast<std::size_t>(std::lower_bound(skipped_.begin(), skipped_.end(), i) -
                                        skipped_.begin());
  }
  const auto begin = rows_->begin(), end = rows_->end();
  const bool gap = gap_ > 0;
  const auto split = begin + static_cast<std::ptrdiff_t>(gap ? gapAt_ : rows_->size());
  auto at = std::lower_bound(begin, split, i);
  if (at != split && *at == i) return static_cast<std::size_t>(at - begin);
  if (!gap) return std::nullopt;
  at = std::lower_bound(split + static_cast<std::ptrdiff_t>(gap_), end, i);
  if (at != end && *at == i) return static_cast<std::size_t>(at - begin) - gap_;
  return std::nullopt;
}

void FileRows::MoveGap(std::size_t at) {
  std::vector<std::size_t>& rows = *rows_;
  const auto place = [&](std::size_t i) { return rows.begin() + static_cast<std::ptrdiff_t>(i); };
  if (gap_ == 0) {
    gapAt_ = at;
  } else if (at < gapAt_) {
    std::copy_backward(place(at), place(gapAt_), place(gapAt_ + gap_));
    gapAt_ = at;
  } else if (at > gapAt_) {
    std::copy(place(gapAt_ + gap_), place(at + gap_), place(gapAt_));
    gapAt_ = at;
  }
}

void FileRows::ResetRows(std::optional<std::vector<std::size_t>> rows) {
  rows_ = std::move(rows);
  gapAt_ = SIZE_MAX, gap_ = 0;
  skipped_.clear();
}

template <class File>
void FileRows::EachRowFile(File&& file) const {
  if (rows_) {
    const std::size_t gap = std::min(gapAt_, rows_->size());
    for (std::size_t k = 0; k < gap; ++k) file((*rows_)[k]);
    for (std::size_t k = gap + gap_; k < rows_->size(); ++k) file((*rows_)[k]);
    return;
  }
  auto skip = skipped_.begin();
  for (std::size_t i = 0; i < files_.size(); ++i) {
    if (skip != skipped_.end() && *skip == i) {
      ++skip;
    } else {
      file(i);
    }
  }
}

std::vector<std::size_t> FileRows::RowFiles() const {
  std::vector<std::size_t> files;
  files.reserve(RowCount());
  EachRowFile([&](std::size_t i) { files.push_back(i); });
  return files;
}

std::optional<FileSet> FileRows::Kept() const {
  if (KeepsAll()) return std::nullopt;
  FileSet kept;
  kept.Reserve(files_.size());
  EachRowFile([&](std::size_t i) { kept.Add(i); });
  return kept;
}

std::vector<RowChange> FileRows::Refilter(const RowFilter& filter) {
  std::vector<RowChange> made;
  const RowChange reset{RowChange::Kind::Reset};
  Changing(reset, made);
  if (filter.KeepsAll()) {
    ResetRows(std::nullopt);
    for (std::size_t i = 0; goneCount_ > 0 && i < files_.size(); ++i)
      if (Gone(i)) skipped_.push_back(i);
  } else {
    ResetRows(ApplyTagFilter(files_.Names(), filter, Folders()));
    if (goneCount_ > 0) std::erase_if(*rows_, [this](std::size_t i) { return Gone(i); });
  }
  Changed(reset);
  return made;
}

}  // namespace velmora::catalogue
