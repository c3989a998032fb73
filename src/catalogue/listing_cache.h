#pragma once
// What a folder's last load listed, kept in a file so that the folder shows at once when
// it is chosen again while it is read afresh. The file holds the folder's exact path,
// then its files in the load's order in checksummed pieces: a piece is used only once its
// checksum holds, and a file of another version or another folder is refused.

#include <cstdint>
#include <functional>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/path_list.h"
#include "platform/status.h"

namespace velmora::catalogue {

// The file that keeps folder's listing: $XDG_CACHE_HOME/velmora (else ~/.cache/velmora),
// named by a hash of the folder's bytes.
std::string ListingFile(std::string_view folder);

// Replaces file with files listed in folder, through a file beside it renamed over, in a
// folder only the user may read (made when missing). Stopping leaves the old file.
platform::Status WriteListing(const std::string& file, std::string_view folder,
                              const PathList& files, std::stop_token stop = {});

// Hands file's files over in order, a few thousand first; piece returns false to stop.
// A file that is cut short, damaged, of another version or of another folder is refused
// (not NotFound()), after the pieces before the fault: the caller removes it.
platform::Status ReadListing(const std::string& file, std::string_view folder,
                             const std::function<bool(PathList&&)>& piece);

}  // namespace velmora::catalogue
