#include "catalogue/filter.h"

#include <algorithm>
#include <cstdint>
#include <exception>
#include <thread>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

void FolderWords::MarkHits(const std::vector<unsigned char>& folders, unsigned char* hits,
                           std::size_t from, std::size_t to) const {
  for (const Run& run : runs_) {
    const std::size_t first = std::max(run.first, from), end = std::min(run.end, to);
    if (first < end && folders[run.folder])
      std::fill(hits + (first - from), hits + (end - from), 1);
  }
}

namespace {

// keep[i] becomes keep[i] & hits[i] (with any, keep[i] | hits[i]), hits[i] first flipped
// by miss; returns how many are kept. Bytes are 0 or 1.
std::size_t Combine(unsigned char* keep, const unsigned char* hits, std::size_t n,
                    unsigned char miss, bool any) {
  std::size_t i = 0, kept = 0;
#if defined(__SSE2__)
  const __m128i flip = _mm_set1_epi8(static_cast<char>(miss));
  const __m128i zero = _mm_setzero_si128();
  __m128i sum = zero;
  for (; i + 16 <= n; i += 16) {
    const __m128i k = _mm_loadu_si128(reinterpret_cast<const __m128i*>(keep + i));
    const __m128i h =
        _mm_xor_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(hits + i)), flip);
    const __m128i both = any ? _mm_or_si128(k, h) : _mm_and_si128(k, h);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(keep + i), both);
    sum = _mm_add_epi64(sum, _mm_sad_epu8(both, zero));
  }
  kept = static_cast<std::size_t>(_mm_cvtsi128_si64(sum)) +
         static_cast<std::size_t>(_mm_cvtsi128_si64(_mm_unpackhi_epi64(sum, sum)));
#endif
  for (; i < n; ++i) {
    const unsigned char h = hits[i] ^ miss;
    keep[i] = any ? (keep[i] | h) : (keep[i] & h);
    kept += keep[i];
  }
  return kept;
}

// Appends from + i for each keep[i] set.
void Collect(const unsigned char* keep, std::size_t n, std::size_t from,
             std::vector<std::size_t>& out) {
  std::size_t i = 0;
#if defined(__SSE2__)
  // Most files are left out: sixteen at a time are passed over where none is kept.
  const __m128i zero = _mm_setzero_si128();
  for (; i + 16 <= n; i += 16) {
    auto mask = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(
                    _mm_loadu_si128(reinterpret_cast<const __m128i*>(keep + i)), zero))) ^
                0xFFFFu;
    for (; mask != 0; mask &= mask - 1)
      out.push_back(from + i + static_cast<std::size_t>(__builtin_ctz(mask)));
  }
#endif
  for (; i < n; ++i)
    if (keep[i]) out.push_back(from + i);
}

// The files from to to that filter keeps, by ApplyTagFilter's rule.
std::vector<std::size_t> FilterRange(const FilterIndex& index, const RowFilter& filter,
                                     const FolderWords* folders, std::size_t from, std::size_t to) {
  const auto& [tags, excluded, mode, words, name, rule, size, modified, facts, none] = filter;
  const Digits digits = rule;  // not every compiler lets a lambda capture a binding
  const std::size_t count = to - from;
  // Only excluding means every file but those.
  const bool startFull = mode == MatchMode::All || (tags.empty() && !excluded.empty());
  std::vector<unsigned char> keep(count, startFull ? 1 : 0);
  std::size_t kept = startFull ? count : 0;
  std::vector<unsigned char> hits;
  // Marks the files that needle hits: by their names, and their folders' words when a tag.
  const auto mark = [&](const std::string& needle, bool whole, bool tag) {
    hits.assign(count, 0);
    index.MarkHits(needle, hits.data(), from, to, whole, digits);
    if (folders && tag)
      folders->MarkHits(folders->FolderHits(needle, whole, digits), hits.data(), from, to);
  };
  // Keeps the files kept so far that needle hits (or, with want false, does not).
  const auto narrow = [&](const std::string& needle, bool want, bool whole, bool tag = true) {
    if (kept < count / 8) {
      // Few files left: test them one by one rather than search every name again.
      kept = 0;
      if (folders && tag) {
        const std::vector<unsigned char> in = folders->FolderHits(needle, whole, digits);
        for (const FolderWords::Run& run : folders->Runs()) {
          for (std::size_t i = std::max(run.first, from); i < std::min(run.end, to); ++i) {
            if (keep[i - from])
              kept += keep[i - from] =
                  (in[run.folder] || index.Hits(i, needle, whole, digits)) == want;
          }
        }
        return;
      }
      kept = index.Narrow(needle, keep.data(), from, to, want, whole, digits);
      return;
    }
    mark(needle, whole, tag);
    kept = Combine(keep.data(), hits.data(), count, want ? 0 : 1, false);
  };
  for (const std::string& tag : tags) {
    const std::string needle = LowerCase(tag);
    if (mode == MatchMode::All) {
      narrow(needle, true, words);
      continue;
    }
    mark(needle, words, true);
    kept = Combine(keep.data(), hits.data(), count, 0, true);
  }
  for (const std::string& tag : excluded) narrow(LowerCase(tag), false, words);
  if (!name.empty()) narrow(LowerCase(name), true, false, false);
  if (size || modified) {
    for (std::size_t i = 0; i < count; ++i)
      keep[i] = keep[i] && from + i < facts.size() && FactsFit(filter, facts[from + i]);
    kept = static_cast<std::size_t>(std::count(keep.begin(), keep.end(), 1));
  }
  std::vector<std::size_t> result;
  result.reserve(kept);
  Collect(keep.data(), count, from, result);
  return result;
}

}  // namespace

std::vector<std::size_t> ApplyTagFilter(const FilterIndex& index, const RowFilter& filter,
                                        const FolderWords* folders, std::size_t split) {
  if (filter.none) return {};
  const std::size_t count = index.size();
  if (count < split) return FilterRange(index, filter, folders, 0, count);
  // Two halves side by side: the names are only read, each half marks rows of its own.
  const std::size_t half = count / 2;
  std::vector<std::size_t> rows, upper;
  SideBySide([&] { rows = FilterRange(index, filter, folders, 0, half); },
             [&] { upper = FilterRange(index, filter, folders, half, count); });
  rows.insert(rows.end(), upper.begin(), upper.end());
  return rows;
}

void SideBySide(const std::function<void()>& first, const std::function<void()>& second) {
  std::exception_ptr failed;
  std::thread other([&] {
    try {
      second();
    } catch (...) {
      failed = std::current_exception();
    }
  });
  try {
    first();
  } catch (...) {
    other.join();
    throw;
  }
  other.join();
  if (failed) std::rethrow_exception(failed);
}

bool FactsFit(const RowFilter& filter, const platform::FileFacts& facts) {
  if (!filter.size && !filter.modified) return true;
  // Whole seconds, rounded down also before the epoch.
  const std::int64_t ns = facts.modified, seconds = ns / 1'000'000'000 - (ns % 1'000'000'000 < 0);
  return facts.Known() && (!filter.size || filter.size->Holds(facts.size)) &&
         (!filter.modified || filter.modified->Holds(seconds));
}

}  // namespace velmora::catalogue
