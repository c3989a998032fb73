#include "platform/memory.h"

#include <cstdlib>  // defines __GLIBC__ where it is the C library

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace velmora::platform {

void GiveBackFreedMemory() {
#if defined(__GLIBC__)
  (void)::malloc_trim(0);
#endif
}

void ShareOnePool() {
#if defined(__GLIBC__)
  (void)::mallopt(M_ARENA_MAX, 1);
#endif
}

}  // namespace velmora::platform
