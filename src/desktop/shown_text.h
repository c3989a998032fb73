#pragma once
// A path as the window shows it.

#include <QString>
#include <string_view>

namespace velmora::desktop {

// VisibleText of bytes, as a QString: the exact bytes stay with the caller.
QString ShownText(std::string_view bytes);

}  // namespace velmora::desktop
