#pragma once
// Auto tags: the lower-cased words of file names.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "catalogue/path_list.h"
#include "catalogue/words.h"

namespace velmora::catalogue {

// Unicode lower case of UTF-8 text; bytes that are not valid UTF-8 pass through unchanged.
std::string LowerCase(std::string_view text);
void AppendLowerCase(std::string_view text, std::string& out);

// The words of a file name, lower-cased, in order, repeats kept.
std::vector<std::string> SplitTags(std::string_view name, Digits digits = Digits::Split);

// How files' tags are cut: the words of each name by the rule digits and, when folders
// are named, also the words of the file's folder below the one of them it lies in
// (Holiday/Rome 2018/ below Photos/: holiday, rome).
struct TagRule {
  TagRule(Digits d = Digits::Split, std::vector<std::string> below = {})  // NOLINT: a rule of names
      : digits(d), folders(std::move(below)) {}
  Digits digits;
  std::vector<std::string> folders;  // each ending with a separator; none: names only
  bool FolderWords() const { return !folders.empty(); }
  // The text of folder (ending with a separator) below the outermost of folders it lies
  // in; empty when it lies in none.
  std::string_view Below(std::string_view folder) const;
  friend bool operator==(const TagRule&, const TagRule&) = default;
};

// Distinct tags in the order first met, with a hash index so that adding stays
// constant-time however many tags a tree has.
class TagList {
 public:
  // Appends tag unless present; true when it was appended.
  bool Add(std::string_view tag);
  // The position of tag, appended when absent.
  std::size_t Insert(std::string_view tag);
  // The position of tag, or size() when absent.
  std::size_t Find(std::string_view tag) const;

  std::size_t size() const { return tags_.size(); }
  bool empty() const { return tags_.empty(); }
  const std::string& operator[](std::size_t i) const { return tags_[i]; }
  const std::vector<std::string>& Tags() const { return tags_; }
  auto begin() const { return tags_.begin(); }
  auto end() const { return tags_.end(); }

 private:
  struct Slot {
    std::uint64_t hash = 0;
    std::size_t index = kEmpty;
  };
  static constexpr std::size_t kEmpty = static_cast<std::size_t>(-1);
  std::size_t FindSlot(std::string_view tag, std::uint64_t hash) const;
  void Grow();

  std::vector<std::string> tags_;
  std::vector<Slot> slots_;
};

// The auto tags of a changing set of names, each with how often its words occur, so
// that a tag can go when the last name holding it goes. Tags stay in first-seen order;
// one that goes and comes back keeps its place.
class TagCounts {
 public:
  TagCounts() = default;
  explicit TagCounts(Digits digits) : digits_(digits) {}
  // How the names' words are cut.
  Digits digits() const { return digits_; }
  void AddName(std::string_view name);
  // Takes a name that was added away again; appends the tags nothing holds any more.
  void RemoveName(std::string_view name, std::vector<std::string>& gone);
  // The words of text, as those of times names.
  void AddWords(std::string_view text, std::size_t times);
  void RemoveWords(std::string_view text, std::size_t times, std::vector<std::string>& gone);
  // Adds other's counts; appends the tags that were held by nothing before.
  void Merge(const TagCounts& other, std::vector<std::string>& added);
  const TagList& Tags() const { return tags_; }
  std::size_t Count(std::size_t i) const { return counts_[i]; }
  // Changes, to a value no other list had, whenever a tag comes that no name held (new, or
  // back): the tags held under one version are those held when it was first seen, or fewer.
  std::uint64_t Version() const { return version_; }
  bool Holds(std::string_view tag) const {
    const std::size_t i = tags_.Find(tag);
    return i < counts_.size() && counts_[i] > 0;
  }

 private:
  // The position of tag, appended with no count when absent.
  std::size_t Insert(std::string_view tag);
  // Adds times to the count of tag i.
  void Raise(std::size_t i, std::size_t times);

  Digits digits_ = Digits::Split;
  TagList tags_;
  std::vector<std::size_t> counts_;
  std::uint64_t version_ = 0;
  std::string lower_;
};

// Appends to tags every word not yet there, in the order of words.
void MergeTags(TagList& tags, const std::vector<std::string>& words);

// The distinct auto tags of every file in paths, in first-seen order (a folder's words
// before its files' names): the same as merging SplitTags of each, without building the
// word lists.
TagList CollectTags(const PathList& paths, const TagRule& rule = {});

}  // namespace velmora::catalogue
