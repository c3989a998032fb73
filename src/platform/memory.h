#pragma once
// How the process's allocator hands memory back to the system. A folder's load allocates
// and frees hundreds of megabytes in passing; what it frees should not stay resident.

namespace velmora::platform {

// Large buffers each get their own mapping, given back as soon as they are freed, rather
// than a place in the heap that freeing leaves resident. Called once, before threads.
void GiveLargeBuffersBackWhenFreed();
// Hands back to the system the memory freed in the allocator's pools (one per thread),
// once a burst of passing allocations is over.
void GiveBackFreedMemory();

}  // namespace velmora::platform
