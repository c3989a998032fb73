// In-memory costs of tags and filtering on a million paths. Paths come from a real tree
// when VELMORA_BENCH_TREE names one (scanned once), otherwise from a synthetic list.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <random>

#include "catalogue/filter.h"
#include "catalogue/scan.h"
#include "catalogue/tags.h"
#include "platform/dir_enum.h"

using namespace velmora::catalogue;

namespace {

PathList MakePaths() {
  if (const char* tree = std::getenv("VELMORA_BENCH_TREE")) return ScanFolder(tree);
  static const char* const words[] = {
      "Holiday", "photos", "Beach",   "IMG",       "DSC",        "Report", "FINAL",  "copy",
      "meeting", "notes",  "Invoice", "song",      "Live",       "Résumé", "Müller", "main",
      "utils",   "test",   "README",  "camelCase", "PascalName", "Привет", "Ærø",    "draft"};
  static const char* const seps[] = {"_", "-", " ", ".", "", "(", ") "};
  static const char* const exts[] = {".jpg",  ".JPG", ".png", ".mp3", ".flac", ".pdf",
                                     ".docx", ".txt", ".cpp", ".md",  ".NEF"};
  std::mt19937_64 random(42);
  PathList paths;
  std::string path;
  for (int i = 0; i < 1'000'000; ++i) {
    path = "/home/user/Archive/folder" + std::to_string(i / 20) + "/";
    for (auto n = 1 + random() % 4; n > 0; --n) {
      path += words[random() % std::size(words)];
      path += seps[random() % std::size(seps)];
      if (random() % 3 == 0) path += std::to_string(random() % 10000);
    }
    path += exts[random() % std::size(exts)];
    paths.push_back(path);
  }
  return paths;
}

const PathList& Paths() {
  static const PathList paths = MakePaths();
  return paths;
}

const FilterIndex& Index() {
  static const FilterIndex& index = Paths().Names();
  return index;
}

void BM_CollectTags(benchmark::State& state, Digits digits) {
  for (auto _ : state) benchmark::DoNotOptimize(CollectTags(Paths(), digits));
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * Paths().size()));
}
BENCHMARK_CAPTURE(BM_CollectTags, digits_split, Digits::Split)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CollectTags, digits_kept, Digits::Keep)->Unit(benchmark::kMillisecond);

void BM_SplitTagsEachName(benchmark::State& state) {
  for (auto _ : state) {
    for (std::size_t i = 0; i < Paths().size(); ++i)
      benchmark::DoNotOptimize(SplitTags(Paths().Name(i)));
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * Paths().size()));
}
BENCHMARK(BM_SplitTagsEachName)->Unit(benchmark::kMillisecond);

void BM_Filter(benchmark::State& state, std::vector<std::string> tags, MatchMode mode) {
  Index();
  std::size_t kept = 0;
  for (auto _ : state) {
    const auto result = ApplyTagFilter(Index(), {tags, {}, mode, false, {}});
    kept = result.size();
    benchmark::DoNotOptimize(result.data());
  }
  state.counters["files"] = static_cast<double>(Index().size());
  state.counters["kept"] = static_cast<double>(kept);
}
BENCHMARK_CAPTURE(BM_Filter, three_tags_all, {"beach", "jpg", "holiday"}, MatchMode::All)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Filter, three_tags_any, {"beach", "jpg", "holiday"}, MatchMode::Any)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Filter, common_letters_all, {"e", "a", "t"}, MatchMode::All)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Filter, rare_tag, {"zzqx"}, MatchMode::Any)->Unit(benchmark::kMillisecond);

// The panel's counts: every tag of the list over every name, and over the files one tag keeps.
void BM_CountTagHits(benchmark::State& state) {
  const std::vector<std::string> tags = CollectTags(Paths()).Tags();
  const std::vector<std::size_t> kept =
      ApplyTagFilter(Index(), {{"jpg"}, {}, MatchMode::Any, false, {}});
  for (auto _ : state) benchmark::DoNotOptimize(CountTagHits(Index(), tags, kept).data());
  state.counters["tags"] = static_cast<double>(tags.size());
  state.counters["files"] = static_cast<double>(Index().size());
  state.counters["kept"] = static_cast<double>(kept.size());
}
BENCHMARK(BM_CountTagHits)->Unit(benchmark::kMillisecond);

}  // namespace

// One check of a share's folders: a stat of each folder of the tree. At a check every 5 s,
// or every 50 rounds' time when slower, the share costs round / 5 s of one core.
void BM_RecheckRound(benchmark::State& state) {
  const PathList& paths = Paths();
  for (auto _ : state) {
    std::string folder;
    paths.ForEachRun(0, paths.size(), [&](std::size_t, std::size_t, std::uint32_t k) {
      benchmark::DoNotOptimize(
          velmora::platform::StampOf(std::string(paths.FolderText(k, folder))));
    });
  }
  state.counters["folders"] = static_cast<double>(paths.FolderCount());
  // What the list keeps of the folders' texts, against their whole length.
  std::size_t whole = 0;
  std::string folder;
  for (std::size_t k = 0; k < paths.FolderCount(); ++k) whole += paths.FolderText(k, folder).size();
  const double files = static_cast<double>(std::max<std::size_t>(paths.size(), 1));
  state.counters["folder_bytes_per_file"] = static_cast<double>(paths.FolderBytes()) / files;
  state.counters["whole_folder_bytes_per_file"] = static_cast<double>(whole) / files;
}
BENCHMARK(BM_RecheckRound)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
