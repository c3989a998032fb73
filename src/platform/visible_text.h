#pragma once
// Paths as a person may safely read them. Commands always act on the exact bytes;
// this is only what is shown.

#include <string>
#include <string_view>

namespace velmora::platform {

// bytes as UTF-8 text in which nothing can hide or reorder what follows: control
// characters, bidirectional and invisible formatting marks become escapes ("\n",
// "\u202E"), and bytes that are not UTF-8 become "\xFF". Everything else is unchanged.
std::string VisibleText(std::string_view bytes);

// A path for a message: VisibleText of its first 120 bytes, cut between characters, and
// "..." when there was more, so that a very long path stays one line of a message.
std::string ShortVisiblePath(std::string_view path);

}  // namespace velmora::platform
