#pragma once
// Texts shown to a person, in the person's language. The toolkit-free code builds its
// messages with Tr; the window installs a translator at start (before any other thread
// runs), and without one every text is the English one. Each text is a whole sentence
// with %1, %2… for what goes in, never glued from pieces, so a translation can reorder it.

#include <initializer_list>
#include <string>

namespace velmora::platform {

// Looks up text (English, UTF-8) in context; n >= 0 picks the plural form of a text that
// holds %n and puts n in its place. Returns UTF-8. Untranslated, a count's English text
// such as "%n file(s)" reads "1 file", "2 files" (EnglishPlural).
using Translator = std::string (*)(const char* context, const char* text, const char* comment,
                                   int n);

// Set once, on the main thread, before other threads start; read from any thread after.
void SetTranslator(Translator translator);

std::string Tr(const char* context, const char* text, const char* comment = nullptr, int n = -1);

// Marks text for the catalogue where it is kept to be looked up with Tr later.
constexpr const char* TrNoop(const char* /*context*/, const char* text) { return text; }

// text with each "(s)" dropped when n is 1, else made "s": the English of "%n file(s)".
std::string EnglishPlural(std::string text, int n);

// text with %1 replaced by first, %2 by second, and so on (up to %9); other bytes kept.
std::string Fill(std::string text, std::initializer_list<std::string> args);

}  // namespace velmora::platform
