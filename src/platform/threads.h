#pragma once
// Background threads: what one tells the system about itself, and the threads the program
// lets go of instead of waiting for them.

#include <chrono>
#include <functional>
#include <stop_token>

namespace velmora::platform {

// Names the calling thread (at most 15 bytes) for the system's tools.
void NameThread(const char* name);
// Lets the calling thread (and the threads it starts) give way to the window's thread,
// so that background reading never delays an answer to a click. Work whose result a
// person waits to see (shown) gives way less far than housekeeping nobody sees, which
// would otherwise take half the cores it shares with it.
enum class Yield { Fully, Shown };
void YieldToForeground(Yield how = Yield::Fully);

// Work on a thread of its own that its owner never waits for: Stop asks it to stop and
// lets it go at once, so that a thread blocked in the file system (a share whose server is
// gone) holds up nobody. The work must own all it uses, and stop soon once asked, between
// two calls to the system. Owner: one thread; the work runs on its own.
class Worker {
 public:
  Worker() = default;
  Worker(const char* name, std::function<void(std::stop_token)> work);
  ~Worker() { Stop(); }
  Worker(Worker&&) = default;
  Worker& operator=(Worker&& other) noexcept;
  Worker(const Worker&) = delete;
  Worker& operator=(const Worker&) = delete;

  void Stop();

 private:
  std::stop_source stop_{std::nostopstate};
};

// Waits until every Worker's work has ended, at most timeout: the program gives them a
// moment at exit, and a test lets go of what they use only after them. False when some
// still run.
bool WorkersEnded(std::chrono::milliseconds timeout);

}  // namespace velmora::platform
