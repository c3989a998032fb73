#include "catalogue/fact_reader.h"

#include <string>
#include <vector>

#include "platform/threads.h"

namespace velmora::catalogue {

void FactReader::Start(std::uint64_t generation, PathList files, std::size_t first,
                       std::vector<std::size_t> numbers) {
  thread_ = platform::Worker("velmora-facts", [inbox = inbox_, generation, files = std::move(files),
                                               first,
                                               numbers = std::move(numbers)](std::stop_token stop) {
    platform::YieldToForeground();
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
        platform::ReadFacts(std::string(files.Folder(i)), names, piece.facts.data() + (i - from));
        i = j;
      }
      from = end;
      inbox->Post(generation, std::move(piece));
    } while (from < files.size());
  });
}

}  // namespace velmora::catalogue
