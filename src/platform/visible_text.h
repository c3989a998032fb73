#pragma once
// Paths as a person may safely read them. Commands always act on the exact bytes;
// this is only what is shown.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velmora::platform {

// bytes as UTF-8 text in which nothing can hide or reorder what follows: control
// characters, bidirectional and invisible formatting marks become escapes ("\n",
// "\u202E"), and bytes that are not UTF-8 become "\xFF". Everything else is unchanged.
std::string VisibleText(std::string_view bytes);

// A path for a message: VisibleText of its first 120 bytes, cut between characters, and
// "..." when there was more, so that a very long path stays one line of a message.
std::string ShortVisiblePath(std::string_view path);

// A message of many lines: heading, then the first five lines, and how many more, so
// that it stays short however many there are.
std::string ShortList(std::string heading, const std::vector<std::string>& lines);
// Paths refused, each with why: "PATH - why" under heading, each path cut short as
// ShortVisiblePath does and listed as ShortList does.
std::string DescribeRefused(const std::vector<std::pair<std::string, std::string>>& refused,
                            std::string heading = {});  // "Not registered:"

}  // namespace velmora::platform
