#include "catalogue/name_tags.h"

#include <vector>

#include "catalogue/tags.h"

namespace velmora::catalogue {
namespace {

// Whether a word of text starts or ends before byte i, as whole tags are matched.
bool Edge(std::string_view text, std::size_t i, Digits digits) {
  if (i == 0 || i == text.size()) return true;
  if (IsDelimiter(static_cast<unsigned char>(text[i - 1]), digits) ||
      IsDelimiter(static_cast<unsigned char>(text[i]), digits))
    return true;
  return digits == Digits::Keep ? CamelEdge<Digits::Keep>(text, i)
                                : CamelEdge<Digits::Split>(text, i);
}

struct Place {
  std::size_t begin, end;
};

// The places of text that hold tag (lower-cased) whole, left to right, none overlapping.
std::vector<Place> Places(std::string_view text, std::string_view tag, Digits digits) {
  std::vector<Place> places;
  if (tag.empty() || LowerCase(text).find(tag) == std::string::npos) return places;
  for (std::size_t b = 0; b < text.size(); ++b) {
    if (!Edge(text, b, digits)) continue;
    for (std::size_t e = b + 1; e <= text.size(); ++e) {
      if (Edge(text, e, digits) && LowerCase(text.substr(b, e - b)) == tag) {
        places.push_back({b, e});
        b = e - 1;
        break;
      }
    }
  }
  return places;
}

// Where the extension starts: at the last dot, unless only dots come before it.
std::size_t StemEnd(std::string_view name) {
  const std::size_t dot = name.rfind('.');
  return dot == std::string_view::npos || name.find_first_not_of('.') > dot ? name.size() : dot;
}

bool Separator(std::string_view stem, std::size_t i) {
  const char c = stem[i];
  return c == ' ' || c == '_' || c == '-' || (c == '.' && i > 0);
}

}  // namespace

std::optional<std::string> EditName(std::string_view name, const NameEdit& edit) {
  const std::size_t stemEnd = StemEnd(name);
  std::string stem(name.substr(0, stemEnd));
  const std::string_view extension = name.substr(stemEnd);
  const std::string word = LowerCase(edit.word);
  if (edit.kind == NameEdit::Kind::Add) {
    if (!Places(name, word, edit.digits).empty()) return std::nullopt;
    if (!stem.empty() && !Separator(stem, stem.size() - 1)) stem += ' ';
    return stem + edit.word + std::string(extension);
  }
  const std::string tag = LowerCase(edit.tag);
  const std::vector<Place> places = Places(stem, tag, edit.digits);
  if (places.empty()) return std::nullopt;
  // A name that holds the new word already loses the old one rather than holding it twice.
  const bool remove = edit.kind == NameEdit::Kind::Remove ||
                      (word != tag && !Places(name, word, edit.digits).empty());
  for (auto at = places.rbegin(); at != places.rend(); ++at) {
    std::size_t b = at->begin;
    std::size_t e = at->end;
    if (remove) {
      if (b > 0 && Separator(stem, b - 1))
        --b;
      else if (e < stem.size() && Separator(stem, e))
        ++e;
      stem.erase(b, e - b);
      continue;
    }
    stem.replace(b, e - b, edit.word);
    e = b + edit.word.size();
    if (!Edge(stem, e, edit.digits)) stem.insert(e, 1, ' ');
    if (!Edge(stem, b, edit.digits)) stem.insert(b, 1, ' ');
  }
  if (stem.find_first_not_of('.') == std::string::npos) return std::nullopt;
  std::string renamed = stem + std::string(extension);
  if (renamed == name) return std::nullopt;
  return renamed;
}

}  // namespace velmora::catalogue
