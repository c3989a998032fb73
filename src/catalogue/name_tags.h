#pragma once
// Tags written into file names: a word added to a name, or a tag taken out of names or
// put in another word's place. Names are bytes; what is not UTF-8 is kept as it is. A tag
// is found as the filter finds whole tags: case aside, from one word edge to another.

#include <optional>
#include <string>
#include <string_view>

#include "catalogue/words.h"

namespace velmora::catalogue {

// What is done to names. Add leaves a name that holds word already; Remove and Rename act
// on every place the name's stem (the name less its extension) holds tag, and leave a name
// whose extension alone holds it: a file keeps its type.
struct NameEdit {
  enum class Kind { Add, Remove, Rename } kind = Kind::Add;
  std::string tag;   // Remove, Rename: the tag taken out
  std::string word;  // Add, Rename: the word written in, as typed
  Digits digits = Digits::Split;
};

// The name's new bytes, or none when it is left as it is. The extension starts at the last
// dot unless only dots come before it (.profile has none). Add puts a blank and word at the
// end of the stem (Beach.jpg: Beach rome.jpg), no blank after a separator (blank, "_", "-",
// "."). Remove takes out each place with one separator beside it (a dotfile's leading dot
// is none): the one before where there is one, else the one after; none when the stem would
// be left empty or dots only. Rename puts word in each place, with a blank on a side where
// it would run into the next word; where the name holds word already, the tag only goes.
// Every other byte is kept.
std::optional<std::string> EditName(std::string_view name, const NameEdit& edit);

}  // namespace velmora::catalogue
