// Any bytes as folders.txt, through real files: what is saved loads back the same,
// records that cannot be used included, and a change that changes nothing keeps the
// file byte for byte.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "catalogue/store.h"
#include "platform/files.h"

using namespace velmora::catalogue;

namespace {

const std::string& StoreFile() {
  static const std::string file = [] {
    // Memory-backed when possible: every save is flushed to disk.
    const char* tmp = std::getenv("TMPDIR");
    const char* base = tmp != nullptr && tmp[0] == '/'        ? tmp
                       : access("/dev/shm", W_OK | X_OK) == 0 ? "/dev/shm"
                                                              : "/tmp";
    std::string dir = std::string(base) + "/fuzz-XXXXXX";
    if (mkdtemp(dir.data()) == nullptr) std::abort();
    static const std::string kept = dir;
    std::atexit([] {
      unlink(StoreFileIn(kept).c_str());
      unlink((StoreFileIn(kept) + ".lock").c_str());
      rmdir(kept.c_str());
    });
    return StoreFileIn(dir);
  }();
  return file;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const FolderStore store =
      ParseFolders(std::string_view(reinterpret_cast<const char*>(data), size));
  const std::string& file = StoreFile();
  if (!SaveFolders(store, file).ok()) std::abort();
  FolderStore loaded;
  if (!LoadFolders(loaded, file).ok() || !(loaded == store)) std::abort();
  std::string before, after;
  if (!velmora::platform::ReadWholeFile(file, before, kMaxStoreBytes).ok()) std::abort();
  FolderStore now;
  if (!UpdateFolders(
           file, [](FolderStore&) { return velmora::platform::Status(); }, now)
           .ok())
    std::abort();
  if (!(now == store)) std::abort();
  if (!velmora::platform::ReadWholeFile(file, after, kMaxStoreBytes).ok() || after != before)
    std::abort();
  return 0;
}
