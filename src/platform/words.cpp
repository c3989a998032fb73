#include "platform/words.h"

#include <atomic>

namespace velmora::platform {

namespace {
std::atomic<Translator> translator{nullptr};
}  // namespace

void SetTranslator(Translator t) { translator.store(t, std::memory_order_release); }

std::string Tr(const char* context, const char* text, const char* comment, int n) {
  if (const Translator t = translator.load(std::memory_order_acquire))
    return t(context, text, comment, n);
  std::string out = n >= 0 ? EnglishPlural(text, n) : text;
  if (n >= 0) {
    for (std::size_t at = out.find("%n"); at != std::string::npos; at = out.find("%n", at))
      out.replace(at, 2, std::to_string(n));
  }
  return out;
}

std::string EnglishPlural(std::string text, int n) {
  for (std::size_t at = text.find("(s)"); at != std::string::npos; at = text.find("(s)", at))
    text.replace(at, 3, n == 1 ? "" : "s");
  return text;
}

std::string Fill(std::string text, std::initializer_list<std::string> args) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
      const auto k = static_cast<std::size_t>(text[i + 1] - '1');
      if (k < args.size()) {
        out += *(args.begin() + k);
        ++i;
        continue;
      }
    }
    out += c;
  }
  return out;
}

}  // namespace velmora::platform
