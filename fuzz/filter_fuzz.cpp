// The tag filter over many names against the plainest reading of its rule: a name is
// kept when its lower-cased text contains the lower-cased tag. Names lie side by side
// in one buffer searched 16 bytes at a time, so matches near the ends of names, and
// needles that would fit across two of them, are where the two could disagree.
//
// Tags that match whole words only are checked against the same rule's weaker promises.
// With folders' words as tags, a file named \x01 in a folder of each name is kept as
// the name and its own name would keep it.
//
// Input: a mode byte (bit 0: Any), then tags separated by ',' up to the first '/',
// then file names separated by '/'.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/filter.h"
#include "catalogue/tags.h"

using namespace velmora::catalogue;

namespace {

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (;;) {
    const auto end = text.find(separator);
    parts.push_back(text.substr(0, end));
    if (end == std::string_view::npos) return parts;
    text.remove_prefix(end + 1);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const MatchMode mode = (data[0] & 1) != 0 ? MatchMode::Any : MatchMode::All;
  const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
  const auto slash = rest.find('/');
  if (slash == std::string_view::npos) return 0;

  std::vector<std::string> tags;
  for (const std::string_view tag : Split(rest.substr(0, slash), ',')) tags.emplace_back(tag);
  PathList paths;
  const std::uint32_t folder = paths.AddFolder("/d/");
  for (const std::string_view name : Split(rest.substr(slash + 1), '/')) {
    if (name.find('\0') != std::string_view::npos) return 0;  // no file name holds one
    if (!name.empty()) paths.AddFile(folder, name);
  }

  // With the second bit, the last tag leaves out the names that hold it.
  std::vector<std::string> excluded;
  if ((data[0] & 2) != 0 && !tags.empty()) {
    excluded.push_back(tags.back());
    tags.pop_back();
  }
  const auto expect = [&](bool inFolders, std::vector<TagHits>& hits) {
    const auto holds = [&](const std::string& name, const std::string& tag) {
      return name.find(LowerCase(tag)) != std::string::npos ||
             (inFolders && LowerCase(tag) == "\x01");
    };
    std::vector<std::size_t> expected;
    hits.assign(tags.size(), {});
    for (std::size_t i = 0; i < paths.size(); ++i) {
      const std::string name = LowerCase(paths.Name(i));
      std::size_t found = 0;
      for (std::size_t k = 0; k < tags.size(); ++k) {
        const bool hit = holds(name, tags[k]);
        found += hit;
        hits[k].all += hit;
      }
      const bool kept = tags.empty()             ? mode == MatchMode::All || !excluded.empty()
                        : mode == MatchMode::All ? found == tags.size()
                                                 : found > 0;
      if (kept && (excluded.empty() || !holds(name, excluded[0]))) expected.push_back(i);
    }
    return expected;
  };
  std::vector<TagHits> hits;
  const std::vector<std::size_t> expected = expect(false, hits);
  if (ApplyTagFilter(paths.Names(), {tags, excluded, mode, false, {}}) != expected) std::abort();
  // Every tag counted in one pass, as the tag panel's tooltips are.
  std::vector<TagHits> counted = CountTagHits(paths.Names(), tags);
  for (TagHits& h : counted) h.kept = 0;
  if (counted != hits) std::abort();
  // Each name as a folder's, its file named \x01: a tag hits a folder's words or a name.
  PathList inFolders;
  for (std::size_t i = 0; i < paths.size(); ++i)
    inFolders.AddFile(inFolders.AddFolder("/d/" + std::string(paths.Name(i)) + "/"), "\x01");
  FolderWords folders;
  folders.Follow(inFolders, TagRule(Digits::Split, {"/d/"}));
  std::vector<TagHits> folderHits;
  const std::vector<std::size_t> byFolders = expect(true, folderHits);
  for (const std::size_t split : {kFilterSplit, std::size_t{1}, paths.size() / 3 + 1}) {
    if (ApplyTagFilter(inFolders.Names(), {tags, excluded, mode, false, {}}, &folders, split) !=
        byFolders)
      std::abort();
  }
  for (const std::size_t split : {kFilterSplit, std::size_t{1}, paths.size() / 3 + 1}) {
    counted = CountTagHits(inFolders.Names(), tags, {}, {}, false, Digits::Split, &folders, split);
    for (TagHits& h : counted) h.kept = 0;
    if (counted != folderHits) std::abort();
  }
  // The same names arriving one by one, as a shown folder grows, filter the same.
  FilterIndex grown;
  for (std::size_t i = 0; i < paths.size(); ++i) {
    PathList one;
    one.AddFile(one.AddFolder("/d/"), paths.Name(i));
    grown.Append(FilterIndex(one.Names()));
  }
  if (ApplyTagFilter(grown, {tags, excluded, mode, false, {}}) != expected ||
      ApplyTagFilter(grown, {tags, excluded, mode, false, {}}, nullptr, 1) != expected)
    std::abort();

  // Whole words: never more than anywhere, whole or grown alike; the counts of one pass
  // as filtering by each tag alone.
  if (excluded.empty()) {
    const Digits digits = (data[0] & 4) != 0 ? Digits::Keep : Digits::Split;
    const RowFilter words{tags, {}, mode, true, {}, digits};
    const std::vector<std::size_t> kept = ApplyTagFilter(paths.Names(), words);
    if (!std::includes(expected.begin(), expected.end(), kept.begin(), kept.end())) std::abort();
    if (ApplyTagFilter(grown, words) != kept) std::abort();
    const std::vector<TagHits> wordHits = CountTagHits(grown, tags, {}, {}, true, digits);
    for (std::size_t k = 0; k < tags.size(); ++k) {
      const RowFilter one{{tags[k]}, {}, MatchMode::Any, true, {}, digits};
      if (wordHits[k].all != ApplyTagFilter(paths.Names(), one).size()) std::abort();
    }
  }
  return 0;
}
