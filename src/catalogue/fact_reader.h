#pragma once
// Reads the sizes and times of listed files on a thread of its own, and posts them to
// the inbox in pieces. One read at a time; the owner starts each and may stop it, and
// never waits for it: a file whose stat never returns holds up nothing but the read.

#include <cstdint>
#include <memory>
#include <vector>

#include "catalogue/inbox.h"
#include "catalogue/path_list.h"
#include "platform/threads.h"

namespace velmora::catalogue {

class FactReader {
 public:
  explicit FactReader(std::shared_ptr<Inbox> inbox) : inbox_(std::move(inbox)) {}
  ~FactReader() = default;
  FactReader(const FactReader&) = delete;
  FactReader& operator=(const FactReader&) = delete;

  // Stops the read running, if any, and reads files, the first numbered first (or each
  // numbered as numbers says); the last piece posted says so.
  void Start(std::uint64_t generation, PathList files, std::size_t first,
             std::vector<std::size_t> numbers = {});
  // Asks the read running to stop, and lets it go.
  void Stop() { thread_.Stop(); }

 private:
  const std::shared_ptr<Inbox> inbox_;
  platform::Worker thread_;
};

}  // namespace velmora::catalogue
