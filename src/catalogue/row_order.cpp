#include "catalogue/row_order.h"

#include <algorithm>
#include <numeric>
#include <thread>

#include "platform/threads.h"

namespace velmora::catalogue {
namespace {

// The first eight bytes, capitals made small, as a number that orders as they do.
std::uint64_t Prefix(std::string_view text) {
  std::uint64_t key = 0;
  for (std::size_t i = 0; i < 8; ++i)
    key = key << 8 | (i < text.size() ? FoldAscii(static_cast<unsigned char>(text[i])) : 0U);
  return key;
}

std::uint64_t Ordered(std::int64_t value) {
  return static_cast<std::uint64_t>(value) ^ (std::uint64_t{1} << 63);
}

}  // namespace

std::string_view Extension(std::string_view name) {
  const auto dot = name.rfind('.');
  return dot == std::string_view::npos || dot == 0 ? std::string_view() : name.substr(dot + 1);
}

std::string FoldedExtension(std::string_view name) {
  std::string folded(Extension(name));
  for (char& c : folded) c = static_cast<char>(FoldAscii(static_cast<unsigned char>(c)));
  return folded;
}

std::uint32_t TypeRanks::Of(std::size_t file, std::string_view name) const {
  if (const auto known = byFile.find(file); known != byFile.end()) return known->second;
  const auto kind = byExtension.find(FoldedExtension(name));
  return kind == byExtension.end() ? 0 : kind->second;
}

SortInput MakeSortInput(SortBy by, std::vector<std::size_t> files, const FilterIndex& names,
                        const PathList& paths, std::span<const platform::FileFacts> facts,
                        std::optional<TypeRanks> types) {
  SortInput input{by, std::move(files), names, {}, {}, {}, {}};
  if (by.key == SortKey::Type) input.types = std::move(types);
  if (by.key == SortKey::Folder) {
    input.folderOf = paths.FolderNumbers();
    input.folders.resize(paths.FolderCount());
    for (std::size_t k = 0; k < paths.FolderCount(); ++k) paths.AppendFolder(k, input.folders[k]);
  }
  if (by.key == SortKey::Size || by.key == SortKey::Modified)
    input.facts.assign(facts.begin(), facts.end());
  return input;
}

std::vector<std::size_t> SortFiles(const SortInput& input, std::stop_token stop) {
  const SortKey key = input.by.key;
  const bool down = input.by.descending;
  std::vector<std::uint32_t> rank;  // by folder number: its place among the folders
  if (key == SortKey::Folder) {
    std::vector<std::uint32_t> folders(input.folders.size());
    std::iota(folders.begin(), folders.end(), 0U);
    std::sort(folders.begin(), folders.end(), [&](std::uint32_t a, std::uint32_t b) {
      return input.folders[a] < input.folders[b];
    });
    // A folder may be numbered more than once (listed again after others): one rank.
    rank.resize(folders.size());
    std::uint32_t r = 0;
    for (std::size_t k = 0; k < folders.size(); ++k) {
      if (k > 0 && input.folders[folders[k]] != input.folders[folders[k - 1]]) ++r;
      rank[folders[k]] = r;
    }
  }
  const auto fact = [&](std::size_t f) {
    return f < input.facts.size() ? input.facts[f] : platform::FileFacts{};
  };
  // A number per file that orders most of them; ties are broken by the whole text.
  struct Entry {
    std::uint64_t key;
    std::string_view text;  // what breaks ties: the name, or the type and then the name
    std::size_t file;
  };
  const bool byText = key == SortKey::Name || key == SortKey::Type || key == SortKey::Folder;
  std::vector<Entry> entries;
  entries.reserve(input.files.size());
  for (const std::size_t f : input.files) {
    std::uint64_t k = 0;
    switch (key) {
      case SortKey::None:
        k = 0;
        break;
      case SortKey::Name:
        k = Prefix(input.names.Folded(f));
        break;
      case SortKey::Type:
        k = input.types ? input.types->Of(f, input.names.Folded(f))
                        : Prefix(Extension(input.names.Folded(f)));
        break;
      case SortKey::Folder:
        k = f < input.folderOf.size() ? rank[input.folderOf[f]] : 0;
        break;
      case SortKey::Size:
        k = Ordered(fact(f).size);
        break;
      case SortKey::Modified:
        k = Ordered(fact(f).Known() ? fact(f).modified : INT64_MIN);
        break;
    }
    entries.push_back({down ? ~k : k, byText ? input.names.Folded(f) : std::string_view(), f});
  }
  if (stop.stop_requested()) return {};
  const auto text = [&](const Entry& a, const Entry& b) {
    if (!byText) return 0;
    int c = key == SortKey::Type && !input.types
                ? CompareFolded(Extension(a.text), Extension(b.text))
                : 0;
    if (c == 0) c = CompareFolded(a.text, b.text);
    return down ? -c : c;
  };
  const auto less = [&](const Entry& a, const Entry& b) {
    if (a.key != b.key) return a.key < b.key;
    if (const int c = text(a, b); c != 0) return c < 0;
    return a.file < b.file;
  };
  if (entries.size() < 100000) {
    std::sort(entries.begin(), entries.end(), less);
  } else {
    // Two halves side by side, then merged: most machines have a second core free.
    const auto middle = entries.begin() + static_cast<std::ptrdiff_t>(entries.size() / 2);
    std::jthread half([&] { std::sort(entries.begin(), middle, less); });
    std::sort(middle, entries.end(), less);
    half.join();
    std::inplace_merge(entries.begin(), middle, entries.end(), less);
  }
  if (stop.stop_requested()) return {};
  std::vector<std::size_t> order;
  order.reserve(entries.size());
  for (const Entry& e : entries) order.push_back(e.file);
  return order;
}

void RowOrder::SetBy(SortBy by) {
  by_ = by;
  job_.Stop();
}

void RowOrder::Forget() {
  job_.Stop();
  order_.reset();
  stale_ = false;
}

std::optional<std::vector<std::size_t>> RowOrder::Sort(SortInput input, bool atOnce) {
  job_.Stop();
  if (atOnce) return SortFiles(input);
  job_.Start([input = std::move(input)](std::stop_token stop, const Poster& post) {
    std::vector<std::size_t> order = SortFiles(input, stop);
    if (!stop.stop_requested()) post(handover::Sorted{std::move(order)});
  });
  return std::nullopt;
}

std::vector<std::size_t> RowOrder::Take(handover::Sorted& sorted) {
  job_.Stop();
  return std::move(sorted.order);
}

std::vector<std::size_t> RowOrder::Place(const std::vector<std::size_t>& order,
                                         const std::vector<std::size_t>& rows, std::size_t files) {
  std::vector<std::size_t> rowOf(files, SIZE_MAX);
  for (std::size_t r = 0; r < rows.size(); ++r) rowOf[rows[r]] = r;
  std::vector<std::size_t> next;
  next.reserve(rows.size());
  for (const std::size_t f : order) {
    if (f < files && rowOf[f] != SIZE_MAX) {
      next.push_back(f);
      rowOf[f] = SIZE_MAX;
    }
  }
  const std::size_t seen = next.size();
  for (const std::size_t f : rows)
    if (rowOf[f] != SIZE_MAX) next.push_back(f);
  for (std::size_t r = 0; r < next.size(); ++r) rowOf[next[r]] = r;
  stale_ = next.size() > seen;
  order_ = std::move(next);
  return rowOf;
}

void RowOrder::Add(std::size_t file) {
  order_->push_back(file);
  stale_ = true;
}

std::vector<std::pair<std::size_t, std::size_t>> RowOrder::RunsOf(
    const std::vector<std::size_t>& going, std::size_t files) const {
  std::vector<unsigned char> goes(files, 0);
  for (const std::size_t f : going) goes[f] = 1;
  std::vector<std::pair<std::size_t, std::size_t>> runs;
  for (std::size_t r = 0; r < order_->size(); ++r) {
    if (!goes[(*order_)[r]]) continue;
    if (!runs.empty() && runs.back().second + 1 == r) {
      runs.back().second = r;
    } else {
      runs.emplace_back(r, r);
    }
  }
  return runs;
}

void RowOrder::Erase(std::size_t first, std::size_t last) {
  order_->erase(order_->begin() + static_cast<std::ptrdiff_t>(first),
                order_->begin() + static_cast<std::ptrdiff_t>(last + 1));
}

bool RowOrder::Renumber(
    const std::vector<std::size_t>& numbers, const std::vector<std::size_t>& rows,
    std::size_t files,
    const std::function<std::vector<std::size_t>(std::vector<std::size_t>)>& sort) {
  std::vector<unsigned char> listed(files, 0), placed(files, 0);
  for (const std::size_t f : rows) listed[f] = 1;
  std::vector<std::size_t> next;
  next.reserve(rows.size());
  for (const std::size_t f : *order_) {
    const std::size_t n = f < numbers.size() ? numbers[f] : SIZE_MAX;
    if (n < files && listed[n]) next.push_back(n), placed[n] = 1;
  }
  for (const std::size_t f : rows)
    if (!placed[f]) next.push_back(f);
  // A sort running had the old numbers.
  job_.Stop();
  stale_ = next.size() >= kSortAtOnce;
  order_ = stale_ ? std::move(next) : sort(std::move(next));
  return stale_;
}

}  // namespace velmora::catalogue
