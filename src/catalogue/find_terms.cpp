#include "catalogue/find_terms.h"

#include <algorithm>
#include <charconv>

#include "catalogue/filter_index.h"
#include "platform/words.h"

namespace velmora::catalogue {

namespace {

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(FoldAscii(static_cast<unsigned char>(c)));
  return lower;
}

// Digits only, no sign; false when there are none or the number is too big.
bool Number(std::string_view text, std::int64_t& n) {
  if (text.empty() || text.front() < '0' || text.front() > '9') return false;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
  return error == std::errc() && end == text.data() + text.size();
}

// One value a term names: the whole of it from low to high; a comparison's far edge is
// edge (a size: its very number, not its whole unit).
struct Point {
  std::int64_t low = 0, high = 0, edge = 0;
};

bool SizePoint(std::string_view text, Point& point) {
  std::int64_t unit = 1;
  if (!text.empty()) {
    const std::size_t power = std::string_view("kmgt").find(Lower(text.substr(text.size() - 1)));
    if (power != std::string_view::npos) {
      unit = std::int64_t{1} << (10 * (power + 1));
      text.remove_suffix(1);
    }
  }
  std::int64_t n = 0;
  if (!Number(text, n) || n >= INT64_MAX / unit) return false;
  point = {n * unit, (n + 1) * unit, n * unit + 1};
  return true;
}

// Local midnight of a day; days past the month's end run on into the next.
std::int64_t Midnight(int year, int month, int day) {
  std::tm t{};
  t.tm_year = year - 1900, t.tm_mon = month - 1, t.tm_mday = day, t.tm_isdst = -1;
  return std::mktime(&t);
}

bool TimePoint(std::string_view text, std::time_t now, Point& point) {
  std::tm today{};
  localtime_r(&now, &today);
  const auto days = [&](int first, int end) {
    const int y = today.tm_year + 1900, m = today.tm_mon + 1, d = today.tm_mday;
    point.low = Midnight(y, m, d + first);
    point.high = point.edge = Midnight(y, m, d + end);
    return true;
  };
  const std::string word = Lower(text);
  if (word == "today") return days(0, 1);
  if (word == "yesterday") return days(-1, 0);
  if (word == "week") return days(-6, 1);
  if (word == "month") return days(-29, 1);
  // 2019, 2019-07 or 2019-07-14; a month or day left out is the first
  std::int64_t parts[3] = {0, 1, 1};
  std::size_t count = 0;
  for (std::string_view rest = text;;) {
    const std::size_t dash = rest.find('-');
    const std::string_view part = rest.substr(0, dash);
    if (count == 3 || part.size() < (count == 0 ? 4u : 1u) ||
        part.size() > (count == 0 ? 4u : 2u) || !Number(part, parts[count++]))
      return false;
    if (dash == std::string_view::npos) break;
    rest.remove_prefix(dash + 1);
  }
  const int y = static_cast<int>(parts[0]), m = static_cast<int>(parts[1]);
  const int d = static_cast<int>(parts[2]);
  std::tm t{};
  t.tm_year = y - 1900, t.tm_mon = m - 1, t.tm_mday = d, t.tm_isdst = -1;
  const std::time_t low = std::mktime(&t);
  if (m < 1 || m > 12 || d < 1 || low == -1 || t.tm_mday != d) return false;  // no 31 June
  point.low = low;
  point.high = point.edge = Midnight(y + (count == 1), m + (count == 2), d + (count == 3));
  return true;
}

}  // namespace

bool AddTerm(FindQuery& query, std::string_view key, std::string_view value, std::time_t now) {
  const bool size = key == "size";
  const auto point = [&](std::string_view text, Point& p) {
    return size ? SizePoint(text, p) : TimePoint(text, now, p);
  };
  Range range;
  Point p;
  bool read = true;
  if (const std::size_t dots = value.find(".."); dots != std::string_view::npos) {
    const std::string_view low = value.substr(0, dots), high = value.substr(dots + 2);
    if (!low.empty()) read = point(low, p), range.from = p.low;
    if (!high.empty() && read) read = point(high, p), range.to = p.edge;
    read = read && !(low.empty() && high.empty());
  } else if (value.starts_with(">=") || value.starts_with("<=")) {
    read = point(value.substr(2), p);
    (value[0] == '>' ? range.from : range.to) = value[0] == '>' ? p.low : p.edge;
  } else if (value.starts_with('>') || value.starts_with('<')) {
    read = point(value.substr(1), p);
    (value[0] == '>' ? range.from : range.to) = value[0] == '>' ? p.edge : p.low;
  } else {
    read = point(value, p);
    range = {p.low, p.high};
  }
  if (!read) {
    query.error = platform::Fill(
        size ? platform::Tr("velmora",
                            "Cannot read the size “%1”: use a number with k, M or G, "
                            "as in size:>10M")
             : platform::Tr("velmora",
                            "Cannot read the date “%1”: use a year, a month or a day, "
                            "as in modified:2019-07-14, or today, yesterday, "
                            "week or month"),
        {std::string(value)});
    return false;
  }
  std::optional<Range>& into = size ? query.size : query.modified;
  if (into) range = {std::max(range.from, into->from), std::min(range.to, into->to)};
  into = range;
  return true;
}

FindQuery ParseFind(std::string_view text, std::time_t now) {
  FindQuery query;
  std::string words;
  bool terms = false;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = std::min(text.find(' ', at), text.size());
    const std::string_view word = text.substr(at, end - at);
    at = end + 1;
    if (word.empty()) continue;
    const std::size_t colon = word.find(':');
    const std::string key = Lower(word.substr(0, colon));
    if (colon != std::string_view::npos && (key == "size" || key == "modified")) {
      terms = true;
      if (query.error.empty()) AddTerm(query, key, word.substr(colon + 1), now);
      continue;
    }
    if (!words.empty()) words += ' ';
    words += word;
  }
  query.words = terms ? std::move(words) : std::string(text);
  return query;
}

}  // namespace velmora::catalogue
