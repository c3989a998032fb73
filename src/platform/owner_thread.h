#pragma once
// The thread that owns an object: recorded when the object is made, and checked at the
// entries only the owner may call, in builds with checks (debug, and the project's own
// test builds): a call from another thread ends the program at once, naming the entry.

#include <cstdio>
#include <cstdlib>
#include <thread>

namespace velmora::platform {

class OwnerThread {
 public:
  // where: the calling entry, filled in by the compiler.
  void Check(const char* where = __builtin_FUNCTION()) const {
#ifdef VELMORA_CHECK_OWNER
    if (std::this_thread::get_id() == id_) return;
    std::fprintf(stderr, "velmora: %s called off its owner's thread\n", where);
    std::abort();
#else
    (void)where;
#endif
  }

 private:
  const std::thread::id id_ = std::this_thread::get_id();
};

}  // namespace velmora::platform
