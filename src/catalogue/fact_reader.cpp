#include "catalogue/fact_reader.h"

#include <algorithm>
#include <numeric>
#include <string>
#include <utility>

#include "platform/threads.h"

namespace velmora::catalogue {

void ReadFactsOf(const PathList& files, std::size_t first, const std::vector<std::size_t>& numbers,
                 const std::stop_token& stop, const Poster& post) {
  constexpr std::size_t kPiece = 16384;
  std::vector<std::string_view> names;
  std::size_t from = 0;
  do {  // no files still end in one empty last piece
    if (stop.stop_requested()) return;
    const std::size_t end = std::min(files.size(), from + kPiece);
    handover::Facts piece{first + from, {}, {}, end == files.size()};
    if (!numbers.empty()) piece.numbers.assign(numbers.begin() + from, numbers.begin() + end);
    piece.facts.resize(end - from);
    // The files of one folder follow one another: each run is read from its folder.
    for (std::size_t i = from; i < end;) {
      const std::size_t j = std::min(end, files.RunEnd(i));
      names.clear();
      for (std::size_t k = i; k < j; ++k) names.push_back(files.Name(k));
      std::string folder;
      files.AppendFolder(files.FolderOf(i), folder);
      platform::ReadFacts(folder, names, piece.facts.data() + (i - from));
      i = j;
    }
    from = end;
    post(std::move(piece));
  } while (from < files.size());
}

void FactReader::Clear() {
  Stop();
  facts_.clear();
  asked_ = 0;
  again_.clear();
}

void FactReader::Stop() {
  job_.Stop();
  reading_ = false;
}

void FactReader::ReadMore(const PathList& files) {
  if (!wanted_ || reading_) return;
  PathList part;
  std::vector<std::size_t> numbers;
  std::size_t first = asked_;
  if (asked_ >= files.size()) {
    // Files made again where they were listed (a save by renaming over): read anew.
    if (again_.empty()) return;
    for (const std::size_t i : again_) part.push_back(files[i]);
    numbers = std::exchange(again_, {});
    first = 0;
  } else if (asked_ == 0) {
    part = files;  // a copy shares the names
  } else {
    std::string scratch;
    files.ForEachRun(asked_, files.size(), [&](std::size_t i, std::size_t end, std::uint32_t k) {
      const std::uint32_t folder = part.AddFolder(files.FolderText(k, scratch));
      for (; i < end; ++i) part.AddFile(folder, files.Name(i));
    });
  }
  asked_ = std::max(asked_, files.size());
  reading_ = true;
  job_.Start([part = std::move(part), first, numbers = std::move(numbers)](std::stop_token stop,
                                                                           const Poster& post) {
    platform::YieldToForeground();
    ReadFactsOf(part, first, numbers, stop, post);
  });
}

bool FactReader::Take(const handover::Facts& piece, std::size_t files) {
  if (!piece.numbers.empty()) {
    for (std::size_t k = 0; k < piece.numbers.size(); ++k)
      if (piece.numbers[k] < facts_.size()) facts_[piece.numbers[k]] = piece.facts[k];
  } else {
    const std::size_t upTo = piece.first + piece.facts.size();
    if (facts_.size() < upTo) facts_.resize(upTo);
    std::copy(piece.facts.begin(), piece.facts.end(),
              facts_.begin() + static_cast<std::ptrdiff_t>(piece.first));
  }
  if (piece.last) reading_ = false;
  return piece.last && asked_ >= files && again_.empty();
}

void FactReader::Renumber(const std::vector<std::size_t>& numbers, std::size_t files) {
  if (facts_.empty()) return;
  if (!numbers.empty()) {
    std::vector<platform::FileFacts> moved(files);
    for (std::size_t i = 0; i < std::min(facts_.size(), numbers.size()); ++i)
      if (numbers[i] != handover::Checked::kGone) moved[numbers[i]] = facts_[i];
    facts_ = std::move(moved);
  }
  facts_.resize(files);
  again_.resize(files);
  std::iota(again_.begin(), again_.end(), std::size_t{0});
  asked_ = files;
}

}  // namespace velmora::catalogue
