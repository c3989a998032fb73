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
namespace {

// The first run of runs that holds a file from from on.
std::vector<FolderWords::Run>::const_iterator RunFrom(const std::vector<FolderWords::Run>& runs,
                                                      std::size_t from) {
  return std::partition_point(runs.begin(), runs.end(),
                              [&](const FolderWords::Run& run) { return run.end <= from; });
}

}  // namespace

void FolderWords::Follow(const PathList& files, const TagRule& rule) {
  if (files.size() < files_) Clear();
  std::string scratch;
  for (std::size_t k = below_.size(); k < files.FolderCount(); ++k)
    below_.Add(rule.Below(files.FolderText(k, scratch)));
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
  for (auto run = RunFrom(runs_, from); run != runs_.end() && run->first < to; ++run) {
    const std::size_t first = std::max(run->first, from), end = std::min(run->end, to);
    if (folders[run->folder]) std::fill(hits + (first - from), hits + (end - from), 1);
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

// A needle of the filter, lower-cased, and the folders whose words hold it.
struct Needle {
  std::string text;
  bool whole = false;
  bool tag = true;  // a tag hits by the folders' words too; the find text does not
  std::vector<unsigned char> folders = {};
};

// Appends to result the files from to to that the needles keep, by ApplyTagFilter's rule.
// keep and hits are room for the marks, reused from block to block.
void FilterBlock(const FilterIndex& index, const RowFilter& filter, const FolderWords* folders,
                 const std::vector<Needle>& needles, std::size_t from, std::size_t to,
                 std::vector<unsigned char>& keep, std::vector<unsigned char>& hits,
                 std::vector<std::size_t>& result) {
  const Digits digits = filter.digits;
  const std::size_t count = to - from;
  const std::size_t tags = filter.tags.size();
  // Only excluding means every file but those.
  const bool startFull =
      filter.mode == MatchMode::All || (filter.tags.empty() && !filter.excluded.empty());
  keep.assign(count, startFull ? 1 : 0);
  std::size_t kept = startFull ? count : 0;
  // Marks the files that needle hits: by their names, and their folders' words when a tag.
  const auto mark = [&](const Needle& needle) {
    hits.assign(count, 0);
    index.MarkHits(needle.text, hits.data(), from, to, needle.whole, digits);
    if (folders && needle.tag) folders->MarkHits(needle.folders, hits.data(), from, to);
  };
  // Keeps the files kept so far that needle hits (or, with want false, does not).
  const auto narrow = [&](const Needle& needle, bool want) {
    if (kept < count / 8) {
      // Few files left: test them one by one rather than search every name again.
      kept = 0;
      if (folders && needle.tag) {
        const auto& runs = folders->Runs();
        for (auto run = RunFrom(runs, from); run != runs.end() && run->first < to; ++run) {
          for (std::size_t i = std::max(run->first, from); i < std::min(run->end, to); ++i) {
            if (keep[i - from])
              kept += keep[i - from] = (needle.folders[run->folder] ||
                                        index.Hits(i, needle.text, needle.whole, digits)) == want;
          }
        }
        return;
      }
      kept = index.Narrow(needle.text, keep.data(), from, to, want, needle.whole, digits);
      return;
    }
    mark(needle);
    kept = Combine(keep.data(), hits.data(), count, want ? 0 : 1, false);
  };
  for (std::size_t n = 0; n < needles.size(); ++n) {
    if (n >= tags) {
      narrow(needles[n], n >= tags + filter.excluded.size());
    } else if (filter.mode == MatchMode::All) {
      narrow(needles[n], true);
    } else {
      mark(needles[n]);
      kept = Combine(keep.data(), hits.data(), count, 0, true);
    }
  }
  if (filter.size || filter.modified) {
    for (std::size_t i = 0; i < count; ++i)
      keep[i] =
          keep[i] && from + i < filter.facts.size() && FactsFit(filter, filter.facts[from + i]);
  }
  Collect(keep.data(), count, from, result);
}

// The filter's tags, then those excluded, then the name; each folder's words searched
// once for all the names.
std::vector<Needle> NeedlesOf(const RowFilter& filter, const FolderWords* folders) {
  std::vector<Needle> needles;
  for (const std::string& tag : filter.tags) needles.push_back({LowerCase(tag), filter.words});
  for (const std::string& tag : filter.excluded) needles.push_back({LowerCase(tag), filter.words});
  if (!filter.name.empty()) needles.push_back({LowerCase(filter.name), false, false});
  if (folders) {
    for (Needle& needle : needles)
      if (needle.tag)
        needle.folders = folders->FolderHits(needle.text, needle.whole, filter.digits);
  }
  return needles;
}

// The files from to to that filter keeps, by ApplyTagFilter's rule, in a list with room
// for room files. Names are taken a block at a time: the marks of a block stay in the
// cache and their room is made once, where marks for millions of names would be fresh
// pages on every click.
std::vector<std::size_t> FilterRange(const FilterIndex& index, const RowFilter& filter,
                                     const FolderWords* folders, const std::vector<Needle>& needles,
                                     std::size_t from, std::size_t to, std::size_t block,
                                     std::size_t room) {
  // Room for every file from the start: a page of it costs only once written, where a
  // list that grows copies what it holds into fresh pages each time.
  std::vector<std::size_t> result;
  result.reserve(room);
  std::vector<unsigned char> keep, hits;
  for (std::size_t first = from; first < to; first += block)
    FilterBlock(index, filter, folders, needles, first, std::min(to, first + block), keep, hits,
                result);
  return result;
}

}  // namespace

std::vector<std::size_t> ApplyTagFilter(const FilterIndex& index, const RowFilter& filter,
                                        const FolderWords* folders, std::size_t split,
                                        std::size_t block) {
  if (filter.none) return {};
  block = std::max<std::size_t>(block, 1);
  const std::size_t count = index.size();
  const std::vector<Needle> needles = NeedlesOf(filter, folders);
  std::vector<std::size_t> rows;
  if (count < split) {
    rows = FilterRange(index, filter, folders, needles, 0, count, block, count);
  } else {
    // Two halves side by side: the names and needles are only read, each half marks rows
    // of its own.
    const std::size_t half = count / 2;
    std::vector<std::size_t> upper;
    SideBySide([&] { rows = FilterRange(index, filter, folders, needles, 0, half, block, count); },
               [&] {
                 upper =
                     FilterRange(index, filter, folders, needles, half, count, block, count - half);
               });
    rows.insert(rows.end(), upper.begin(), upper.end());
  }
  // Room kept for every file would be most of the list's when few are kept.
  if (rows.size() < rows.capacity() / 4) rows.shrink_to_fit();
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
