#pragma once
// How the process's allocator hands memory back to the system. A folder's load allocates
// and frees hundreds of megabytes in passing; what it frees should not stay resident.
// (Giving every large buffer a mapping of its own would do that at once, but then each
// click's buffers would be faulted in afresh, costing a few milliseconds a click.)

namespace velmora::platform {

// Hands back to the system the memory freed in the allocator's pools, once a burst of
// passing allocations is over.
void GiveBackFreedMemory();

// From now on every thread allocates from one pool, before any thread starts. A load's
// pieces are made on its walk's threads and freed on the window's; with a pool per
// thread, what one frees cannot serve another, and much of it stays resident.
void ShareOnePool();

}  // namespace velmora::platform
