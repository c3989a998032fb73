#pragma once
// A mutex the compiler can check: under clang with -Wthread-safety, touching a member
// marked GUARDED_BY(mutex_) without holding mutex_ is an error.

#include <condition_variable>
#include <mutex>

#if defined(__clang__)
#define VELMORA_THREAD_ANNOTATION(x) __attribute__((x))
#else
#define VELMORA_THREAD_ANNOTATION(x)
#endif

#define CAPABILITY(x) VELMORA_THREAD_ANNOTATION(capability(x))
#define SCOPED_CAPABILITY VELMORA_THREAD_ANNOTATION(scoped_lockable)
#define GUARDED_BY(x) VELMORA_THREAD_ANNOTATION(guarded_by(x))
#define REQUIRES(...) VELMORA_THREAD_ANNOTATION(requires_capability(__VA_ARGS__))
#define EXCLUDES(...) VELMORA_THREAD_ANNOTATION(locks_excluded(__VA_ARGS__))
#define ACQUIRE(...) VELMORA_THREAD_ANNOTATION(acquire_capability(__VA_ARGS__))
#define RELEASE(...) VELMORA_THREAD_ANNOTATION(release_capability(__VA_ARGS__))

namespace velmora::platform {

class CAPABILITY("mutex") Mutex {
 public:
  void Lock() ACQUIRE() { mutex_.lock(); }
  void Unlock() RELEASE() { mutex_.unlock(); }

 private:
  friend class CondVar;
  std::mutex mutex_;
};

// Holds a mutex for its scope.
class SCOPED_CAPABILITY MutexLock {
 public:
  explicit MutexLock(Mutex& mutex) ACQUIRE(mutex) : mutex_(mutex) { mutex_.Lock(); }
  ~MutexLock() RELEASE() { mutex_.Unlock(); }
  MutexLock(const MutexLock&) = delete;
  MutexLock& operator=(const MutexLock&) = delete;

 private:
  Mutex& mutex_;
};

// Waits on a condition guarded by a mutex, which the waiter holds; always the same one.
class CondVar {
 public:
  void Wait(Mutex& mutex) REQUIRES(mutex) {
    std::unique_lock lock(mutex.mutex_, std::adopt_lock);
    changed_.wait(lock);
    (void)lock.release();
  }
  void NotifyAll() { changed_.notify_all(); }

 private:
  std::condition_variable changed_;
};

}  // namespace velmora::platform
