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

// Whether a typed tag can be stored; a refusal says why: a line break would shift every
// later record of the file.
platform::Status CheckUserTag(std::string_view tag);

}  // namespace velmora::catalogue
