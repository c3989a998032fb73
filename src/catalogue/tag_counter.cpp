#include "catalogue/tag_counter.h"

#include <utility>

#include "platform/threads.h"

namespace velmora::catalogue {

void TagCounter::Start(Count count) {
  Stop();
  job_.Start([count = std::move(count)](std::stop_token stop, const Poster& post) mutable {
    platform::YieldToForeground();
    std::vector<TagHits> hits =
        CountTagHits(count.index, count.tags, count.kept, stop, count.words, count.digits,
                     count.folders ? &*count.folders : nullptr);
    if (stop.stop_requested()) return;
    if (count.all)
      for (TagHits& h : hits) h.kept = h.all;
    post(handover::Counts{std::move(count.tags), std::move(hits)});
  });
}

void TagCounter::Stop() {
  job_.Stop();
  hits_.clear();
  counted_ = false;
}

void TagCounter::Take(handover::Counts& counts) {
  for (std::size_t i = 0; i < counts.tags.size(); ++i)
    hits_[std::move(counts.tags[i])] = counts.hits[i];
  counted_ = true;
}

std::optional<TagHits> TagCounter::Hits(const std::string& tag) const {
  const auto found = hits_.find(tag);
  if (found == hits_.end()) return std::nullopt;
  return found->second;
}

}  // namespace velmora::catalogue
