#pragma once
// Lists every file of a folder tree, breadth-first.

#include <string>
#include <string_view>

#include "catalogue/path_list.h"
#include "platform/dir_enum.h"

namespace velmora::catalogue {

// The text up to its first NUL; unchanged when it holds none or starts with one.
std::string_view TrimAtNul(std::string_view text);

// Every file under path (blanks around path are ignored), as full paths: first the
// files of the folder itself, then those of each subfolder in the order found, then
// one level deeper, and so on; within a folder, the file system's own order.
// Folders whose name begins with "." are not entered; a link to a folder is entered
// unless it leads back to a folder the walk is already inside. A folder that cannot
// be read contributes nothing. An empty path yields nothing.
//
// threads > 1 reads several folders at once; the result is the same list.
// 0 picks the machine's core count.
PathList ScanFolder(std::string_view path,
                    const platform::DirectoryEnumerator& dirs = platform::SystemDirectories(),
                    unsigned threads = 0);

// The folder path as the walk uses it: trimmed of blanks, ending with a separator.
std::string NormaliseFolder(std::string_view path);

}  // namespace velmora::catalogue
