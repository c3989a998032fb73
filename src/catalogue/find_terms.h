#pragma once
// The find field's text read as words and terms: "size:>10M" and "modified:2019-07" narrow
// by the files' sizes and times, the remaining words by name. Toolkit-free.

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::catalogue {

// Values v with from <= v < to.
struct Range {
  std::int64_t from = INT64_MIN;
  std::int64_t to = INT64_MAX;
  bool Holds(std::int64_t v) const { return from <= v && v < to; }
  friend bool operator==(const Range&, const Range&) = default;
};

struct FindQuery {
  std::string words;              // what the names must hold
  std::optional<Range> size;      // bytes
  std::optional<Range> modified;  // seconds since the epoch
  std::string error;              // why a term could not be read: nothing is found
};

// Reads the words of text that are terms, "size:" or "modified:" and a value, any case:
// sizes as 500, 10k, 1M, 2G or 3T (1024-based); times as 2019, 2019-07, 2019-07-14, today,
// yesterday, week (today and the six days before) or month (the last 30 days), in the local
// time zone as of now. A value is one, a comparison (>, >=, <, <=) or a range a..b, either
// end open; a size with a unit is the whole unit (size:10M: from 10M up to 11M), a time its
// whole period. Several terms all apply. The other words are joined by single spaces; text
// without terms is the words as it is.
FindQuery ParseFind(std::string_view text, std::time_t now);

// Adds one term's value to query ("size" or "modified"; the range narrows what it holds);
// false, with query.error set, when it cannot be read.
bool AddTerm(FindQuery& query, std::string_view key, std::string_view value, std::time_t now);

}  // namespace velmora::catalogue
