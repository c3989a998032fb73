#pragma once
// One kind of the session's background work, one run at a time, each on a thread of its
// own that nobody waits for (platform::Worker). A run posts only through its Poster,
// under a stamp of its own: starting another run or stopping asks the run before to stop,
// lets it go at once, and drops what it posted or will post. The work must own what it
// uses and look at its stop token between pieces. Owner: one thread.

#include <functional>
#include <memory>
#include <stop_token>

#include "catalogue/inbox.h"
#include "platform/threads.h"

namespace velmora::catalogue {

class BackgroundJob {
 public:
  using Work = std::function<void(std::stop_token, const Poster&)>;
  // name is the threads' name for the system's tools, at most 15 bytes.
  BackgroundJob(const char* name, std::shared_ptr<Inbox> inbox)
      : name_(name), inbox_(std::move(inbox)) {}
  ~BackgroundJob() { Stop(); }
  BackgroundJob(const BackgroundJob&) = delete;
  BackgroundJob& operator=(const BackgroundJob&) = delete;

  void Start(Work work);
  void Stop();
  // A run was started and not stopped since (it may have ended).
  bool Started() const { return stamp_ != 0; }

 private:
  const char* const name_;
  const std::shared_ptr<Inbox> inbox_;
  Stamp stamp_ = 0;
  platform::Worker worker_;
};

}  // namespace velmora::catalogue
