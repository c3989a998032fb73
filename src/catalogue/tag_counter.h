#pragma once
// Counts what the panel's tags hit, on a thread of its own, one count at a time. The
// count is posted to the inbox; a count stopped is waited for before the next starts,
// and when the counter goes, so that no thread outlives it.

#include <cstdint>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "catalogue/filter.h"
#include "catalogue/inbox.h"

namespace velmora::catalogue {

class TagCounter {
 public:
  struct Count {
    std::uint64_t generation = 0;  // of the load counted
    std::uint64_t counting = 0;    // handed back with the hits
    FilterIndex index;             // a copy: it shares its pieces
    std::vector<std::string> tags;
    std::vector<std::size_t> kept;  // the rows kept, when not all
    bool all = true;                // every file is kept
    bool words = false;             // tags hit whole words only
  };
  explicit TagCounter(std::shared_ptr<Inbox> inbox) : inbox_(std::move(inbox)) {}
  ~TagCounter() { Stop(); }
  TagCounter(const TagCounter&) = delete;
  TagCounter& operator=(const TagCounter&) = delete;

  // Stops the count running, if any, and starts this one.
  void Start(Count count);
  // Stops the count running and waits for it: it looks every few thousand names.
  void Stop();

 private:
  const std::shared_ptr<Inbox> inbox_;
  std::jthread thread_;
};

}  // namespace velmora::catalogue
