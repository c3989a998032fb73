// Any bytes as a saved searches file, and as the find field's text: no crash. The
// searches kept are written and read back the same, and what was left out is left out
// again, as it was; a text with no term is looked for as it is.
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "catalogue/find_terms.h"
#include "catalogue/saved_searches.h"

using namespace velmora::catalogue;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const SavedSearches read = ParseSavedSearches(text);
  const SavedSearches again =
      ParseSavedSearches(SerialiseSavedSearches(read.searches, read.leftOut));
  if (again.searches != read.searches || again.leftOut != read.leftOut) std::abort();
  // Text with no term is the words looked for, as it is.
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  const FindQuery query = ParseFind(text, 1'700'000'000);
  if (lower.find("size:") == std::string::npos && lower.find("modified:") == std::string::npos &&
      (query.words != text || !query.error.empty()))
    std::abort();
  return 0;
}
