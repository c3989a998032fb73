#include "catalogue/tags.h"

#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <atomic>
#include <functional>

namespace velmora::catalogue {

void AppendLowerCase(std::string_view text, std::string& out) {
  const auto* s = reinterpret_cast<const std::uint8_t*>(text.data());
  const auto length = static_cast<std::int32_t>(text.size());
  std::int32_t i = 0;
  while (i < length) {
    const std::uint8_t b = s[i];
    if (b < 0x80) {  // most names are ASCII
      out.push_back(static_cast<char>(b >= 'A' && b <= 'Z' ? b + ('a' - 'A') : b));
      ++i;
      continue;
    }
    const std::int32_t start = i;
    UChar32 c;
    U8_NEXT(s, i, length, c);
    // Ill-formed bytes (c < 0, which u_tolower gives back) and characters without a lower
    // case stay as they are.
    const UChar32 lower = u_tolower(c);
    if (lower == c) {
      out.append(text.substr(start, i - start));
      continue;
    }
    std::uint8_t buffer[U8_MAX_LENGTH];
    std::int32_t n = 0;
    U8_APPEND_UNSAFE(buffer, n, lower);
    out.append(reinterpret_cast<const char*>(buffer), static_cast<std::size_t>(n));
  }
}

std::string LowerCase(std::string_view text) {
  std::string out;
  AppendLowerCase(text, out);
  return out;
}

std::vector<std::string> SplitTags(std::string_view name, Digits digits) {
  std::vector<std::string> words;
  ForEachWord(name, digits, [&](std::string_view w) { words.push_back(LowerCase(w)); });
  return words;
}

namespace {

// Calls tag(lower) for each word of name, lower-cased into the buffer lower.
template <class F>
void ForEachTag(std::string_view name, Digits digits, std::string& lower, F&& tag) {
  ForEachWord(name, digits, [&](std::string_view word) {
    lower.clear();
    AppendLowerCase(word, lower);
    tag(lower);
  });
}

std::uint64_t HashOf(std::string_view s) { return std::hash<std::string_view>{}(s); }

// Versions come from one sequence for every list; the scan's threads count tags too.
std::atomic<std::uint64_t> lastVersion{0};
}  // namespace

std::size_t TagList::FindSlot(std::string_view tag, std::uint64_t hash) const {
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
    const Slot& slot = slots_[i];
    if (slot.index == kEmpty || (slot.hash == hash && tags_[slot.index] == tag)) return i;
  }
}

void TagList::Grow() {
  std::vector<Slot> old = std::move(slots_);
  slots_.assign(old.empty() ? 64 : old.size() * 2, Slot{});
  for (const Slot& slot : old) {
    if (slot.index != kEmpty) slots_[FindSlot(tags_[slot.index], slot.hash)] = slot;
  }
}

bool TagList::Add(std::string_view tag) {
  const std::size_t before = tags_.size();
  return Insert(tag) == before;
}

std::size_t TagList::Insert(std::string_view tag) {
  if ((tags_.size() + 1) * 2 > slots_.size()) Grow();
  const std::uint64_t hash = HashOf(tag);
  Slot& slot = slots_[FindSlot(tag, hash)];
  if (slot.index != kEmpty) return slot.index;
  slot = {hash, tags_.size()};
  tags_.emplace_back(tag);
  return slot.index;
}

std::size_t TagList::Find(std::string_view tag) const {
  if (slots_.empty()) return tags_.size();
  const Slot& slot = slots_[FindSlot(tag, HashOf(tag))];
  return slot.index == kEmpty ? tags_.size() : slot.index;
}

std::size_t TagCounts::Insert(std::string_view tag) {
  const std::size_t i = tags_.Insert(tag);
  if (i == counts_.size()) counts_.push_back(0);
  return i;
}

void TagCounts::Raise(std::size_t i, std::size_t times) {
  if (counts_[i] == 0 && times > 0)
    version_ = lastVersion.fetch_add(1, std::memory_order_relaxed) + 1;
  counts_[i] += times;
}

void TagCounts::AddName(std::string_view name) {
  ForEachTag(name, digits_, lower_, [&](const std::string& tag) { Raise(Insert(tag), 1); });
}

void TagCounts::RemoveName(std::string_view name, std::vector<std::string>& gone) {
  ForEachTag(name, digits_, lower_, [&](const std::string& tag) {
    const std::size_t i = tags_.Find(tag);
    if (i < counts_.size() && counts_[i] > 0 && --counts_[i] == 0) gone.push_back(tags_[i]);
  });
}

void TagCounts::AddWords(std::string_view text, std::size_t times) {
  ForEachTag(text, digits_, lower_, [&](const std::string& tag) { Raise(Insert(tag), times); });
}

void TagCounts::RemoveWords(std::string_view text, std::size_t times,
                            std::vector<std::string>& gone) {
  ForEachTag(text, digits_, lower_, [&](const std::string& tag) {
    const std::size_t i = tags_.Find(tag);
    if (i >= counts_.size() || counts_[i] == 0) return;
    counts_[i] -= std::min(counts_[i], times);
    if (counts_[i] == 0) gone.push_back(tags_[i]);
  });
}

void TagCounts::Merge(const TagCounts& other, std::vector<std::string>& added) {
  for (std::size_t k = 0; k < other.tags_.size(); ++k) {
    if (other.counts_[k] == 0) continue;
    const std::size_t i = Insert(other.tags_[k]);
    if (counts_[i] == 0) added.push_back(tags_[i]);
    Raise(i, other.counts_[k]);
  }
}

void MergeTags(TagList& tags, const std::vector<std::string>& words) {
  for (const std::string& w : words) tags.Add(w);
}

std::string_view TagRule::Below(std::string_view folder) const {
  std::size_t shortest = 0;
  bool in = false;
  for (const std::string& f : folders) {
    if (folder.starts_with(f) && (!in || f.size() < shortest)) shortest = f.size(), in = true;
  }
  return in ? folder.substr(shortest) : std::string_view();
}

TagList CollectTags(const PathList& paths, const TagRule& rule) {
  TagList tags;
  std::string lower, scratch;
  const auto add = [&](const std::string& tag) { tags.Add(tag); };
  paths.ForEachRun(0, paths.size(), [&](std::size_t first, std::size_t end, std::uint32_t k) {
    if (rule.FolderWords())
      ForEachTag(rule.Below(paths.FolderText(k, scratch)), rule.digits, lower, add);
    for (std::size_t i = first; i < end; ++i) ForEachTag(paths.Name(i), rule.digits, lower, add);
  });
  return tags;
}

}  // namespace velmora::catalogue
