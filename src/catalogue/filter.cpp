#include "catalogue/filter.h"

#include <algorithm>
#include <cstring>

#include "catalogue/tags.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace velmora::catalogue {

FilterIndex::FilterIndex(const PathList& paths) : count_(paths.size()) {
  if (paths.empty()) return;
  Piece& piece = pieces_.emplace_back();
  // Lower case rarely changes a name's length; growing would double the peak.
  std::size_t bytes = 0;
  for (std::size_t i = 0; i < paths.size(); ++i) bytes += paths.Name(i).size() + 1;
  piece.names.reserve(bytes + bytes / 64);
  piece.starts.reserve(paths.size() + 1);
  for (std::size_t i = 0; i < paths.size(); ++i) {
    piece.starts.push_back(piece.names.size());
    AppendLowerCase(paths.Name(i), piece.names);
    piece.names.push_back('\0');
  }
  piece.starts.push_back(piece.names.size());
}

void FilterIndex::Append(FilterIndex&& other) {
  // Small pieces, as files come one by one, join the last piece; large ones stay apart.
  constexpr std::size_t kSmall = std::size_t{1} << 20;
  for (Piece& piece : other.pieces_) {
    if (!pieces_.empty() && pieces_.back().names.size() + piece.names.size() <= kSmall) {
      Piece& last = pieces_.back();
      const std::size_t base = last.names.size();
      last.names.append(piece.names);
      for (std::size_t k = 1; k < piece.starts.size(); ++k)
        last.starts.push_back(base + piece.starts[k]);
    } else {
      piece.first = count_;
      pieces_.push_back(std::move(piece));
    }
    count_ = pieces_.back().first + pieces_.back().size();
  }
  other = {};
}

const FilterIndex::Piece& FilterIndex::PieceOf(std::size_t i) const {
  const auto after = std::upper_bound(pieces_.begin(), pieces_.end(), i,
                                      [](std::size_t n, const Piece& p) { return n < p.first; });
  return *(after - 1);
}

std::string_view FilterIndex::Name(std::size_t i) const {
  const Piece& piece = PieceOf(i);
  return piece.Name(i - piece.first);
}

void FilterIndex::MarkHits(std::string_view needle, std::vector<unsigned char>& hits) const {
  for (const Piece& piece : pieces_) piece.MarkHits(needle, hits.data() + piece.first);
}

void FilterIndex::Piece::MarkHits(std::string_view needle, unsigned char* hits) const {
  const std::size_t count = size();
  if (needle.empty()) {
    for (std::size_t i = 0; i < count; ++i) hits[i] |= starts[i + 1] - starts[i] > 1;
    return;
  }
  // A NUL in the needle could match across two names.
  if (needle.find('\0') != std::string_view::npos) return;

  const char* data = names.data();
  const std::size_t size = names.size();
  const std::size_t m = needle.size();
  std::size_t file = 0;  // the name holding pos; only moves forward
  // Records a match at pos, and returns where the search goes on: the next name, since
  // one hit per name is enough.
  const auto hit = [&](std::size_t pos) {
    while (starts[file + 1] <= pos) ++file;
    hits[file] = 1;
    return starts[file + 1];
  };

  std::size_t pos = 0;
#if defined(__SSE2__)
  // Compare the needle's first and last byte at 16 positions at once; only where
  // both agree are the bytes between compared.
  const __m128i firstByte = _mm_set1_epi8(needle.front());
  const __m128i lastByte = _mm_set1_epi8(needle.back());
  while (pos + m - 1 + 16 <= size) {
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + pos));
    const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + pos + m - 1));
    auto mask = static_cast<unsigned>(_mm_movemask_epi8(
        _mm_and_si128(_mm_cmpeq_epi8(a, firstByte), _mm_cmpeq_epi8(b, lastByte))));
    std::size_t next = pos + 16;
    while (mask != 0) {
      const std::size_t at = pos + static_cast<std::size_t>(__builtin_ctz(mask));
      if (m <= 2 || std::memcmp(data + at + 1, needle.data() + 1, m - 2) == 0) {
        next = hit(at);
        break;
      }
      mask &= mask - 1;
    }
    pos = next;
  }
#endif
  while (pos + m <= size) {
    const auto found = std::string_view(data + pos, size - pos).find(needle);
    if (found == std::string_view::npos) break;
    pos = hit(pos + found);
  }
}

bool FilterIndex::Hits(std::size_t i, std::string_view needle) const {
  const std::string_view name = Name(i);
  if (needle.empty()) return !name.empty();
  return name.find(needle) != std::string_view::npos;
}

std::vector<std::size_t> ApplyTagFilter(const FilterIndex& index,
                                        const std::vector<std::string>& tags, MatchMode mode,
                                        const std::vector<std::string>& excluded) {
  const std::size_t count = index.size();
  // Only excluding means every file but those.
  const bool startFull = mode == MatchMode::All || (tags.empty() && !excluded.empty());
  std::vector<unsigned char> keep(count, startFull ? 1 : 0);
  std::size_t kept = startFull ? count : 0;
  std::vector<unsigned char> hits;
  // Keeps the files kept so far whose names hit needle (or, with want false, do not).
  const auto narrow = [&](const std::string& needle, bool want) {
    if (kept < count / 8) {
      // Few files left: test them one by one rather than search every name again.
      kept = 0;
      for (std::size_t i = 0; i < count; ++i) {
        if (keep[i]) kept += keep[i] = index.Hits(i, needle) == want;
      }
      return;
    }
    hits.assign(count, 0);
    index.MarkHits(needle, hits);
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
      narrow(needle, true);
      continue;
    }
    hits.assign(count, 0);
    index.MarkHits(needle, hits);
    kept = 0;
    for (std::size_t i = 0; i < count; ++i) {
      keep[i] = keep[i] | hits[i];
      kept += keep[i];
    }
  }
  for (const std::string& tag : excluded) narrow(LowerCase(tag), false);
  std::vector<std::size_t> result;
  result.reserve(kept);
  for (std::size_t i = 0; i < count; ++i) {
    if (keep[i]) result.push_back(i);
  }
  return result;
}

}  // namespace velmora::catalogue
