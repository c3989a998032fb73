#include "catalogue/filter.h"

#include <algorithm>
#include <cstdint>

#include "catalogue/tags.h"

namespace velmora::catalogue {

std::vector<std::size_t> ApplyTagFilter(const FilterIndex& index, const RowFilter& filter) {
  if (filter.none) return {};
  const auto& [tags, excluded, mode, words, name, rule, size, modified, facts, none] = filter;
  const Digits digits = rule;  // not every compiler lets a lambda capture a binding
  const std::size_t count = index.size();
  // Only excluding means every file but those.
  const bool startFull = mode == MatchMode::All || (tags.empty() && !excluded.empty());
  std::vector<unsigned char> keep(count, startFull ? 1 : 0);
  std::size_t kept = startFull ? count : 0;
  std::vector<unsigned char> hits;
  // Keeps the files kept so far whose names hit needle (or, with want false, do not).
  const auto narrow = [&](const std::string& needle, bool want, bool whole) {
    if (kept < count / 8) {
      // Few files left: test them one by one rather than search every name again.
      kept = 0;
      for (std::size_t i = 0; i < count; ++i) {
        if (keep[i]) kept += keep[i] = index.Hits(i, needle, whole, digits) == want;
      }
      return;
    }
    hits.assign(count, 0);
    index.MarkHits(needle, hits, whole, digits);
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
    hits.assign(count, 0);
    index.MarkHits(needle, hits, words, digits);
    kept = 0;
    for (std::size_t i = 0; i < count; ++i) {
      keep[i] = keep[i] | hits[i];
      kept += keep[i];
    }
  }
  for (const std::string& tag : excluded) narrow(LowerCase(tag), false, words);
  if (!name.empty()) narrow(LowerCase(name), true, false);
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
