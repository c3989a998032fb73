#include "platform/visible_text.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "platform/words.h"

namespace velmora::platform {
namespace {

// The length of the well-formed UTF-8 sequence at the start of s and its code point,
// or 0 when it is ill-formed (overlong, surrogate, beyond U+10FFFF, cut short).
std::size_t DecodeUtf8(std::string_view s, char32_t& cp) {
  const auto b0 = static_cast<unsigned char>(s[0]);
  std::size_t n = 0;
  char32_t min = 0;
  if (b0 < 0x80) {
    cp = b0;
    return 1;
  } else if ((b0 & 0xE0) == 0xC0) {
    n = 2, cp = b0 & 0x1Fu, min = 0x80;
  } else if ((b0 & 0xF0) == 0xE0) {
    n = 3, cp = b0 & 0x0Fu, min = 0x800;
  } else if ((b0 & 0xF8) == 0xF0) {
    n = 4, cp = b0 & 0x07u, min = 0x10000;
  } else {
    return 0;
  }
  if (s.size() < n) return 0;
  for (std::size_t i = 1; i < n; ++i) {
    const auto b = static_cast<unsigned char>(s[i]);
    if ((b & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (b & 0x3Fu);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return n;
}

// Characters that change how the rest of a line reads, or are not seen at all.
bool Hidden(char32_t cp) {
  return cp < 0x20 || (cp >= 0x7F && cp <= 0x9F) || cp == 0xAD || cp == 0x061C || cp == 0x180E ||
         (cp >= 0x200B && cp <= 0x200F) || (cp >= 0x2028 && cp <= 0x202E) ||
         (cp >= 0x2060 && cp <= 0x206F) || cp == 0xFEFF || (cp >= 0xFFF9 && cp <= 0xFFFB);
}

}  // namespace

std::string VisibleText(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  char escape[16];
  while (!bytes.empty()) {
    char32_t cp = 0;
    const std::size_t n = DecodeUtf8(bytes, cp);
    if (n == 0) {
      std::snprintf(escape, sizeof escape, "\\x%02X", static_cast<unsigned char>(bytes[0]));
      out += escape;
      bytes.remove_prefix(1);
      continue;
    }
    if (!Hidden(cp)) {
      out.append(bytes.substr(0, n));
    } else if (cp == '\n') {
      out += "\\n";
    } else if (cp == '\t') {
      out += "\\t";
    } else if (cp == '\r') {
      out += "\\r";
    } else {
      std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned>(cp));
      out += escape;
    }
    bytes.remove_prefix(n);
  }
  return out;
}

std::string ShortVisiblePath(std::string_view path) {
  constexpr std::size_t kShown = 120;
  std::size_t cut = std::min(path.size(), kShown);
  while (cut < path.size() && cut > 0 && (path[cut] & 0xC0) == 0x80) --cut;  // whole characters
  return VisibleText(path.substr(0, cut)) + (cut < path.size() ? "..." : "");
}

std::string ShortList(std::string heading, const std::vector<std::string>& lines) {
  constexpr std::size_t kShown = 5;
  for (std::size_t i = 0; i < lines.size() && i < kShown; ++i) heading += "\n" + lines[i];
  if (lines.size() > kShown)
    heading += "\n" + Fill(Tr("velmora", "and %1 more"), {std::to_string(lines.size() - kShown)});
  return heading;
}

std::string DescribeRefused(const std::vector<std::pair<std::string, std::string>>& refused,
                            std::string heading) {
  std::vector<std::string> lines;
  for (const auto& [path, why] : refused)
    lines.push_back(Fill(Tr("velmora", "%1 - %2", "a path - why it is refused"),
                         {ShortVisiblePath(path), why}));
  return ShortList(heading.empty() ? Tr("velmora", "Not registered:") : std::move(heading), lines);
}

}  // namespace velmora::platform
