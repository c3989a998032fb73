#pragma once
// A watcher that can watch nothing, as when the system's watches are used up: a load is
// never read again for a folder that changed just before its watch.
#include <cerrno>

#include "platform/folder_watch.h"

struct NoWatches final : velmora::platform::FolderWatcher {
  velmora::platform::WatchResult Watch(const std::string&) override {
    return {velmora::platform::Status(ENOSPC, "")};
  }
  bool Unwatch(const std::string&) override { return false; }
  std::vector<velmora::platform::FolderEvent> Wait(std::chrono::milliseconds) override {
    return {};
  }
};
