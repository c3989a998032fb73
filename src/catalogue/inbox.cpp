#include "catalogue/inbox.h"

#include <algorithm>

namespace velmora::catalogue {

Stamp Inbox::Open() {
  const platform::MutexLock lock(mutex_);
  open_.push_back(++last_);
  return last_;
}

void Inbox::Drop(Stamp stamp) {
  const platform::MutexLock lock(mutex_);
  std::erase(open_, stamp);
  std::erase_if(posted_, [stamp](const Posted& p) { return p.stamp == stamp; });
}

bool Inbox::Live(Stamp stamp) {
  const platform::MutexLock lock(mutex_);
  return std::find(open_.begin(), open_.end(), stamp) != open_.end();
}

void Inbox::Post(Stamp stamp, handover::Delivery delivery) {
  // Woken under the lock, so that Close returns only once no wake can reach the owner.
  const platform::MutexLock lock(mutex_);
  if (closed_ || std::find(open_.begin(), open_.end(), stamp) == open_.end()) return;
  posted_.push_back({stamp, std::move(delivery)});
  if (posted_.size() == 1) wake_();
}

void Inbox::Close() {
  const platform::MutexLock lock(mutex_);
  closed_ = true;
  open_.clear();
  posted_.clear();
}

std::deque<Inbox::Posted> Inbox::Take() {
  std::deque<Posted> posted;
  const platform::MutexLock lock(mutex_);
  posted.swap(posted_);
  return posted;
}

bool Inbox::Empty() {
  const platform::MutexLock lock(mutex_);
  return posted_.empty();
}

}  // namespace velmora::catalogue
