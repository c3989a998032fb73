#include "catalogue/saved_searches.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <optional>

#include "platform/files.h"
#include "platform/visible_text.h"

namespace velmora::catalogue {
namespace {

constexpr std::size_t kMaxBytes = 4 << 20;
constexpr const char* kSortKeys[] = {"none", "name", "folder", "size", "modified", "type"};

// The length of the UTF-8 character at text[i], or 0 when none starts there.
std::size_t Utf8Length(std::string_view text, std::size_t i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  const std::size_t n = lead < 0x80                    ? 1
                        : lead >= 0xC2 && lead <= 0xDF ? 2
                        : lead >= 0xE0 && lead <= 0xEF ? 3
                        : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                       : 0;
  if (n == 0 || i + n > text.size()) return 0;
  for (std::size_t k = 1; k < n; ++k)
    if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return 0;
  return n;
}

std::string Escape(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const std::size_t n = Utf8Length(text, i);
    if (byte == '\\' || byte == '\n') {
      out += byte == '\\' ? "\\\\" : "\\n";
    } else if (n == 0 || byte < 0x20 || byte == 0x7F) {
      char hex[5];
      std::snprintf(hex, sizeof hex, "\\x%02X", byte);
      out += hex;
    } else {
      out.append(text.substr(i, n));
      i += n;
      continue;
    }
    ++i;
  }
  return out;
}

std::optional<std::string> Unescape(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      out += text[i];
    } else if (++i < text.size() && (text[i] == '\\' || text[i] == 'n')) {
      out += text[i] == 'n' ? '\n' : '\\';
    } else if (unsigned byte = 0;
               i + 2 < text.size() && text[i] == 'x' &&
               std::from_chars(text.data() + i + 1, text.data() + i + 3, byte, 16).ptr ==
                   text.data() + i + 3) {
      out += static_cast<char>(byte);
      i += 2;
    } else {
      return std::nullopt;
    }
  }
  return out;
}

bool Flag(std::string_view value, bool& out) {
  if (value != "true" && value != "false") return false;
  out = value == "true";
  return true;
}

// Takes key=value into search; false when the value is not one the key takes.
bool Take(SavedSearch& s, std::string_view key, std::string value) {
  if (key == "folder") return s.folder = std::move(value), true;
  if (key == "find") return s.find = std::move(value), true;
  if (key == "allFolders") return Flag(value, s.allFolders);
  if (key == "wholeTags") return Flag(value, s.wholeTags);
  if (key == "folderWords") return Flag(value, s.folderWords);
  if (key == "keepDigits") return Flag(value, s.keepDigits);
  if (key == "descending") return Flag(value, s.sort.descending);
  if (key == "mode") {
    s.mode = value == "any" ? MatchMode::Any : MatchMode::All;
    return value == "any" || value == "all";
  }
  if (key == "sort") {
    const auto at = std::find(std::begin(kSortKeys), std::end(kSortKeys), value);
    s.sort.key = static_cast<SortKey>(at - std::begin(kSortKeys));
    return at != std::end(kSortKeys);
  }
  if (key == "tag") {
    if (value.size() < 3 || (value[0] != 'a' && value[0] != 'u') ||
        (value[1] != '+' && value[1] != '-') ||
        std::any_of(s.tags.begin(), s.tags.end(),
                    [&](const BarTag& t) { return t.text == value.substr(2); }))
      return false;
    s.tags.push_back(
        {value.substr(2), value[0] == 'a' ? TagKind::Auto : TagKind::User, value[1] == '-'});
  }
  return true;  // keys not known come from later versions
}

}  // namespace

