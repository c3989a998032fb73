#pragma once
// The names of a file list as they are, searched for lower-cased text: ASCII capitals
// are folded while matching, so no lower-cased copy is kept. The rare name whose lower
// case is more than ASCII's (Ä, İ) is matched against its lower-cased text, kept
// beside it. Names are stored one after another, each ended by a NUL, which no file
// name holds, so one pass over a buffer searches every name in it. A list that grows
// while it is shown keeps its names in pieces, so that growing never copies what is
// there.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/words.h"

namespace velmora::catalogue {

inline unsigned char FoldAscii(unsigned char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c + ('a' - 'A')) : c;
}

// Compares as the texts would with their ASCII capitals made small.
int CompareFolded(std::string_view a, std::string_view b);

struct TagHits;
class FileSet;
class FolderWords;

class FilterIndex {
 public:
  FilterIndex() = default;
  // A copy shares the pieces and seals them: neither index grows a piece the other
  // holds, so a copy can be read on another thread while this one grows.
  FilterIndex(const FilterIndex& other);
  FilterIndex& operator=(const FilterIndex& other);
  FilterIndex(FilterIndex&&) = default;
  FilterIndex& operator=(FilterIndex&&) = default;

  void Add(std::string_view name);
  // The names of other after these ones.
  void Append(FilterIndex&& other);
  // Lets go of the room the last piece keeps for more names.
  void Shrink() const;

  std::size_t size() const { return count_; }
  std::string_view Name(std::size_t i) const;
  // What name i is matched as: its lower case, or the name itself where that differs
  // from it only in ASCII capitals (compare it with CompareFolded).
  std::string_view Folded(std::size_t i) const;
  // Marks hits[i] for each name that contains needle (already lower-cased); with words,
  // only where needle starts and ends on the edges of the name's words, cut by the rule
  // digits.
  void MarkHits(std::string_view needle, std::vector<unsigned char>& hits, bool words = false,
                Digits digits = Digits::Split) const;
  // The same for names from to to only, marking hits[i - from]; several threads may mark
  // ranges of one index at once.
  void MarkHits(std::string_view needle, unsigned char* hits, std::size_t from, std::size_t to,
                bool words, Digits digits) const;
  // Whether name i contains needle; the same rule for a single name.
  bool Hits(std::size_t i, std::string_view needle, bool words = false,
            Digits digits = Digits::Split) const;
  // Of names from to to, keeps (keep[i - from] stays 1) those kept so far whose holding
  // needle is want, name by name; returns how many are kept.
  std::size_t Narrow(std::string_view needle, unsigned char* keep, std::size_t from, std::size_t to,
                     bool want, bool words, Digits digits) const;

 private:
  // Names one after another, each ended by a NUL; starts has one entry more: the end.
  struct Text {
    std::string bytes;
    std::vector<std::uint32_t> starts{0};
    std::size_t size() const { return starts.size() - 1; }
    std::string_view Name(std::size_t k) const {
      return std::string_view(bytes).substr(starts[k], starts[k + 1] - starts[k] - 1);
    }
    void Add(std::string_view name);
    void Append(const Text& other);
  };
  struct Piece {
    Text names;
    // The names whose lower case is more than ASCII's, by number here, ascending; their
    // lower-cased text; and in it, where a capital followed a small letter (iPhone): a
    // word's edge that lower case hides; and where one followed a digit (Mp3Player): an
    // edge when digits are kept.
    std::vector<std::uint32_t> odd;
    Text lower;
    std::vector<std::uint32_t> camel;
    std::vector<std::uint32_t> digitCamel;
    std::size_t size() const { return names.size(); }
    // The place of name k among the odd ones, or none.
    const std::uint32_t* Odd(std::size_t k) const;
    void Add(std::string_view name);
    void Append(const Piece& other);
    void MarkHits(std::string_view needle, unsigned char* hits, std::size_t from, std::size_t to,
                  bool words, Digits digits) const;
    // Whether name k, place its entry among the odd ones (or none), holds needle.
    bool Holds(std::size_t k, const std::uint32_t* place, std::string_view needle, bool words,
               Digits digits) const;
  };
  // The number of the piece holding name i.
  std::size_t PieceAt(std::size_t i) const;
  friend std::vector<TagHits> CountTagHits(const FilterIndex&, const std::vector<std::string>&,
                                           const FileSet&, std::stop_token, bool, Digits,
                                           const FolderWords*, std::size_t, const FileSet*);

  // Shared by copies, which are cheap: a shared piece never grows.
  std::vector<std::shared_ptr<Piece>> pieces_;
  // The number of each piece's first name: apart from the pieces, which copies share.
  std::vector<std::size_t> firsts_;
  std::size_t count_ = 0;
  mutable std::size_t sealed_ = 0;  // pieces_ before this one are shared with a copy
};

}  // namespace velmora::catalogue
