#include "catalogue/filter.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "catalogue/tags.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace velmora::catalogue {

FilterIndex::FilterIndex(const PathList& paths) : count_(paths.size()) {
  // Offsets of word edges are 32-bit: a piece stops short of 4 GiB of names.
  constexpr std::size_t kLargest = std::size_t{UINT32_MAX} - 4096;
  std::size_t i = 0;
  while (i < paths.size()) {
    Piece& piece = *pieces_.emplace_back(std::make_shared<Piece>());
    piece.first = i;
    // Lower case rarely changes a name's length; growing would double the peak.
    std::size_t bytes = 0, end = i;
    for (; end < paths.size() && bytes < kLargest / 2; ++end) bytes += paths.Name(end).size() + 1;
    piece.names.reserve(bytes + bytes / 64);
    piece.starts.reserve(end - i + 1);
    for (; i < end; ++i) piece.Add(paths.Name(i));
    piece.starts.push_back(piece.names.size());
  }
}

void FilterIndex::Piece::Add(std::string_view name) {
  starts.push_back(names.size());
  std::size_t from = 0;
  for (std::size_t i = 1; i < name.size(); ++i) {
    if (name[i] >= 'A' && name[i] <= 'Z' && name[i - 1] >= 'a' && name[i - 1] <= 'z') {
      AppendLowerCase(name.substr(from, i - from), names);
      camel.push_back(static_cast<std::uint32_t>(names.size()));
      from = i;
    }
  }
  AppendLowerCase(name.substr(from), names);
  names.push_back('\0');
}

bool FilterIndex::Piece::Whole(std::size_t at, std::size_t m, std::size_t k) const {
  const auto edge = [&](std::size_t p) {
    return p == starts[k] || p + 1 == starts[k + 1] ||
           IsDelimiter(static_cast<unsigned char>(names[p - 1])) ||
           IsDelimiter(static_cast<unsigned char>(names[p])) ||
           std::binary_search(camel.begin(), camel.end(), static_cast<std::uint32_t>(p));
  };
  return edge(at) && edge(at + m);
}

FilterIndex::FilterIndex(const FilterIndex& other)
    : pieces_(other.pieces_), count_(other.count_), sealed_(other.pieces_.size()) {
  other.sealed_ = sealed_;
}

FilterIndex& FilterIndex::operator=(const FilterIndex& other) {
  if (this != &other) *this = FilterIndex(other);
  return *this;
}

void FilterIndex::Append(FilterIndex&& other) {
  // Small pieces, as files come one by one, join the last piece; large ones stay apart.
  constexpr std::size_t kSmall = std::size_t{1} << 20;
  for (std::size_t k = 0; k < other.pieces_.size(); ++k) {
    std::shared_ptr<Piece>& shared = other.pieces_[k];
    Piece& piece = *shared;
    // A piece a copy of this index holds (a count in the background) is left as it is.
    if (pieces_.size() > sealed_ && pieces_.back()->names.size() + piece.names.size() <= kSmall) {
      Piece& last = *pieces_.back();
      const std::size_t base = last.names.size();
      last.names.append(piece.names);
      for (const std::uint32_t c : piece.camel)
        last.camel.push_back(static_cast<std::uint32_t>(base + c));
      for (std::size_t j = 1; j < piece.starts.size(); ++j)
        last.starts.push_back(base + piece.starts[j]);
    } else {
      piece.first = count_;
      pieces_.push_back(std::move(shared));
      if (k < other.sealed_) sealed_ = pieces_.size();
    }
    count_ = pieces_.back()->first + pieces_.back()->size();
  }
  other = {};
}

const FilterIndex::Piece& FilterIndex::PieceOf(std::size_t i) const {
  const auto after =
      std::upper_bound(pieces_.begin(), pieces_.end(), i,
                       [](std::size_t n, const std::shared_ptr<Piece>& p) { return n < p->first; });
  return **(after - 1);
}

std::string_view FilterIndex::Name(std::size_t i) const {
  const Piece& piece = PieceOf(i);
  return piece.Name(i - piece.first);
}

