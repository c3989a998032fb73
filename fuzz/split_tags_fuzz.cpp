// Any byte string as a file name: no crash, and the words keep their promises.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "catalogue/filter.h"
#include "catalogue/tags.h"

using namespace velmora::catalogue;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view name(reinterpret_cast<const char*>(data), size);
  // Names a file can have hold no separator and no NUL.
  const bool fileName = name.find_first_of(std::string_view("/\0", 2)) == std::string_view::npos;
  PathList paths;
  paths.push_back(name);
  const FilterIndex& index = paths.Names();
  for (const Digits digits : {Digits::Split, Digits::Keep}) {
    const auto words = SplitTags(name, digits);
    TagList tags;
    MergeTags(tags, words);
    if (fileName && CollectTags(paths, digits).Tags() != tags.Tags()) std::abort();
    for (const auto& w : words) {
      if (w.empty() || LowerCase(w) != w) std::abort();
      for (const char c : w) {
        if (IsDelimiter(static_cast<unsigned char>(c), digits)) std::abort();
      }
      // Every word of a name is found in that name by the filter, and as a whole word by
      // the same rule for digits: the split and the filter agree on the words' edges.
      for (const bool whole : {false, true}) {
        if (fileName &&
            ApplyTagFilter(index, {{w}, {}, MatchMode::All, whole, {}, digits}).size() != 1)
          std::abort();
      }
    }
  }
  return 0;
}
