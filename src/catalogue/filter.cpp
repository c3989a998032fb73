#include "catalogue/filter.h"

#include <algorithm>
#include <cstdint>

#include "catalogue/tags.h"

namespace velmora::catalogue {

void FolderWords::Follow(const PathList& files, const TagRule& rule) {
  if (files.size() < files_) Clear();
  for (std::size_t k = below_.size(); k < files.FolderCount(); ++k)
    below_.Add(rule.Below(files.FolderText(k)));
  files.ForEachRun(files_, files.size(), [&](std::size_t first, std::size_t end, std::uint32_t k) {
    if (!runs_.empty() && runs_.back().end == first && runs_.back().folder == k)
      runs_.back().end = end;
    else
      runs_.push_back({first, end, k});
  });
  files_ = files.size();
}

std::vector<unsigned char> FolderWords::FolderHits(std::string_view needle, bool words,
                                                   Digits digits) const {
  std::vector<unsigned char> hits(below_.size(), 0);
  below_.MarkHits(needle, hits, words, digits);
  return hits;
}

void FolderWords::MarkHits(std::string_view needle, std::vector<unsigned char>& hits, bool words,
                           Digits digits) const {
  const std::vector<unsigned char> folders = FolderHits(needle, words, digits);
  for (const Run& run : runs_) {
    if (folders[run.folder])
      std::fill(hits.begin() + static_cast<std::ptrdiff_t>(run.first),
                hits.begin() + static_cast<std::ptrdiff_t>(run.end), 1);
  }
}

std::vector<std::size_t> ApplyTagFilter(const FilterIndex& index, const RowFilter& filter,
                                        const FolderWords* folders) {
  if (filter.none) return {};
  const auto& [tags, excluded, mode, words, name, rule, size, modified, facts, none] = filter;
  const Digits digits = rule;  // not every compiler lets a lambda capture a binding
  const std::size_t count = index.size();
  // Only excluding means every file but those.
  const bool startFull = mode == MatchMode::All || (tags.empty() && !excluded.empty());
  std::vector<unsigned char> keep(count, startFull ? 1 : 0);
  std::size_t kept = startFull ? count : 0;
  std::vector<unsigned char> hits;
  // Marks the files that needle hits: by their names, and their folders' words when a tag.
  const auto mark = [&](const std::string& needle, bool whole, bool tag) {
    hits.assign(count, 0);
    index.MarkHits(needle, hits, whole, digits);
    if (folders && tag) folders->MarkHits(needle, hits, whole, digits);
  };
  // Keeps the files kept so far that needle hits (or, with want false, does not).
  const auto narrow = [&](const std::string& needle, bool want, bool whole, bool tag = true) {
    if (kept < count / 8) {
      // Few files left: test them one by one rather than search every name again.
      kept = 0;
      if (folders && tag) {
        const std::vector<unsigned char> in = folders->FolderHits(needle, whole, digits);
        for (const FolderWords::Run& run : folders->Runs()) {
          for (std::size_t i = run.first; i < run.end; ++i) {
            if (keep[i])
              kept += keep[i] = (in[run.folder] || index.Hits(i, needle, whole, digits)) == want;
          }
        }
        return;
      }
      for (std::size_t i = 0; i < count; ++i) {
        if (keep[i]) kept += keep[i] = index.Hits(i, needle, whole, digits) == want;
      }
      return;
    }
    mark(needle, whole, tag);
    const unsigned char miss = want ? 0 : 1;  // hits are 0 or 1
    kept = 0;
    for (std::size_t i = 0; i < count; ++i) {
      keep[i] = keep[i] & (hits[i] ^ miss);
      kept += keep[i];
    }
  };
  for (const std::string& tag : tags) {
    const std::string needle = LowerCase(tag);
    if (mode == MatchMode::All) {
      narrow(needle, true, words);
      continue;
    }
    mark(needle, words, true);
    kept = 0;
    for (std::size_t i = 0; i < count; ++i) {
      keep[i] = keep[i] | hits[i];
      kept += keep[i];
    }
  }
  for (const std::string& tag : excluded) narrow(LowerCase(tag), false, words);
  if (!name.empty()) narrow(LowerCase(name), true, false, false);
  if (size || modified) {
    for (std::size_t i = 0; i < count; ++i)
      keep[i] = keep[i] && i < facts.size() && FactsFit(filter, facts[i]);
    kept = static_cast<std::size_t>(std::count(keep.begin(), keep.end(), 1));
  }
  std::vector<std::size_t> result;
  result.reserve(kept);
  for (std::size_t i = 0; i < count; ++i) {
    if (keep[i]) result.push_back(i);
  }
  return result;
}

bool FactsFit(const RowFilter& filter, const platform::FileFacts& facts) {
  if (!filter.size && !filter.modified) return true;
  // Whole seconds, rounded down also before the epoch.
  const std::int64_t ns = facts.modified, seconds = ns / 1'000'000'000 - (ns % 1'000'000'000 < 0);
  return facts.Known() && (!filter.size || filter.size->Holds(facts.size)) &&
         (!filter.modified || filter.modified->Holds(seconds));
}

}  // namespace velmora::catalogue
