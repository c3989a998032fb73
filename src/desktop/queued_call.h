#pragma once
// A call made from any thread to run on an object's own thread.

#include <QObject>
#include <memory>
#include <utility>

#if defined(__SANITIZE_THREAD__)
#define VELMORA_THREAD_CHECKED 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define VELMORA_THREAD_CHECKED 1
#endif
#endif
#ifdef VELMORA_THREAD_CHECKED
#include <sanitizer/tsan_interface.h>
// In the runtime, though not in every version of its header.
extern "C" void __tsan_ignore_thread_begin();
extern "C" void __tsan_ignore_thread_end();
#endif

namespace velmora::desktop {

// Runs call on receiver's thread once that thread gets to it; dropped with receiver. Qt's
// queue runs it after all the caller did before, but ThreadSanitizer cannot see into Qt,
// which is not built for it: the hand-over is told to it here, so that the call finding
// what the caller left is no race to it and a real race still is.
template <class F>
void QueueCall(QObject* receiver, F call) {
  const auto taken = [](F* f) {
#ifdef VELMORA_THREAD_CHECKED
    __tsan_acquire(f);
#endif
    delete f;
  };
  std::shared_ptr<F> box(new F(std::move(call)), taken);
#ifdef VELMORA_THREAD_CHECKED
  __tsan_release(box.get());
  __tsan_ignore_thread_begin();  // Qt's record of the call, carried over unseen
#endif
  QMetaObject::invokeMethod(
      receiver,
      [box = std::move(box)] {
#ifdef VELMORA_THREAD_CHECKED
        __tsan_acquire(box.get());
#endif
        (*box)();
      },
      Qt::QueuedConnection);
#ifdef VELMORA_THREAD_CHECKED
  __tsan_ignore_thread_end();
#endif
}

}  // namespace velmora::desktop
