#include "catalogue/filter.h"

#include <cstring>

#include "catalogue/tags.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace velmora::catalogue {

FilterIndex::FilterIndex(const PathList& paths) {
  std::size_t bytes =
      0;  // lower case rarely changes a name's length; growing would double the peak
  for (std::size_t i = 0; i < paths.size(); ++i) bytes += paths.Name(i).size() + 1;
  names_.reserve(bytes + bytes / 64);
  starts_.reserve(paths.size() + 1);
  for (std::size_t i = 0; i < paths.size(); ++i) {
    starts_.push_back(names_.size());
    AppendLowerCase(paths.Name(i), names_);
    names_.push_back('\0');
  }
  starts_.push_back(names_.size());
}

void FilterIndex::Append(const FilterIndex& other) {
  if (other.size() == 0) return;
  if (starts_.empty()) starts_.push_back(0);
  const std::size_t base = names_.size();
  names_.append(other.names_);
  for (std::size_t i = 1; i < other.starts_.size(); ++i) starts_.push_back(base + other.starts_[i]);
}

void FilterIndex::Extend(const PathList& paths) {
  if (starts_.empty()) starts_.push_back(0);
  for (std::size_t i = size(); i < paths.size(); ++i) {
    AppendLowerCase(paths.Name(i), names_);
    names_.push_back('\0');
    starts_.push_back(names_.size());
  }
}

void FilterIndex::MarkHits(std::string_view needle, std::vector<unsigned char>& hits) const {
  const std::size_t count = size();
  if (needle.empty()) {
    for (std::size_t i = 0; i < count; ++i) hits[i] |= starts_[i + 1] - starts_[i] > 1;
    return;
  }
  // A NUL in the needle could match across two names.
  if (needle.find('\0') != std::string_view::npos) return;

  const char* data = names_.data();
  const std::size_t size = names_.size();
  const std::size_t m = needle.size();
  std::size_t file = 0;  // the name holding pos; only moves forward
  // Records a match at pos, and returns where the search goes on: the next name, since
  // one hit per name is enough.
  const auto hit = [&](std::size_t pos) {
    while (starts_[file + 1] <= pos) ++file;
    hits[file] = 1;
    return starts_[file + 1];
  };

  std::size_t pos = 0;
#if defined(__SSE2__)
  // Compare the needle's first and last byte at 16 positions at once; only where
  // both agree are the bytes between compared.
  const __m128i first = _mm_set1_epi8(needle.front());
  const __m128i last = _mm_set1_epi8(needle.back());
  while (pos + m - 1 + 16 <= size) {
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + pos));
    const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + pos + m - 1));
    auto mask = static_cast<unsigned>(
        _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(a, first), _mm_cmpeq_epi8(b, last))));
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
                                        const std::vector<std::string>& tags, MatchMode mode) {
  const std::size_t count = index.size();
  std::vector<unsigned char> keep(count, mode == MatchMode::All ? 1 : 0);
  std::size_t kept = mode == MatchMode::All ? count : 0;
  std::vector<unsigned char> hits;
  for (const std::string& tag : tags) {
    const std::string needle = LowerCase(tag);
    if (mode == MatchMode::All && kept < count / 8) {
      // Few files left: test them one by one rather than search every name again.
      kept = 0;
      for (std::size_t i = 0; i < count; ++i) {
        if (keep[i]) kept += keep[i] = index.Hits(i, needle);
      }
      continue;
    }
    hits.assign(count, 0);
    index.MarkHits(needle, hits);
    kept = 0;
    for (std::size_t i = 0; i < count; ++i) {
      keep[i] = mode == MatchMode::All ? (keep[i] & hits[i]) : (keep[i] | hits[i]);
      kept += keep[i];
    }
  }
  std::vector<std::size_t> result;
  result.reserve(kept);
  for (std::size_t i = 0; i < count; ++i) {
    if (keep[i]) result.push_back(i);
  }
  return result;
}

}  // namespace velmora::catalogue
