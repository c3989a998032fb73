#include "catalogue/folder_load.h"

#include "catalogue/scan.h"
#include "catalogue/tags.h"

namespace velmora::catalogue {

FolderContents LoadFolderContents(std::string_view path, std::string_view userTagLine,
                                  bool autoTags, const platform::DirectoryEnumerator& dirs) {
  FolderContents contents;
  ScanReport report;
  contents.files = ScanFolder(path, dirs, 0, &report);
  contents.unreadableFolders = report.unreadable.size();
  if (autoTags) contents.chips = CollectTags(contents.files).Tags();
  for (std::string& piece : UserTagPieces(userTagLine)) contents.chips.push_back(std::move(piece));
  return contents;
}

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

}  // namespace velmora::catalogue
