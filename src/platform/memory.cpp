#include "platform/memory.h"

#include <cstddef>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace velmora::platform {

void GiveLargeBuffersBackWhenFreed() {
#if defined(__GLIBC__)
  // A fixed threshold: glibc would otherwise raise it to the size of each large buffer
  // freed, and put the next ones in the heap.
  (void)::mallopt(M_MMAP_THRESHOLD, 256 * 1024);
#endif
}

void GiveBackFreedMemory() {
#if defined(__GLIBC__)
  (void)::malloc_trim(0);
#endif
}

}  // namespace velmora::platform
