#include "platform/threads.h"

#include <pthread.h>
#include <sys/resource.h>
#include <unistd.h>

namespace velmora::platform {

void NameThread(const char* name) { (void)::pthread_setname_np(::pthread_self(), name); }

void YieldToForeground() {
  // Linux keeps a nice value per thread; threads started later inherit it.
  (void)::setpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()), 10);
}

}  // namespace velmora::platform
