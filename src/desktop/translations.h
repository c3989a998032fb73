#pragma once
// The window's texts in the desktop's language: the program's own catalogue (built into
// it) and Qt's for its dialogs' buttons. Main thread only, once, before other threads run:
// the toolkit-free code's texts (platform::Tr) are looked up through it from any thread.

#include <QLocale>

namespace velmora::desktop {

// Loads the catalogues for locale; the texts stay English where none is found.
// Returns whether the program's own catalogue was found.
bool InstallTranslations(const QLocale& locale);

}  // namespace velmora::desktop
