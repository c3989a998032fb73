#pragma once
// Searches kept under names: a folder and what narrowed its files, read back by the window
// and the command line alike. The file is text, a search a section:
//
//   [beach]
//   folder=/home/me/Pictures
//   tag=a+beach          (a: auto tag, u: user tag; +: kept, -: left out)
//   mode=any
//   find=2019
//
// A value's backslashes, control bytes and bytes that are not UTF-8 are escaped ("\\",
// "\n", "\xFF"), so that any bytes come back exactly. Keys not known are passed over.

#include <string>
#include <string_view>
#include <vector>

#include "catalogue/filter_bar.h"
#include "catalogue/row_order.h"
#include "platform/status.h"

namespace velmora::catalogue {

struct SavedSearch {
  std::string name;    // unique among the searches
  std::string folder;  // the path shown
  bool allFolders = false;
  std::vector<BarTag> tags;
  MatchMode mode = MatchMode::All;
  bool wholeTags = false;
  bool folderWords = false;
  bool keepDigits = false;
  std::string find;
  SortBy sort;
  friend bool operator==(const SavedSearch&, const SavedSearch&) = default;
};

struct SavedSearches {
  std::vector<SavedSearch> searches;
  // One line for each damaged search, or line, passed over; the others are kept.
  std::vector<std::string> notes;
  // Those searches and lines as they were, written back with the others.
  std::string leftOut;
};

SavedSearches ParseSavedSearches(std::string_view text);
std::string SerialiseSavedSearches(const std::vector<SavedSearch>& searches,
                                   std::string_view leftOut = {});

// The searches kept in file; none, and ok, when there is no such file yet. Refused unless
// it is a regular file of a sane size: it is read whole.
platform::Status ReadSavedSearches(const std::string& file, SavedSearches& out);
// Replaces file with searches, so that a reader sees the old ones or the new ones.
platform::Status WriteSavedSearches(const std::string& file,
                                    const std::vector<SavedSearch>& searches,
                                    std::string_view leftOut = {});

// The search named name in searches, or null.
const SavedSearch* FindSearch(const std::vector<SavedSearch>& searches, std::string_view name);

}  // namespace velmora::catalogue