void FilterIndex::MarkHits(std::string_view needle, std::vector<unsigned char>& hits,
                           bool words) const {
  for (const auto& piece : pieces_) piece->MarkHits(needle, hits.data() + piece->first, words);
}

void FilterIndex::Piece::MarkHits(std::string_view needle, unsigned char* hits,
                                  bool words) const {
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
  // one hit per name is enough (the next byte for a match inside a word).
  const auto hit = [&](std::size_t pos) {
    while (starts[file + 1] <= pos) ++file;
    if (words && !Whole(pos, m, file)) return pos + 1;
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

bool FilterIndex::Hits(std::size_t i, std::string_view needle, bool words) const {
  const Piece& piece = PieceOf(i);
  const std::size_t k = i - piece.first;
  const std::string_view name = piece.Name(k);
  if (needle.empty()) return !name.empty();
  for (std::size_t at = name.find(needle); at != std::string_view::npos;
       at = name.find(needle, at + 1)) {
    if (!words || piece.Whole(piece.starts[k] + at, needle.size(), k)) return true;
  }
  return false;
}

std::vector<std::size_t> ApplyTagFilter(const FilterIndex& index,
                                        const std::vector<std::string>& tags, MatchMode mode,
                                        const std::vector<std::string>& excluded) {
  RowFilter filter;
  filter.tags = tags;
  filter.excluded = excluded;
  filter.mode = mode;
  return ApplyTagFilter(index, filter);
}

std::vector<std::size_t> ApplyTagFilter(const FilterIndex& index, const RowFilter& filter) {
  const auto& [tags, excluded, mode, words, name] = filter;
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
        if (keep[i]) kept += keep[i] = index.Hits(i, needle, whole) == want;
      }
      return;
    }
    hits.assign(count, 0);
    index.MarkHits(needle, hits, whole);
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
    index.MarkHits(needle, hits, words);
    kept = 0;
    for (std::size_t i = 0; i < count; ++i) {
      keep[i] = keep[i] | hits[i];
      kept += keep[i];
    }
  }
  for (const std::string& tag : excluded) narrow(LowerCase(tag), false, words);
  if (!name.empty()) narrow(LowerCase(name), true, false);
  std::vector<std::size_t> result;
  result.reserve(kept);
  for (std::size_t i = 0; i < count; ++i) {
    if (keep[i]) result.push_back(i);
  }
  return result;
}

