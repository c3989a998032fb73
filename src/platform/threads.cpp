#include "platform/threads.h"

#include <pthread.h>
#include <sys/resource.h>
#include <unistd.h>

#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <thread>

namespace velmora::platform {

void NameThread(const char* name) { (void)::pthread_setname_np(::pthread_self(), name); }

void YieldToForeground(Yield how) {
  // Linux keeps a nice value per thread; threads started later inherit it. At 5 a thread
  // weighs three times one at 10, and a third of the window's.
  (void)::setpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()), how == Yield::Shown ? 5 : 10);
}

namespace {

// The Workers' works still running. Never destroyed: a work may end after the program's
// own objects are gone.
struct LiveWorks {
  std::mutex mutex;
  std::condition_variable ended;
  int count = 0;
};
LiveWorks& Works() {
  static auto* running = [] {
    // A work still ending at a plain exit may use what exit destroys: give it a moment
    // (the window does not come here with one held by the file system).
    std::atexit([] { (void)WorkersEnded(std::chrono::seconds(5)); });
    return new LiveWorks;
  }();
  return *running;
}

}  // namespace

Worker::Worker(const char* name, std::function<void(std::stop_token)> work) : stop_() {
  LiveWorks& works = Works();
  {
    const std::lock_guard lock(works.mutex);
    ++works.count;
  }
  std::thread([name, work = std::move(work), stop = stop_.get_token()]() mutable {
    NameThread(name);
    work(stop);
    work = nullptr;  // what it owns goes before it counts as ended
    LiveWorks& running = Works();
    const std::lock_guard lock(running.mutex);
    --running.count;
    running.ended.notify_all();
  }).detach();
}

Worker& Worker::operator=(Worker&& other) noexcept {
  if (this != &other) {
    Stop();
    stop_ = std::move(other.stop_);
  }
  return *this;
}

void Worker::Stop() {
  if (stop_.stop_possible()) stop_.request_stop();
}

bool WorkersEnded(std::chrono::milliseconds timeout) {
  LiveWorks& works = Works();
  std::unique_lock lock(works.mutex);
  return works.ended.wait_for(lock, timeout, [&] { return works.count == 0; });
}

}  // namespace velmora::platform
