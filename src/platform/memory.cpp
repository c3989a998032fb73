#include "platform/memory.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace velmora::platform {

void GiveBackFreedMemory() {
#if defined(__GLIBC__)
  (void)::malloc_trim(0);
#endif
}

}  // namespace velmora::platform
