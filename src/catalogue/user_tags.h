#pragma once
// The user-tag line's rules.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::catalogue {

// The user tags of a line: the pieces between commas, without the text after the last
// comma ("a,,b," gives a, "", b; "family,trip" gives family).
std::vector<std::string> UserTagPieces(std::string_view line);

// The line with tag appended, or nothing when tag followed by a comma already occurs in
// it (an exact, case-sensitive search: "ar" is found in "bar,").
std::optional<std::string> WithUserTag(std::string_view line, std::string_view tag);

// Why a typed tag cannot be stored, or empty: a line break would shift every later
// record of the file.
std::string UserTagProblem(std::string_view tag);

}  // namespace velmora::catalogue
