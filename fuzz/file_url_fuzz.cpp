// Any bytes as a dropped address: no crash, a local file's path is absolute, and any
// path made into an address comes back byte for byte.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "desktop/shell.h"

using namespace velmora::desktop;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (const auto path = PathOfFileUrl(text)) {
    if (!path->starts_with('/') || PathOfFileUrl(FileUrl(*path)) != *path) std::abort();
  }
  const std::string path = "/" + std::string(text);
  if (PathOfFileUrl(FileUrl(path)) != path) std::abort();
  return 0;
}
