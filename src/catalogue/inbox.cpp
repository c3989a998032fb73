#include "catalogue/inbox.h"

namespace velmora::catalogue {

void Inbox::Post(std::uint64_t generation, handover::Delivery delivery) {
  // Woken under the lock, so that Close returns only once no wake can reach the owner.
  const platform::MutexLock lock(mutex_);
  if (closed_) return;
  posted_.emplace_back(generation, std::move(delivery));
  if (posted_.size() == 1) wake_();
}

void Inbox::Close() {
  const platform::MutexLock lock(mutex_);
  closed_ = true;
  posted_.clear();
}

std::deque<handover::Delivery> Inbox::Take(std::uint64_t current) {
  std::deque<std::pair<std::uint64_t, handover::Delivery>> posted;
  {
    const platform::MutexLock lock(mutex_);
    posted.swap(posted_);
  }
  std::deque<handover::Delivery> taken;
  for (auto& [generation, delivery] : posted)
    if (generation == current) taken.push_back(std::move(delivery));
  return taken;
}

bool Inbox::Empty() {
  const platform::MutexLock lock(mutex_);
  return posted_.empty();
}

}  // namespace velmora::catalogue
