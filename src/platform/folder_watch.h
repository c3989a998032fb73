#pragma once
// Notice of entries made and removed in folders, as other programs make them.

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/status.h"

namespace velmora::platform {

struct FolderEvent {
  enum class Kind : std::uint8_t {
    Added,     // made, or moved in
    Removed,   // deleted, or moved out
    Lost,      // the system dropped events: what is watched must be read again
    SelfGone,  // the watched folder itself was removed or moved away; name is empty
    Written,   // a file written, or its times or mode set: its size and times may differ
  };
  Kind kind;
  std::string folder;  // the watched folder, ending with a separator
  std::string name;
  bool isFolder = false;  // a folder, or a link to one
  bool link = false;      // Added only: the entry is a link, whatever it leads to
};

struct WatchResult {
  Status status;  // a folder gone or not readable is not watched, and said so here
  // No more folders can be watched: the user's limit is reached.
  bool LimitReached() const { return status.NoRoom(); }
  // The folder's entries changed after the watcher was made, perhaps before the watch:
  // what was read of it may be out of date.
  bool changed = false;
};

class FolderWatcher {
 public:
  virtual ~FolderWatcher() = default;
  // Watches the entries of dir itself, not of its subfolders. Any thread.
  // A folder watched already (reached again through a link) keeps its first path while
  // that path still leads to it; one moved (its move not heard of yet) takes dir.
  virtual WatchResult Watch(const std::string& dir) = 0;
  // Stops watching dir and every folder watched by a path under it: a folder moved away
  // would go on reporting under a path no longer its own. True when any was watched.
  // The thread that waits.
  virtual bool Unwatch(const std::string& dir) = 0;
  // Waits up to timeout for events; returns those that came, in order.
  virtual std::vector<FolderEvent> Wait(std::chrono::milliseconds timeout) = 0;
};

// A watcher on the system's notifications (inotify); null when none can be made.
std::unique_ptr<FolderWatcher> MakeFolderWatcher();

}  // namespace velmora::platform
