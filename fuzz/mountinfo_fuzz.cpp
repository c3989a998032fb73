// Any bytes as /proc/self/mountinfo: no crash, no devtmpfs found where the text never
// names it, and one line that mounts it from the device is always found.
#include <sys/sysmacros.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/dir_enum.h"

using namespace velmora::platform;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view table(reinterpret_cast<const char*>(data), size);
  const dev_t device = makedev(size % 300, size % 7);
  if (ListsDevtmpfs(table, device) && table.find("devtmpfs") == table.npos) std::abort();
  const std::string line = "22 1 " + std::to_string(major(device)) + ":" +
                           std::to_string(minor(device)) + " / /dev rw - devtmpfs udev rw\n";
  if (!ListsDevtmpfs(std::string(table) + "\n" + line, device)) std::abort();
  return 0;
}
