#pragma once
// Where file names are cut into words: the delimiters and the edges inside a run of
// letters.

#include <array>
#include <cstddef>
#include <string_view>

namespace velmora::catalogue {

// Whether the ASCII digits end words, as they do unless asked (mp3: mp), or belong to
// them like letters (mp3).
enum class Digits : bool { Split, Keep };

// The bytes that end a word: the printable ASCII characters that are not letters (blank,
// punctuation, and digits unless kept). Every other byte, including each byte of a
// non-ASCII or not-UTF-8 character, belongs to a word. One table for each rule, so that
// the rule is chosen once rather than asked of every byte.
constexpr std::array<bool, 256> MakeDelimiters(Digits digits) {
  std::array<bool, 256> t{};
  for (int k = 32; k <= 126; ++k) {
    t[k] = !((k >= 'A' && k <= 'Z') || (k >= 'a' && k <= 'z') ||
             (digits == Digits::Keep && k >= '0' && k <= '9'));
  }
  return t;
}
inline constexpr std::array<bool, 256> kDelimiters[2] = {MakeDelimiters(Digits::Split),
                                                         MakeDelimiters(Digits::Keep)};
constexpr const std::array<bool, 256>& Delimiters(Digits digits) {
  return kDelimiters[static_cast<int>(digits)];
}

inline bool IsDelimiter(unsigned char c, Digits digits = Digits::Split) {
  return Delimiters(digits)[c];
}

// Whether a word ends before byte i of name, neither being a delimiter: where an ASCII
// lower-case letter is followed by an ASCII capital (iPhone: i, Phone); with digits kept,
// also where a digit is followed by a capital that starts a capitalised word (Mp3Player:
// Mp3, Player), but not by capitals alone (Model3D, 4K, H264V stay whole).
template <Digits kDigits>
bool CamelEdge(std::string_view name, std::size_t i) {
  const auto c = static_cast<unsigned char>(name[i]);
  if (c < 'A' || c > 'Z') return false;
  const auto prev = static_cast<unsigned char>(name[i - 1]);
  if (prev >= 'a' && prev <= 'z') return true;
  if constexpr (kDigits == Digits::Keep) {
    if (prev >= '0' && prev <= '9' && i + 1 < name.size()) {
      const auto next = static_cast<unsigned char>(name[i + 1]);
      return next >= 'a' && next <= 'z';
    }
  }
  return false;
}

// Calls word(raw) for each word of name, in order, before lower-casing.
template <Digits kDigits = Digits::Split, class F>
void ForEachWord(std::string_view name, F&& word) {
  constexpr const std::array<bool, 256>& delimiter = Delimiters(kDigits);
  std::size_t start = 0;
  bool inWord = false;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const auto c = static_cast<unsigned char>(name[i]);
    if (delimiter[c]) {
      if (inWord) word(name.substr(start, i - start));
      inWord = false;
      continue;
    }
    if (!inWord) {
      start = i;
      inWord = true;
    } else if (CamelEdge<kDigits>(name, i)) {
      word(name.substr(start, i - start));
      start = i;
    }
  }
  if (inWord) word(name.substr(start));
}

// ForEachWord by the rule digits, chosen once for the name.
template <class F>
void ForEachWord(std::string_view name, Digits digits, F&& word) {
  if (digits == Digits::Keep)
    ForEachWord<Digits::Keep>(name, word);
  else
    ForEachWord<Digits::Split>(name, word);
}

}  // namespace velmora::catalogue
