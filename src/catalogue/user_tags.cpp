#include "catalogue/user_tags.h"

#include <unordered_set>

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