std::vector<TagHits> CountTagHits(const FilterIndex& index, const std::vector<std::string>& tags,
                                  std::span<const std::size_t> kept, std::stop_token stop,
                                  bool words) {
  // An Aho-Corasick automaton over the lower-cased tags, its moves in one dense table.
  // Bytes that no tag holds share column 0, which leads back to the start.
  constexpr std::uint32_t kNever = UINT32_MAX;  // a tag holding NUL hits nothing
  std::vector<std::string> needles;
  needles.reserve(tags.size());
  std::array<std::uint32_t, 256> column{};
  std::uint32_t columns = 1;
  // Building looks for a stop as often as counting does: the owner waits for a stopped
  // count, and the automaton of many thousand tags (a panel of /) takes a while to build.
  for (const std::string& tag : tags) {
    if (needles.size() % 1024 == 0 && stop.stop_requested()) return {};
    needles.push_back(LowerCase(tag));
    for (const unsigned char c : needles.back())
      if (column[c] == 0) column[c] = columns++;
  }
  // Each row ends with one more entry, set once the moves are known: the row's out state.
  const std::uint32_t width = columns + 1;
  std::vector<std::uint32_t> go(width, 0);  // the root's row; 0 is "no child" while building
  std::uint32_t states = 1;
  std::vector<std::uint32_t> depth(1, 0);  // each state's length
  std::vector<std::uint32_t> nodeOf;       // each tag's state; the root for an empty tag
  nodeOf.reserve(tags.size());
  for (const std::string& needle : needles) {
    if (nodeOf.size() % 1024 == 0 && stop.stop_requested()) return {};
    if (needle.find('\0') != std::string::npos) {
      nodeOf.push_back(kNever);
      continue;
    }
    std::uint32_t s = 0;
    for (const unsigned char c : needle) {
      std::uint32_t child = go[std::size_t{s} * width + column[c]];
      if (child == 0) {
        child = states++;
        go[std::size_t{s} * width + column[c]] = child;
        go.resize(std::size_t{states} * width, 0);
        depth.push_back(depth[s] + 1);
      }
      s = child;
    }
    nodeOf.push_back(s);
  }
  std::vector<unsigned char> ends(states, 0);
  for (const std::uint32_t s : nodeOf)
    if (s != kNever && s != 0) ends[s] = 1;

  // out[s]: the nearest state on s's suffix chain, itself first, where a tag ends (0: none);
  // link[t]: the next such state after the tag end t.
  std::vector<std::uint32_t> fail(states, 0), out(states, 0), link(states, 0), queue;
  queue.reserve(states);
  for (std::uint32_t c = 0; c < columns; ++c)
    if (go[c] != 0) queue.push_back(go[c]);
  for (std::size_t q = 0; q < queue.size(); ++q) {
    if (q % 4096 == 0 && stop.stop_requested()) return {};
    const std::uint32_t s = queue[q];
    link[s] = out[fail[s]];
    out[s] = ends[s] ? s : link[s];
    std::uint32_t* row = go.data() + std::size_t{s} * width;
    const std::uint32_t* fallback = go.data() + std::size_t{fail[s]} * width;
    for (std::uint32_t c = 0; c < columns; ++c) {
      if (row[c] != 0) {
        fail[row[c]] = fallback[c];
        queue.push_back(row[c]);
      } else {
        row[c] = fallback[c];
      }
    }
  }
  // Moves lead to where a state's row starts, saving a multiplication on every byte.
  for (std::uint32_t s = 0; s < states; ++s) {
    if (s % 4096 == 0 && stop.stop_requested()) return {};
    std::uint32_t* row = go.data() + std::size_t{s} * width;
    for (std::uint32_t c = 0; c < columns; ++c) row[c] *= width;
    row[columns] = out[s];
  }

  // Each tag end counts a name once: the first time in it marks it with the name, and a
  // marked end's chain was followed then.
  std::vector<std::size_t> seen(states, 0), all(states, 0), inKept(states, 0);
  std::size_t named = 0, namedKept = 0;  // what an empty tag hits
  auto nextKept = kept.begin();
  for (const auto& shared : index.pieces_) {
    const FilterIndex::Piece& piece = *shared;
    const auto* names = reinterpret_cast<const unsigned char*>(piece.names.data());
    for (std::size_t k = 0; k < piece.size(); ++k) {
      const std::size_t i = piece.first + k;
      if (i % 4096 == 0 && stop.stop_requested()) return {};
      while (nextKept != kept.end() && *nextKept < i) ++nextKept;
      const bool isKept = nextKept != kept.end() && *nextKept == i;
      const std::size_t mark = i + 1;
      const unsigned char* p = names + piece.starts[k];
      const unsigned char* end = names + piece.starts[k + 1] - 1;
      if (p != end) {
        ++named;
        namedKept += isKept;
      }
      std::uint32_t row = 0;
      const auto count = [&](std::uint32_t t) {
        seen[t] = mark;
        ++all[t];
        inKept[t] += isKept;
      };
      for (; p != end; ++p) {
        row = go[row + column[*p]];
        if (!words) {
          for (std::uint32_t t = go[row + columns]; t != 0 && seen[t] != mark; t = link[t])
            count(t);
          continue;
        }
        // A shorter tag on the chain may be whole here though it was not before.
        const auto at = static_cast<std::size_t>(p - names) + 1;
        for (std::uint32_t t = go[row + columns]; t != 0; t = link[t]) {
          if (seen[t] != mark && piece.Whole(at - depth[t], depth[t], k)) count(t);
        }
      }
    }
  }
  std::vector<TagHits> hits;
  hits.reserve(tags.size());
  for (const std::uint32_t s : nodeOf) {
    if (s == kNever)
      hits.push_back({});
    else if (s == 0)
      hits.push_back({named, namedKept});
    else
      hits.push_back({all[s], inKept[s]});
  }
  return hits;
}

}  // namespace velmora::catalogue
