#include "catalogue/filter_bar.h"

#include <algorithm>

#include "catalogue/user_tags.h"

namespace velmora::catalogue {

bool FilterBar::Holds(const std::string& text) const {
  return std::any_of(tags_.begin(), tags_.end(), [&](const BarTag& t) { return t.text == text; });
}

bool FilterBar::Add(const BarTag& tag) {
  if (Holds(tag.text)) return false;
  tags_.push_back(tag);
  return true;
}

std::optional<BarTag> FilterBar::Remove(const std::string& text) {
  loadedAll_ = false;
  const auto at =
      std::find_if(tags_.begin(), tags_.end(), [&](const BarTag& tag) { return tag.text == text; });
  if (at == tags_.end()) return std::nullopt;
  BarTag left = *at;
  tags_.erase(at);
  return left;
}

bool FilterBar::Rename(const std::string& from, const std::string& to) {
  if (Holds(to)) return Remove(from).has_value();
  const auto at =
      std::find_if(tags_.begin(), tags_.end(), [&](const BarTag& tag) { return tag.text == from; });
  if (at == tags_.end()) return false;
  at->text = to;
  return true;
}

void FilterBar::SetMode(MatchMode mode) {
  mode_ = mode;
  loadedAll_ = false;
}

bool FilterBar::SetWhole(bool on) { return std::exchange(words_, on) != on; }

bool FilterBar::SetFind(const std::string& text, std::time_t now) {
  if (text == find_) return false;
  find_ = text;
  query_ = ParseFind(text, now);
  return true;
}

void FilterBar::Clear(bool keep) {
  if (!keep) {
    tags_.clear();
    find_.clear();
    query_ = {};
  }
  held_ = std::exchange(preset_, false) && keep;
  if (tags_.empty()) loadedAll_ = true;
}

bool FilterBar::KeepOnly(const std::function<bool(const std::string&)>& occurs) {
  if (held_) return false;
  const std::size_t before = tags_.size();
  std::erase_if(tags_, [&](const BarTag& tag) { return !occurs(tag.text); });
  if (tags_.empty()) loadedAll_ = true;
  return tags_.size() != before;
}

void FilterBar::Preset(const BarPreset& preset) {
  tags_ = preset.tags;
  mode_ = preset.mode;
  words_ = preset.whole;
  find_ = preset.find;
  query_ = ParseFind(find_, std::time(nullptr));
  digits_ = preset.digits;
  loadedAll_ = tags_.empty();
  preset_ = true;
}

RowFilter FilterBar::Filter(std::span<const platform::FileFacts> facts) const {
  RowFilter filter;
  filter.mode = tags_.empty() && loadedAll_ ? MatchMode::All : mode_;
  filter.words = words_;
  filter.digits = digits_;
  filter.name = query_.words;
  filter.size = query_.size, filter.modified = query_.modified, filter.facts = facts;
  filter.none = !query_.error.empty();
  for (const BarTag& tag : tags_)
    (tag.excluded ? filter.excluded : filter.tags).push_back(tag.text);
  return filter;
}

std::vector<std::string> PanelChipsOf(const TagCounts* tags, ChipOrder order,
                                      const std::string* userTagLine, const FilterBar& bar) {
  std::vector<std::string> chips;
  if (tags) {
    std::vector<std::size_t> shown;
    for (std::size_t i = 0; i < tags->Tags().size(); ++i) {
      if (tags->Count(i) > 0 && !bar.Holds(tags->Tags()[i])) shown.push_back(i);
    }
    const auto name = [&](std::size_t a, std::size_t b) {
      return tags->Tags()[a] < tags->Tags()[b];
    };
    const auto count = [&](std::size_t a, std::size_t b) {
      return tags->Count(a) > tags->Count(b);
    };
    if (order == ChipOrder::Name) std::sort(shown.begin(), shown.end(), name);
    if (order == ChipOrder::Count) std::stable_sort(shown.begin(), shown.end(), count);
    chips.reserve(shown.size());  // numbers kept as tags make half a million chips
    for (const std::size_t i : shown) chips.push_back(tags->Tags()[i]);
  }
  if (userTagLine) {
    for (std::string& piece : UserTagPieces(*userTagLine)) {
      if (!bar.Holds(piece) && !bar.Holds(LowerCase(piece))) chips.push_back(std::move(piece));
    }
  }
  return chips;
}

}  // namespace velmora::catalogue
