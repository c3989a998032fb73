#include "catalogue/background_job.h"

namespace velmora::catalogue {

void BackgroundJob::Start(Work work) {
  Stop();
  stamp_ = inbox_->Open();
  worker_ = platform::Worker(name_, [work = std::move(work), post = Poster(inbox_, stamp_)](
                                        std::stop_token stop) { work(stop, post); });
}

void BackgroundJob::Stop() {
  worker_.Stop();
  if (stamp_ != 0) inbox_->Drop(stamp_);
  stamp_ = 0;
}

}  // namespace velmora::catalogue
