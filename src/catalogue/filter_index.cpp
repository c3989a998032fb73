#include "catalogue/filter_index.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "catalogue/filter.h"
#include "catalogue/tags.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define VELMORA_WIDE_SEARCH 1
#endif

namespace velmora::catalogue {
namespace {

// Offsets are 32-bit: a piece's text stops short of 4 GiB.
constexpr std::size_t kLargest = std::size_t{UINT32_MAX} - 1;

bool IsSmall(unsigned char c) { return c >= 'a' && c <= 'z'; }

#if defined(VELMORA_WIDE_SEARCH)
// Whether this processor compares 32 bytes at once.
bool Wide() {
  static const bool wide = __builtin_cpu_supports("avx2");
  return wide;
}

// Search's first part, 32 positions at a time, for processors that can: returns where it
// stopped, fewer than 32 positions before the end.
template <bool kFold, class Middle, class Hit>
__attribute__((target("avx2"))) std::size_t SearchWide(const char* data, std::size_t size,
                                                       std::string_view needle, std::size_t pos,
                                                       Middle& middle, Hit& hit) {
  const std::size_t m = needle.size();
  const auto fold = [](char c) { return static_cast<char>(kFold && IsSmall(c) ? 0x20 : 0); };
  const __m256i firstByte = _mm256_set1_epi8(needle.front());
  const __m256i lastByte = _mm256_set1_epi8(needle.back());
  const __m256i firstFold = _mm256_set1_epi8(fold(needle.front()));
  const __m256i lastFold = _mm256_set1_epi8(fold(needle.back()));
  while (pos + m - 1 + 32 <= size) {
    const __m256i a = _mm256_or_si256(
        _mm256_loadu_si256(reinterpret_cast<const __m256i*>(data + pos)), firstFold);
    const __m256i b = _mm256_or_si256(
        _mm256_loadu_si256(reinterpret_cast<const __m256i*>(data + pos + m - 1)), lastFold);
    auto mask = static_cast<unsigned>(_mm256_movemask_epi8(
        _mm256_and_si256(_mm256_cmpeq_epi8(a, firstByte), _mm256_cmpeq_epi8(b, lastByte))));
    std::size_t next = pos + 32;
    while (mask != 0) {
      const std::size_t at = pos + static_cast<std::size_t>(__builtin_ctz(mask));
      if (middle(at)) {
        next = hit(at);
        break;
      }
      mask &= mask - 1;
    }
    pos = next;
  }
  return pos;
}
#endif

// Calls hit(at) for where needle occurs in text, from pos on; hit returns where the
// search goes on. With kFold, ASCII capitals of text match needle's small letters.
template <bool kFold, class Hit>
void Search(std::string_view text, std::string_view needle, Hit&& hit, std::size_t pos = 0) {
  const char* data = text.data();
  const std::size_t size = text.size();
  const std::size_t m = needle.size();
  const auto byte = [&](std::size_t at) {
    const auto c = static_cast<unsigned char>(data[at]);
    return kFold ? FoldAscii(c) : c;
  };
  // Whether the bytes between the first and the last match.
  const auto middle = [&](std::size_t at) {
    if (m <= 2) return true;
    if constexpr (!kFold) return std::memcmp(data + at + 1, needle.data() + 1, m - 2) == 0;
    for (std::size_t i = 1; i + 1 < m; ++i)
      if (byte(at + i) != static_cast<unsigned char>(needle[i])) return false;
    return true;
  };
#if defined(VELMORA_WIDE_SEARCH)
  if (Wide()) pos = SearchWide<kFold>(data, size, needle, pos, middle, hit);
#endif
#if defined(__SSE2__)
  // Compare the needle's first and last byte at 16 positions at once; only where both
  // agree are the bytes between compared. A capital differs from its small letter in
  // one bit, set in the text's bytes before comparing with a small letter.
  const auto fold = [](char c) { return static_cast<char>(kFold && IsSmall(c) ? 0x20 : 0); };
  const __m128i firstByte = _mm_set1_epi8(needle.front());
  const __m128i lastByte = _mm_set1_epi8(needle.back());
  const __m128i firstFold = _mm_set1_epi8(fold(needle.front()));
  const __m128i lastFold = _mm_set1_epi8(fold(needle.back()));
  while (pos + m - 1 + 16 <= size) {
    const __m128i a =
        _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(data + pos)), firstFold);
    const __m128i b = _mm_or_si128(
        _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + pos + m - 1)), lastFold);
    auto mask = static_cast<unsigned>(_mm_movemask_epi8(
        _mm_and_si128(_mm_cmpeq_epi8(a, firstByte), _mm_cmpeq_epi8(b, lastByte))));
    std::size_t next = pos + 16;
    while (mask != 0) {
      const std::size_t at = pos + static_cast<std::size_t>(__builtin_ctz(mask));
      if (middle(at)) {
        next = hit(at);
        break;
      }
      mask &= mask - 1;
    }
    pos = next;
  }
