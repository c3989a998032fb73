#include "catalogue/row_order.h"

#include <algorithm>
#include <numeric>

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

SortInput MakeSortInput(SortBy by, std::vector<std::size_t> files, const FilterIndex& names,
                        const PathList& paths, std::span<const platform::FileFacts> facts) {
  SortInput input{by, std::move(files), names, {}, {}, {}};
  if (by.key == SortKey::Folder) {
    input.folderOf = paths.FolderNumbers();
    input.folders.reserve(paths.FolderCount());
    for (std::size_t k = 0; k < paths.FolderCount(); ++k)
      input.folders.emplace_back(paths.FolderText(k));
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
      case SortKey::None: k = 0; break;
      case SortKey::Name: k = Prefix(input.names.Folded(f)); break;
      case SortKey::Type: k = Prefix(Extension(input.names.Folded(f))); break;
      case SortKey::Folder: k = f < input.folderOf.size() ? rank[input.folderOf[f]] : 0; break;
      case SortKey::Size: k = Ordered(fact(f).size); break;
      case SortKey::Modified: k = Ordered(fact(f).Known() ? fact(f).modified : INT64_MIN); break;
    }
    entries.push_back({down ? ~k : k, byText ? input.names.Folded(f) : std::string_view(), f});
  }
  if (stop.stop_requested()) return {};
  const auto text = [&](const Entry& a, const Entry& b) {
    if (!byText) return 0;
    int c = key == SortKey::Type ? CompareFolded(Extension(a.text), Extension(b.text)) : 0;
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

void RowSorter::Start(SortInput input, std::function<void(std::vector<std::size_t>)> done) {
  Stop();
  thread_ = std::jthread(
      [input = std::move(input), done = std::move(done)](std::stop_token stop) {
        platform::NameThread("velmora-sort");
        std::vector<std::size_t> order = SortFiles(input, stop);
        if (!stop.stop_requested()) done(std::move(order));
      });
}

void RowSorter::Stop() {
  if (!thread_.joinable()) return;
  thread_.request_stop();
  thread_.join();
}

}  // namespace velmora::catalogue
