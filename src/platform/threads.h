#pragma once
// What a background thread tells the system about itself.

namespace velmora::platform {

// Names the calling thread (at most 15 bytes) for the system's tools.
void NameThread(const char* name);
// Lets the calling thread (and the threads it starts) give way to the window's thread,
// so that background reading never delays an answer to a click.
void YieldToForeground();

}  // namespace velmora::platform
