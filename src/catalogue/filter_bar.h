#pragma once
// The filter bar and what the session tells its view: the bar's tags, each kept or left
// out, the match mode, whole tags and the find text, and the row filter they make; the
// chips of the panel beside it; the load's progress.

#include <cstdint>
#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/filter.h"
#include "catalogue/tags.h"

namespace velmora::catalogue {

// The panel a chip of the bar came from, and goes back to when it leaves the bar.
enum class TagKind { Auto, User };

struct BarTag {
  std::string text;
  TagKind kind = TagKind::Auto;
  bool excluded = false;  // files whose names hold it are left out
  friend bool operator==(const BarTag&, const BarTag&) = default;
};

// The order of the panel's auto tags: as first seen (the default), by name, or by how
// many files have them, most first. User tags follow them as they are.
enum class ChipOrder { FirstSeen, Name, Count };

struct LoadProgress {
  bool loading = false;
  bool stopped = false;        // the load was stopped before its end
  bool unchecked = false;      // stopped while checking: listed as an earlier load found them
  bool checking = false;       // the files listed were kept from the last load: being read again
  std::size_t files = 0;       // listed so far
  std::size_t unreadable = 0;  // folders that could not be read, once the load ended
  bool liveOff = false;        // the watch limit was reached: no live changes
  bool following = false;      // every folder read is watched: changes show as they come
  bool gone = false;           // the folder itself was removed or renamed: nothing is listed
  std::uint64_t load = 0;      // new for each load asked for; the folder's own rereads keep it
  // Following, and some folders lie where changes by other computers are not told: they
  // are checked every so many seconds.
  std::uint32_t recheck = 0;
  bool readingFacts = false;  // a find term waits for sizes and times still being read
};

// Hears of the panel's chips and the load's progress; the rows have a listener of their own.
class BrowserView {
 public:
  virtual ~BrowserView() = default;
  // Chips to add at the end of the tag panel.
  virtual void ChipsAdded(const std::vector<std::string>& chips) = 0;
  // The panel's chips are PanelChips() now, the bar's Bar(): show them afresh.
  virtual void ChipsReset() = 0;
  // tag came into the bar (in) or left it, and the bar is Bar() now. One that came leaves
  // the panel of its kind, if it is there; one that left goes back to the end of it.
  virtual void BarChanged(const BarTag& tag, bool in) { (void)tag, (void)in; }
  virtual void ProgressChanged(const LoadProgress& progress) = 0;
};

// What a bar is set to at once: its tags, mode, whole tags and find text, and how digits cut.
struct BarPreset {
  std::vector<BarTag> tags;
  MatchMode mode = MatchMode::All;
  bool whole = false;
  std::string find;
  Digits digits = Digits::Split;
  bool folderWords = false;  // the words of folders are tags
  bool all = false;          // every registered folder is shown
};

// The bar's state. Owner: the session's thread.
class FilterBar {
 public:
  const std::vector<BarTag>& Tags() const { return tags_; }
  bool Holds(const std::string& text) const;
  // False when text is in the bar already.
  bool Add(const BarTag& tag);
  // The tag that left, if text was there; a tag or mode chosen ends a load's "every file".
  std::optional<BarTag> Remove(const std::string& text);
  // The tag from, in its place, now named to, unless to is in the bar: then from leaves.
  // False when from is not there.
  bool Rename(const std::string& from, const std::string& to);
  void SetMode(MatchMode mode);
  MatchMode Mode() const { return mode_; }
  bool Whole() const { return words_; }
  // False when nothing changed.
  bool SetWhole(bool on);
  // How whole tags find the edges of words; kept through Clear.
  void SetDigits(Digits digits) { digits_ = digits; }
  const std::string& Find() const { return find_; }
  // The find text's terms are read as of now (see ParseFind).
  bool SetFind(const std::string& text, std::time_t now = std::time(nullptr));
  // The find text narrows by sizes or times: the files' facts are needed.
  bool Terms() const { return query_.size || query_.modified; }
  // A load: the bar and the find text empty unless keep. While the bar is empty after a
  // load and no tag or mode was chosen since, every file is listed, whatever the mode.
  void Clear(bool keep);
  // Leaves out the tags that do not occur; true when some went. A preset's tags stay whether
  // they occur or not through the load that the next Clear, with keep, starts (its rereads too).
  bool KeepOnly(const std::function<bool(const std::string&)>& occurs);
  void Preset(const BarPreset& preset);
  // facts: the files' sizes and times by number, for the find text's terms.
  RowFilter Filter(std::span<const platform::FileFacts> facts = {}) const;

 private:
  std::vector<BarTag> tags_;
  MatchMode mode_ = MatchMode::All;
  bool words_ = false;
  Digits digits_ = Digits::Split;
  std::string find_;
  FindQuery query_;
  bool loadedAll_ = true;
  bool preset_ = false;  // set since the last Clear
  bool held_ = false;    // a preset's tags, kept by KeepOnly until the next Clear
};

// The chips of the panel: the auto tags of tags that files have and the bar has not, in
// order, then the user tags of userTagLine not in the bar, in either case.
std::vector<std::string> PanelChipsOf(const TagCounts* tags, ChipOrder order,
                                      const std::string* userTagLine, const FilterBar& bar);

}  // namespace velmora::catalogue
