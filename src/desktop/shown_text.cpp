#include "desktop/shown_text.h"

#include "platform/visible_text.h"

namespace velmora::desktop {

using platform::VisibleText;

QString ShownText(std::string_view bytes) { return QString::fromStdString(VisibleText(bytes)); }

}  // namespace velmora::desktop
