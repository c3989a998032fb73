#include "catalogue/tag_counter.h"

#include <algorithm>
#include <utility>

#include "platform/threads.h"

namespace velmora::catalogue {

void TagCounter::Start(Count count) {
  Stop();
  job_.Start([count = std::move(count)](std::stop_token stop, const Poster& post) mutable {
    platform::YieldToForeground(platform::Yield::Shown);  // the panel's numbers
    std::vector<TagHits> hits =
        CountTagHits(count.index, *count.tags, count.kept, stop, count.words, count.digits,
                     count.folders ? &*count.folders : nullptr, kFilterSplit,
                     count.gone ? &*count.gone : nullptr);
    if (stop.stop_requested()) return;
    if (count.all)
      for (TagHits& h : hits) h.kept = h.all;
    post(handover::Counts{std::move(count.tags), std::move(hits)});
  });
}

void TagCounter::Stop() {
  job_.Stop();
  tags_.reset();
  hits_.clear();
  counted_ = false;
}

void TagCounter::Take(handover::Counts& counts) {
  tags_ = std::move(counts.tags);
  hits_ = std::move(counts.hits);
  counted_ = true;
}

std::optional<TagHits> TagCounter::Hits(const std::string& tag) const {
  // Asked for one tag at a time, when a person points at it.
  if (!tags_) return std::nullopt;
  const auto found = std::find(tags_->begin(), tags_->end(), tag);
  if (found == tags_->end()) return std::nullopt;
  return hits_[static_cast<std::size_t>(found - tags_->begin())];
}

}  // namespace velmora::catalogue