#endif
  const auto first = static_cast<unsigned char>(needle.front());
  const auto last = static_cast<unsigned char>(needle.back());
  while (pos + m <= size) {
    if (byte(pos) == first && byte(pos + m - 1) == last && middle(pos))
      pos = hit(pos);
    else
      ++pos;
  }
}

}  // namespace

int CompareFolded(std::string_view a, std::string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const unsigned char x = FoldAscii(static_cast<unsigned char>(a[i]));
    const unsigned char y = FoldAscii(static_cast<unsigned char>(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}

void FilterIndex::Text::Add(std::string_view name) {
  bytes.append(name);
  bytes.push_back('\0');
  starts.push_back(static_cast<std::uint32_t>(bytes.size()));
}

void FilterIndex::Text::Append(const Text& other) {
  const std::size_t base = bytes.size();
  bytes.append(other.bytes);
  for (std::size_t j = 1; j < other.starts.size(); ++j)
    starts.push_back(static_cast<std::uint32_t>(base + other.starts[j]));
}

namespace {

// How the words of a text's names are cut: where lower case hid edges in it (after a
// small letter, after a digit), none for names as they are, whose capitals show them; and
// the rule for digits.
struct Cut {
  const std::vector<std::uint32_t>* camel = nullptr;
  const std::vector<std::uint32_t>* digitCamel = nullptr;
  Digits digits = Digits::Split;
};

// Whether byte p of name k of text starts or ends a word.
template <class Text>
bool Edge(const Text& text, const Cut& cut, std::size_t p, std::size_t k) {
  const auto* b = reinterpret_cast<const unsigned char*>(text.bytes.data());
  if (p == text.starts[k] || p + 1 == text.starts[k + 1]) return true;
  const std::array<bool, 256>& delimiter = Delimiters(cut.digits);
  if (delimiter[b[p - 1]] || delimiter[b[p]]) return true;
  if (cut.camel == nullptr) {
    const std::string_view name(text.bytes.data() + text.starts[k],
                                text.starts[k + 1] - 1 - text.starts[k]);
    const std::size_t i = p - text.starts[k];
    return cut.digits == Digits::Keep ? CamelEdge<Digits::Keep>(name, i)
                                      : CamelEdge<Digits::Split>(name, i);
  }
  const auto at = static_cast<std::uint32_t>(p);
  return std::binary_search(cut.camel->begin(), cut.camel->end(), at) ||
         (cut.digits == Digits::Keep &&
          std::binary_search(cut.digitCamel->begin(), cut.digitCamel->end(), at));
}

template <class Text>
bool Whole(const Text& text, const Cut& cut, std::size_t at, std::size_t m, std::size_t k) {
  return Edge(text, cut, at, k) && Edge(text, cut, at + m, k);
}

// Calls mark(k) once for each name k of text in [from, to) that holds needle (whole,
// with words).
template <bool kFold, class Text, class Mark>
void MarkIn(const Text& text, const Cut& cut, std::string_view needle, bool words, std::size_t from,
            std::size_t to, Mark&& mark) {
  std::size_t file = from;  // the name holding pos; only moves forward
  // One hit per name is enough: the search goes on at the next name (at the next byte
  // for a match inside a word).
  Search<kFold>(
      std::string_view(text.bytes).substr(0, text.starts[to]), needle,
      [&](std::size_t pos) {
        while (text.starts[file + 1] <= pos) ++file;
        if (words && !Whole(text, cut, pos, needle.size(), file)) return pos + 1;
        mark(file);
        return std::size_t{text.starts[file + 1]};
      },
      text.starts[from]);
}

}  // namespace

const std::uint32_t* FilterIndex::Piece::Odd(std::size_t k) const {
  if (odd.empty()) return nullptr;
  const auto at = std::lower_bound(odd.begin(), odd.end(), static_cast<std::uint32_t>(k));
  return at != odd.end() && *at == k ? &*at : nullptr;
}

void FilterIndex::Piece::Add(std::string_view name) {
  names.Add(name);
  // Only bytes beyond ASCII can have a lower case beyond ASCII's.
  if (std::all_of(name.begin(), name.end(), [](char c) { return (c & 0x80) == 0; })) return;
  std::string lowered;
  AppendLowerCase(name, lowered);
  if (lowered.size() == name.size() &&
      std::equal(name.begin(), name.end(), lowered.begin(), [](char a, char b) {
        return FoldAscii(static_cast<unsigned char>(a)) == static_cast<unsigned char>(b);
      }))
    return;
  odd.push_back(static_cast<std::uint32_t>(names.size() - 1));
  std::size_t from = 0;
  for (std::size_t i = 1; i < name.size(); ++i) {
    const bool small = CamelEdge<Digits::Split>(name, i);
    if (!small && !CamelEdge<Digits::Keep>(name, i)) continue;
    AppendLowerCase(name.substr(from, i - from), lower.bytes);
    (small ? camel : digitCamel).push_back(static_cast<std::uint32_t>(lower.bytes.size()));
    from = i;
  }
  AppendLowerCase(name.substr(from), lower.bytes);
  lower.bytes.push_back('\0');
  lower.starts.push_back(static_cast<std::uint32_t>(lower.bytes.size()));
}

void FilterIndex::Piece::Append(const Piece& other) {
  for (const std::uint32_t k : other.odd) odd.push_back(static_cast<std::uint32_t>(size() + k));
  for (const std::uint32_t c : other.camel)
    camel.push_back(static_cast<std::uint32_t>(lower.bytes.size() + c));
  for (const std::uint32_t c : other.digitCamel)
    digitCamel.push_back(static_cast<std::uint32_t>(lower.bytes.size() + c));
  names.Append(other.names);
  lower.Append(other.lower);
}

FilterIndex::FilterIndex(const FilterIndex& other) : count_(other.count_) {
  other.Shrink();  // a piece that will not grow keeps no room to
  pieces_ = other.pieces_;
  firsts_ = other.firsts_;
  sealed_ = other.sealed_ = pieces_.size();
}

FilterIndex& FilterIndex::operator=(const FilterIndex& other) {
  if (this != &other) *this = FilterIndex(other);
  return *this;
}

void FilterIndex::Add(std::string_view name) {
  // Lower case may take up to three times the bytes (Ⱥ to ⱥ, in the worst case).
  if (pieces_.size() <= sealed_ || pieces_.back()->names.bytes.size() + name.size() >= kLargest ||
      pieces_.back()->lower.bytes.size() + 3 * name.size() >= kLargest) {
    Shrink();
    pieces_.push_back(std::make_shared<Piece>());
    firsts_.push_back(count_);
  }
  pieces_.back()->Add(name);
  ++count_;
}

void FilterIndex::Append(FilterIndex&& other) {
  // Small pieces, as files come one by one, join the last piece; large ones stay apart.
  constexpr std::size_t kSmall = std::size_t{1} << 20;
  for (std::size_t k = 0; k < other.pieces_.size(); ++k) {
    std::shared_ptr<Piece>& shared = other.pieces_[k];
    Piece& piece = *shared;
    // A piece a copy of this index holds (a count in the background) is left as it is.
    if (pieces_.size() > sealed_ && k >= other.sealed_ &&
        pieces_.back()->names.bytes.size() + piece.names.bytes.size() <= kSmall &&
        pieces_.back()->lower.bytes.size() + piece.lower.bytes.size() <= kSmall) {
      pieces_.back()->Append(piece);
    } else {
      Shrink();
      firsts_.push_back(count_);
      pieces_.push_back(std::move(shared));
      if (k < other.sealed_) sealed_ = pieces_.size();
    }
    count_ = firsts_.back() + pieces_.back()->size();
  }
  other = {};
}

void FilterIndex::Shrink() const {
  if (pieces_.size() <= sealed_) return;  // a copy may be reading it
  Piece& piece = *pieces_.back();
  piece.names.bytes.shrink_to_fit();
  piece.names.starts.shrink_to_fit();
  piece.odd.shrink_to_fit();
  piece.lower.bytes.shrink_to_fit();
  piece.lower.starts.shrink_to_fit();
  piece.camel.shrink_to_fit();
  piece.digitCamel.shrink_to_fit();
}

std::size_t FilterIndex::PieceAt(std::size_t i) const {
  return static_cast<std::size_t>(std::upper_bound(firsts_.begin(), firsts_.end(), i) -
                                  firsts_.begin()) -
         1;
}

std::string_view FilterIndex::Name(std::size_t i) const {
  const std::size_t p = PieceAt(i);
  return pieces_[p]->names.Name(i - firsts_[p]);
}

std::string_view FilterIndex::Folded(std::size_t i) const {
  const std::size_t p = PieceAt(i);
  const Piece& piece = *pieces_[p];
  const std::size_t k = i - firsts_[p];
  if (const std::uint32_t* odd = piece.Odd(k))
    return piece.lower.Name(static_cast<std::size_t>(odd - piece.odd.data()));
  return piece.names.Name(k);
}

void FilterIndex::MarkHits(std::string_view needle, std::vector<unsigned char>& hits, bool words,
                           Digits digits) const {
  MarkHits(needle, hits.data(), 0, count_, words, digits);
}

void FilterIndex::MarkHits(std::string_view needle, unsigned char* hits, std::size_t from,
                           std::size_t to, bool words, Digits digits) const {
  if (from >= to) return;
  for (std::size_t p = PieceAt(from); p < pieces_.size() && firsts_[p] < to; ++p) {
    const std::size_t first = std::max(from, firsts_[p]);
    const std::size_t end = std::min(to, firsts_[p] + pieces_[p]->size());
    pieces_[p]->MarkHits(needle, hits + (first - from), first - firsts_[p], end - firsts_[p], words,
                         digits);
  }
}

void FilterIndex::Piece::MarkHits(std::string_view needle, unsigned char* hits, std::size_t from,
                                  std::size_t to, bool words, Digits digits) const {
  if (needle.empty()) {
    for (std::size_t k = from; k < to; ++k)
      hits[k - from] |= names.starts[k + 1] - names.starts[k] > 1;
    return;
  }
  // A NUL in the needle could match across two names.
  if (needle.find('\0') != std::string_view::npos) return;
  const auto oddFrom = std::lower_bound(odd.begin(), odd.end(), from);
  const auto oddTo = std::lower_bound(oddFrom, odd.end(), to);
  // Names are marked in order: the next odd one is followed along rather than looked up.
  auto nextOdd = oddFrom;
  MarkIn<true>(names, Cut{.digits = digits}, needle, words, from, to, [&](std::size_t k) {
    while (nextOdd != oddTo && *nextOdd < k) ++nextOdd;
    if (nextOdd == oddTo || *nextOdd != k) hits[k - from] = 1;
  });
  if (oddFrom != oddTo)
    MarkIn<false>(lower, Cut{&camel, &digitCamel, digits}, needle, words,
                  static_cast<std::size_t>(oddFrom - odd.begin()),
                  static_cast<std::size_t>(oddTo - odd.begin()),
                  [&](std::size_t j) { hits[odd[j] - from] = 1; });
}

bool FilterIndex::Piece::Holds(std::size_t k, const std::uint32_t* place, std::string_view needle,
                               bool words, Digits digits) const {
  const Text& text = place != nullptr ? lower : names;
  const std::size_t n = place != nullptr ? static_cast<std::size_t>(place - odd.data()) : k;
  const Cut cut = place != nullptr ? Cut{&camel, &digitCamel, digits} : Cut{.digits = digits};
  const std::string_view name = text.Name(n);
  if (needle.empty()) return !name.empty();
  bool found = false;
  const auto hit = [&](std::size_t at) {
    if (words && !Whole(text, cut, text.starts[n] + at, needle.size(), n)) return at + 1;
    found = true;
    return name.size();
  };
  if (place != nullptr)
    Search<false>(name, needle, hit);
  else
    Search<true>(name, needle, hit);
  return found;
}

bool FilterIndex::Hits(std::size_t i, std::string_view needle, bool words, Digits digits) const {
  const std::size_t p = PieceAt(i);
  const Piece& piece = *pieces_[p];
  const std::size_t k = i - firsts_[p];
  return piece.Holds(k, piece.Odd(k), needle, words, digits);
}

std::size_t FilterIndex::Narrow(std::string_view needle, unsigned char* keep, std::size_t from,
                                std::size_t to, bool want, bool words, Digits digits) const {
  std::size_t kept = 0;
  if (from >= to) return kept;
  for (std::size_t p = PieceAt(from); p < pieces_.size() && firsts_[p] < to; ++p) {
    const Piece& piece = *pieces_[p];
    const std::size_t first = std::max(from, firsts_[p]) - firsts_[p];
    const std::size_t end = std::min(to, firsts_[p] + piece.size()) - firsts_[p];
    unsigned char* at = keep + (firsts_[p] + first - from);
    // Names in order: the next odd one is followed along rather than looked up.
    auto nextOdd = std::lower_bound(piece.odd.begin(), piece.odd.end(), first);
    for (std::size_t k = first; k < end; ++k, ++at) {
      if (*at == 0) continue;
      while (nextOdd != piece.odd.end() && *nextOdd < k) ++nextOdd;
      const std::uint32_t* odd = nextOdd != piece.odd.end() && *nextOdd == k ? &*nextOdd : nullptr;
      *at = piece.Holds(k, odd, needle, words, digits) == want;
      kept += *at;
    }
  }
  return kept;
}

std::vector<TagHits> CountTagHits(const FilterIndex& index, const std::vector<std::string>& tags,
                                  const FileSet& kept, std::stop_token stop, bool words,
                                  Digits digits, const FolderWords* folders, std::size_t split,
                                  const FileSet* gone) {
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
  // Names are read as they are: a capital moves as its small letter does.
  for (unsigned char c = 'A'; c <= 'Z'; ++c) column[c] = column[FoldAscii(c)];
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
  // Moves lead to where a state's row starts, saving a multiplication on every byte, shifted
  // up one bit that tells whether a tag ends there, saving a look at the row's end.
  for (std::uint32_t s = 0; s < states; ++s) {
    if (s % 4096 == 0 && stop.stop_requested()) return {};
    std::uint32_t* row = go.data() + std::size_t{s} * width;
    for (std::uint32_t c = 0; c < columns; ++c) row[c] = row[c] * width * 2 + (out[row[c]] != 0);
    row[columns] = out[s];
  }

  // Calls name(i, text, cut, n) for each name i of ix from..to-1: name n of text, cut by
  // cut. An odd name is walked in its lower case; the others as they are, capitals moving
  // as small letters do.
  const auto eachName = [&](const FilterIndex& ix, std::size_t from, std::size_t to, auto&& name) {
    for (std::size_t number = 0; number < ix.pieces_.size(); ++number) {
      const FilterIndex::Piece& piece = *ix.pieces_[number];
      const std::size_t first = ix.firsts_[number];
      if (first >= to) break;
      if (first + piece.size() <= from) continue;
      const std::size_t start = from > first ? from - first : 0;
      auto nextOdd = std::lower_bound(piece.odd.begin(), piece.odd.end(), start);
      for (std::size_t k = start; k < piece.size() && first + k < to; ++k) {
        const std::size_t i = first + k;
        if (i % 4096 == 0 && stop.stop_requested()) return false;
        const bool odd = nextOdd != piece.odd.end() && *nextOdd == k;
        const std::size_t n = odd ? static_cast<std::size_t>(nextOdd++ - piece.odd.begin()) : k;
        name(i, odd ? piece.lower : piece.names,
             odd ? Cut{&piece.camel, &piece.digitCamel, digits} : Cut{.digits = digits}, n);
      }
    }
    return true;
  };
  // Calls hit(t) for each tag end t in name n of text that seen does not mark with mark;
  // hit marks it. A marked end's chain was followed when it was marked.
  const auto walk = [&](const FilterIndex::Text& text, const Cut& cut, std::size_t n,
                        std::size_t mark, const std::vector<std::size_t>& seen, auto&& hit) {
    const auto* names = reinterpret_cast<const unsigned char*>(text.bytes.data());
    const unsigned char* end = names + text.starts[n + 1] - 1;
    std::uint32_t row = 0;
    const unsigned char* p = names + text.starts[n];
    if (!words) {
      // Where a tag ends is noted without a branch, which would guess wrong at every other
      // word, and the ends are followed after a stretch of bytes.
      std::array<std::uint32_t, 256> tagEnds;
      while (p != end) {
        const unsigned char* stretch = end - p > 256 ? p + 256 : end;
        std::size_t found = 0;
        for (; p != stretch; ++p) {
          const std::uint32_t move = go[row + column[*p]];
          row = move >> 1;
          tagEnds[found] = row;
          found += move & 1;
        }
        for (std::size_t k = 0; k < found; ++k) {
          for (std::uint32_t t = go[tagEnds[k] + columns]; t != 0 && seen[t] != mark; t = link[t])
            hit(t);
        }
      }
      return;
    }
    for (; p != end; ++p) {
      row = go[row + column[*p]] >> 1;
      // A shorter tag on the chain may be whole here though it was not before.
      const auto at = static_cast<std::size_t>(p - names) + 1;
      for (std::uint32_t t = go[row + columns]; t != 0; t = link[t]) {
        if (seen[t] != mark && Whole(text, cut, at - depth[t], depth[t], n)) hit(t);
      }
    }
  };

  // The tag ends each folder's words hold, found once for all of its files.
  std::vector<std::vector<std::uint32_t>> inFolder;
  if (folders != nullptr) {
    inFolder.resize(folders->Below().size());
    std::vector<std::size_t> seen(states, 0);
    const bool whole =
        eachName(folders->Below(), 0, folders->Below().size(),
                 [&](std::size_t f, const FilterIndex::Text& text, const Cut& cut, std::size_t n) {
                   walk(text, cut, n, f + 1, seen, [&](std::uint32_t t) {
                     seen[t] = f + 1;
                     inFolder[f].push_back(t);
                   });
                 });
    if (!whole) return {};
  }
  // What the names from..to-1 hit, by tag end; named: those not empty, which an empty tag hits.
  struct Tally {
    std::vector<std::size_t> all, inKept;
    std::size_t named = 0, namedKept = 0;
  };
  const auto tally = [&](std::size_t from, std::size_t to, Tally& into) {
    into.all.assign(states, 0), into.inKept.assign(states, 0);
    auto run = folders ? folders->Runs().begin() : std::vector<FolderWords::Run>::const_iterator();
    const auto runsEnd = folders ? folders->Runs().end() : run;
    // Each tag end counts a name once: the first time in it marks it with the name.
    std::vector<std::size_t> seen(states, 0);
    return eachName(
        index, from, to,
        [&](std::size_t i, const FilterIndex::Text& text, const Cut& cut, std::size_t n) {
          if (gone && gone->Holds(i)) return;  // listed until the names are read again
          const bool isKept = kept.Holds(i);
          const std::size_t mark = i + 1;
          if (text.starts[n + 1] - text.starts[n] > 1) {
            ++into.named;
            into.namedKept += isKept;
          }
          const auto count = [&](std::uint32_t t) {
            seen[t] = mark;
            ++into.all[t];
            into.inKept[t] += isKept;
          };
          while (run != runsEnd && run->end <= i) ++run;
          if (run != runsEnd && run->first <= i) {
            for (const std::uint32_t t : inFolder[run->folder])
              if (seen[t] != mark) count(t);
          }
          walk(text, cut, n, mark, seen, count);
        });
  };
  // Two halves side by side, as the filter searches them: the names are only read.
  const std::size_t size = index.size(), half = size < split ? size : size / 2;
  Tally low, high;
  bool lowWhole = false, highWhole = true;
  const auto countLow = [&] { lowWhole = tally(0, half, low); };
  if (half < size) {
    SideBySide(countLow, [&] { highWhole = tally(half, size, high); });
  } else {
    countLow();
  }
  if (!lowWhole || !highWhole) return {};
  std::vector<std::size_t>& all = low.all;
  std::vector<std::size_t>& inKept = low.inKept;
  for (std::size_t t = 0; t < high.all.size(); ++t)
    all[t] += high.all[t], inKept[t] += high.inKept[t];
  const std::size_t named = low.named + high.named, namedKept = low.namedKept + high.namedKept;
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
