#include "catalogue/tag_counter.h"

#include "platform/threads.h"

namespace velmora::catalogue {

void TagCounter::Start(Count count) {
  Stop();
  thread_ = std::jthread([inbox = inbox_, count = std::move(count)](std::stop_token stop) mutable {
    platform::NameThread("velmora-count");
    platform::YieldToForeground();
    std::vector<TagHits> hits = CountTagHits(count.index, count.tags, count.kept, stop, count.words);
    if (stop.stop_requested()) return;
    if (count.all)
      for (TagHits& h : hits) h.kept = h.all;
    inbox->Post(count.generation,
                handover::Counts{count.counting, std::move(count.tags), std::move(hits)});
  });
}

void TagCounter::Stop() {
  if (!thread_.joinable()) return;
  thread_.request_stop();
  thread_.join();
}

}  // namespace velmora::catalogue
