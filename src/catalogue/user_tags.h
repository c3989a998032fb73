#pragma once
// The user-tag line's rules.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/store.h"
#include "platform/status.h"

namespace velmora::catalogue {

// The user tags of a line: the pieces between commas, without the text after the last
// comma ("a,,b," gives a, "", b; "family,trip" gives family).
std::vector<std::string> UserTagPieces(std::string_view line);

// One line of the user tags of every record of store, each piece once, in their order.
std::string AllUserTags(const FolderStore& store);

// The line with tag appended, or nothing when tag followed by a comma already occurs in
// it (an exact, case-sensitive search: "ar" is found in "bar,").
std::optional<std::string> WithUserTag(std::string_view line, std::string_view tag);

// The line with every piece that is from renamed to, or taken out when to is empty; when
// the line has to already, from goes and to keeps its place. The text after the last comma
// stays. Nothing when no piece is from.
std::optional<std::string> WithUserTagChanged(std::string_view line, std::string_view from,
                                              std::string_view to);

// The user tag of line that a chip's text stands for: the piece that is text, else the first
// whose lower case is (a typed tag goes into the bar lower-cased); nothing when none is.
std::optional<std::string> UserTagOf(std::string_view line, std::string_view text);

// Whether a typed tag can be stored; a refusal says why: a line break would shift every
// later record of the file.
platform::Status CheckUserTag(std::string_view tag);
// Whether a new name for one tag can be stored as one tag: a comma would make it two.
platform::Status CheckTagName(std::string_view tag);

}  // namespace velmora::catalogue
