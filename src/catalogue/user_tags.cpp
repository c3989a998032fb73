#include "catalogue/user_tags.h"

#include <algorithm>
#include <unordered_set>
#include <utility>

#include "catalogue/tags.h"
#include "platform/words.h"

#include "platform/words.h"

namespace velmora::catalogue {

std::vector<std::string> UserTagPieces(std::string_view line) {
  std::vector<std::string> pieces;
  for (auto comma = line.find(','); comma != std::string_view::npos; comma = line.find(',')) {
    pieces.emplace_back(line.substr(0, comma));
    line.remove_prefix(comma + 1);
  }
  return pieces;
}

std::optional<std::string> WithUserTag(std::string_view line, std::string_view tag) {
  std::string entry(tag);
  entry.push_back(',');
  if (line.find(entry) != std::string_view::npos) return std::nullopt;
  return std::string(line) + entry;
}

std::optional<std::string> WithUserTagChanged(std::string_view line, std::string_view from,
                                              std::string_view to) {
  std::vector<std::string> pieces = UserTagPieces(line);
  const auto had = [&](std::string_view tag) {
    return std::find(pieces.begin(), pieces.end(), tag) != pieces.end();
  };
  if (!had(from)) return std::nullopt;
  if (to == from) return std::string(line);
  const bool merge = !to.empty() && had(to);
  std::string changed;
  bool renamed = false;
  for (const std::string& piece : pieces) {
    if (piece != from) {
      changed.append(piece).push_back(',');
    } else if (!to.empty() && !merge && !std::exchange(renamed, true)) {
      changed.append(to).push_back(',');
    }
  }
  return changed.append(line.substr(line.rfind(',') + 1));
}

std::optional<std::string> UserTagOf(std::string_view line, std::string_view text) {
  const std::vector<std::string> pieces = UserTagPieces(line);
  if (std::find(pieces.begin(), pieces.end(), text) != pieces.end()) return std::string(text);
  for (const std::string& piece : pieces)
    if (LowerCase(piece) == text) return piece;
  return std::nullopt;
}

platform::Status CheckTagName(std::string_view tag) {
  if (tag.find(',') != std::string_view::npos)
    return platform::Status::Refusal(
        platform::Tr("velmora", "A tag cannot hold a comma: it would be read as two tags."));
  return CheckUserTag(tag);
}

platform::Status CheckUserTag(std::string_view tag) {
  if (tag.find_first_of("\r\n") != std::string_view::npos)
    return platform::Status::Refusal(
        platform::Tr("velmora", "A tag with a line break cannot be stored."));
  return {};
}

std::string AllUserTags(const FolderStore& store) {
  std::string line;
  std::unordered_set<std::string> seen;
  for (std::size_t i = 0; i < store.size(); ++i)
    for (std::string& piece : UserTagPieces(store.UserTags(i)))
      if (seen.insert(piece).second) line.append(piece).push_back(',');
  return line;
}

}  // namespace velmora::catalogue
