#include "catalogue/file_rows.h"

#include <algorithm>
#include <numeric>
#include <unordered_set>

namespace velmora::catalogue {

namespace {

// Looks up texts by view, without making a string of each.
struct TextHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view text) const {
    return std::hash<std::string_view>{}(text);
  }
};

}  // namespace

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
  gone_.clear();
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
  rows_.reset();
  if (filtered) rows_.emplace();
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
  rows_.reset();
  if (!filter.KeepsAll()) rows_ = ApplyTagFilter(files_.Names(), filter, Folders());
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
  if (!gone_.empty()) gone_.resize(files_.size(), 0);
  if (rows_) rows_->insert(rows_->end(), kept.begin(), kept.end());
  if (added > 0) Changed(change);
  tags_.Merge(files.tags, fresh);
  return made;
}

bool FileRows::DropListed(handover::Files& files, std::vector<std::size_t>* again) {
  // The new names by folder; only the listed files of folders of that text are looked
  // at, by view, as Remove does: a file made in a big folder costs no string per file of it.
  std::unordered_map<std::string_view, std::unordered_set<std::string_view>> byFolder;
  for (std::size_t i = 0; i < files.files.size(); ++i)
    byFolder[files.files.Folder(i)].insert(files.files.Name(i));
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
  for (; hashed_ < files_.FolderCount(); ++hashed_) {
    const auto k = static_cast<std::uint32_t>(hashed_);
    folderHashes_.emplace(std::hash<std::string_view>{}(files_.FolderText(k)), k);
  }
  std::vector<std::uint32_t> found;
  const auto [first, last] = folderHashes_.equal_range(std::hash<std::string_view>{}(text));
  for (auto it = first; it != last; ++it) {
    if (files_.FolderText(it->second) == text) found.push_back(it->second);
  }
  return found;
}

std::vector<RowChange> FileRows::Remove(const std::vector<std::string>& paths, bool folders,
                                        std::vector<std::string>& emptied) {
  std::vector<RowChange> made;
  std::vector<unsigned char> named(files_.FolderCount(), 0);  // holds a removed name
  std::vector<unsigned char> folderGone(files_.FolderCount(), 0);
  std::unordered_map<std::uint32_t, std::unordered_set<std::string_view>> names;
  std::unordered_set<std::string, TextHash, std::equal_to<>> goneFolders;
  // A folder goes with everything under it: when a folder went, or a link to one (its
  // path names a folder of the list), every folder is looked at.
  bool anyFolder = folders;
  for (const std::string& path : paths) {
    const auto slash = path.rfind(platform::kPathSeparator);
    for (const std::uint32_t k : FoldersNamed(std::string_view(path).substr(0, slash + 1))) {
      named[k] = 1;
      names[k].insert(std::string_view(path).substr(slash + 1));
    }
    const std::string dir = path + platform::kPathSeparator;
    anyFolder = anyFolder || !FoldersNamed(dir).empty();
    goneFolders.insert(dir);
  }
  for (std::size_t k = 0; k < files_.FolderCount() && anyFolder; ++k) {
    const std::string_view text = files_.FolderText(k);
    for (auto end = text.find(platform::kPathSeparator, 1); end != std::string_view::npos;
         end = text.find(platform::kPathSeparator, end + 1)) {
      if (goneFolders.contains(text.substr(0, end + 1))) {
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

  if (gone_.empty()) gone_.assign(files_.size(), 0);
  goneCount_ += dropped.size();
  std::unordered_map<std::uint32_t, std::size_t> perFolder;  // files gone, for folder words
  for (const std::size_t i : dropped) {
    gone_[i] = 1;
    tags_.RemoveName(files_.Name(i), emptied);
    if (rule_.FolderWords()) ++perFolder[files_.FolderOf(i)];
  }
  for (const auto& [k, n] : perFolder)
    tags_.RemoveWords(rule_.Below(files_.FolderText(k)), n, emptied);
  if (!rows_) {
    rows_.emplace(files_.size());
    std::iota(rows_->begin(), rows_->end(), std::size_t{0});
  }
  // The rows to remove, as runs, removed from the last so that earlier rows keep their numbers.
  std::vector<std::pair<std::size_t, std::size_t>> runs;
  for (const std::size_t i : dropped) {
    const auto at = std::lower_bound(rows_->begin(), rows_->end(), i);
    if (at == rows_->end() || *at != i) continue;
    const auto row = static_cast<std::size_t>(at - rows_->begin());
    if (!runs.empty() && runs.back().second + 1 == row) {
      runs.back().second = row;
    } else {
      runs.emplace_back(row, row);
    }
  }
  if (runs.size() > 64) {  // one reset tells the views sooner than many removals
    const RowChange reset{RowChange::Kind::Reset};
    Changing(reset, made);
    std::erase_if(*rows_, [this](std::size_t i) { return gone_[i] != 0; });
    Changed(reset);
    return made;
  }
  // First to last: the rows taken out so far leave a gap that the rows after them close
  // as the next run comes, so that each row moves once however many runs there are.
  if (runs.empty()) return made;  // none of them was kept
  std::vector<std::size_t>& rows = *rows_;
  std::size_t write = runs.front().first, read = write;
  const auto close = [&](std::size_t end) {
    std::copy(rows.begin() + static_cast<std::ptrdiff_t>(read),
              rows.begin() + static_cast<std::ptrdiff_t>(end),
              rows.begin() + static_cast<std::ptrdiff_t>(write));
    write += end - read;
    read = end;
    gapAt_ = write, gap_ = read - write;
  };
  for (const auto& [first, last] : runs) {
    close(first);
    const RowChange change{RowChange::Kind::Remove, write, write + (last - first)};
    Changing(change, made);
    read = last + 1, gap_ = read - write;
    Changed(change);
  }
  close(rows.size());
  rows.resize(write);
  gapAt_ = SIZE_MAX, gap_ = 0;
  return made;
}

std::vector<RowChange> FileRows::Refilter(const RowFilter& filter) {
  std::vector<RowChange> made;
  const RowChange reset{RowChange::Kind::Reset};
  Changing(reset, made);
  if (filter.KeepsAll() && gone_.empty()) {
    rows_.reset();
  } else {
    rows_ = ApplyTagFilter(files_.Names(), filter, Folders());
    if (!gone_.empty()) std::erase_if(*rows_, [this](std::size_t i) { return gone_[i] != 0; });
  }
  Changed(reset);
  return made;
}

}  // namespace velmora::catalogue