SavedSearches ParseSavedSearches(std::string_view text) {
  SavedSearches out;
  std::optional<SavedSearch> open;
  std::string fault;
  std::size_t number = 0, heading = 0, opened = 0;  // the open search's line and offset
  // The open search, its text up to the line starting at offset to, done.
  const auto close = [&](std::size_t to) {
    if (!open) return;
    if (fault.empty() && open->name.empty()) fault = "it has no name";
    if (fault.empty() && open->folder.empty() && !open->allFolders) fault = "it has no folder";
    if (fault.empty() && FindSearch(out.searches, open->name)) fault = "its name came before";
    if (fault.empty()) {
      out.searches.push_back(std::move(*open));
    } else {
      out.notes.push_back("line " + std::to_string(heading) + ": the search \"" +
                          platform::VisibleText(open->name) + "\" is left out: " + fault);
      out.leftOut += text.substr(opened, to - opened);
      if (!out.leftOut.ends_with('\n')) out.leftOut += '\n';
    }
    open.reset();
    fault.clear();
  };
  for (std::size_t from = 0; from < text.size();) {
    const std::size_t start = from, end = std::min(text.find('\n', from), text.size());
    std::string_view line = text.substr(from, end - from);
    from = end + 1;
    ++number;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line[0] == '#') continue;
    const std::string at = "line " + std::to_string(number);
    if (line[0] == '[') {
      close(start);
      open.emplace();
      heading = number, opened = start;
      std::optional<std::string> name;
      if (line.size() >= 2 && line.back() == ']') name = Unescape(line.substr(1, line.size() - 2));
      if (name) open->name = std::move(*name);
      if (!name) fault = at + " is not a name in brackets";
      continue;
    }
    const std::size_t eq = line.find('=');
    std::optional<std::string> value;
    if (eq != std::string_view::npos) value = Unescape(line.substr(eq + 1));
    if (!open) {
      out.notes.push_back(at + " belongs to no search and is left out");
      (out.leftOut += text.substr(start, end - start)) += '\n';
    } else if (fault.empty() && (!value || !Take(*open, line.substr(0, eq), std::move(*value)))) {
      fault = at + " is damaged";
    }
  }
  close(text.size());
  return out;
}

std::string SerialiseSavedSearches(const std::vector<SavedSearch>& searches,
                                   std::string_view leftOut) {
  std::string out = "# Saved searches of Velmora\n";
  const auto put = [&out](const char* key, std::string_view value) {
    ((out += key) += '=') += value;
    out += '\n';
  };
  const auto flag = [&put](const char* key, bool on) { put(key, on ? "true" : "false"); };
  // Lines that belonged to no search come first, to belong to none again; searches left out
  // come last, so that of two with one name the first stays first.
  std::size_t searchesLeft = leftOut.starts_with('[') ? 0 : leftOut.find("\n[");
  searchesLeft =
      searchesLeft == std::string_view::npos ? leftOut.size() : searchesLeft + (searchesLeft > 0);
  const auto keep = [&out](std::string_view text) {
    if (!text.empty()) (out += "\n# Left out when read, kept as they were\n") += text;
  };
  keep(leftOut.substr(0, searchesLeft));
  for (const SavedSearch& s : searches) {
    out += "\n[" + Escape(s.name) + "]\n";
    put("folder", Escape(s.folder));
    flag("allFolders", s.allFolders);
    for (const BarTag& tag : s.tags) {
      put("tag", std::string{tag.kind == TagKind::Auto ? 'a' : 'u', tag.excluded ? '-' : '+'} +
                     Escape(tag.text));
    }
    put("mode", s.mode == MatchMode::Any ? "any" : "all");
    flag("wholeTags", s.wholeTags);
    flag("folderWords", s.folderWords);
    flag("keepDigits", s.keepDigits);
    put("find", Escape(s.find));
    put("sort", kSortKeys[static_cast<std::size_t>(s.sort.key)]);
    flag("descending", s.sort.descending);
  }
  keep(leftOut.substr(searchesLeft));
  return out;
}

platform::Status ReadSavedSearches(const std::string& file, SavedSearches& out) {
  out = {};
  std::string bytes;
  const platform::Status read = platform::ReadWholeFile(file, bytes, kMaxBytes);
  if (read.NotFound()) return {};
  if (read.ok()) out = ParseSavedSearches(bytes);
  return read;
}

platform::Status WriteSavedSearches(const std::string& file,
                                    const std::vector<SavedSearch>& searches,
                                    std::string_view leftOut) {
  if (platform::Status made = platform::MakePrivateFolders(platform::ParentFolder(file));
      !made.ok())
    return made;
  return platform::ReplaceFile(file, SerialiseSavedSearches(searches, leftOut));
}

const SavedSearch* FindSearch(const std::vector<SavedSearch>& searches, std::string_view name) {
  const auto at = std::find_if(searches.begin(), searches.end(),
                               [&](const SavedSearch& s) { return s.name == name; });
  return at == searches.end() ? nullptr : &*at;
}

}  // namespace velmora::catalogue
