#pragma once
// What loading a registered folder yields, and the user-tag line's rules.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/path_list.h"
#include "platform/dir_enum.h"

namespace velmora::catalogue {

struct FolderContents {
  PathList files;                     // every file of the tree, in scan order
  std::vector<std::string> chips;     // the folder's auto tags, then its user tags, in order
  std::size_t unreadableFolders = 0;  // folders of the tree that could not be read
};

// Scans path and gathers the chips for the tag panel: the distinct auto tags in
// first-seen order when autoTags is set, then the pieces of the user-tag line. An empty
// path (no folder selected) scans nothing.
FolderContents LoadFolderContents(
    std::string_view path, std::string_view userTagLine, bool autoTags,
    const platform::DirectoryEnumerator& dirs = platform::SystemDirectories());

// The user tags of a line: the pieces between commas, without the text after the last
// comma ("a,,b," gives a, "", b; "family,trip" gives family).
std::vector<std::string> UserTagPieces(std::string_view line);

// The line with tag appended, or nothing when tag followed by a comma already occurs in
// it (an exact, case-sensitive search: "ar" is found in "bar,").
std::optional<std::string> WithUserTag(std::string_view line, std::string_view tag);

}  // namespace velmora::catalogue
