#include "catalogue/user_tags.h"

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
    return platform::Status::Refusal("A tag with a line break cannot be stored.");
  return {};
}

}  // namespace velmora::catalogue
