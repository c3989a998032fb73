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

void Deliveries::TakeFrom(Inbox& inbox) {
  for (Inbox::Posted& p : inbox.Take()) {
    auto* made = std::get_if<handover::Files>(&p.delivery);
    auto* last = pending_.empty() || pending_.back().stamp != p.stamp
                     ? nullptr
                     : std::get_if<handover::Files>(&pending_.back().delivery);
    if (made && last && made->live && last->live) {
      last->Append(std::move(*made));
    } else {
      pending_.push_back(std::move(p));
    }
  }
}

std::optional<Inbox::Posted> Deliveries::Next() {
  if (pending_.empty()) return std::nullopt;
  Inbox::Posted next = std::move(pending_.front());
  pending_.pop_front();
  return next;
}

bool Deliveries::WaitsForLoad(const Inbox::Posted& posted) {
  const handover::Delivery& d = posted.delivery;
  const auto* files = std::get_if<handover::Files>(&d);
  return (files && files->live) || std::holds_alternative<handover::Gone>(d) ||
         std::holds_alternative<handover::Following>(d) ||
         std::holds_alternative<handover::Reread>(d);
}

void Deliveries::Hold(Inbox::Posted&& posted) {
  const auto reread = [](const Inbox::Posted& p) {
    return std::holds_alternative<handover::Reread>(p.delivery);
  };
  if (!reread(posted) || std::none_of(held_.begin(), held_.end(), reread))
    held_.push_back(std::move(posted));
}

void Deliveries::Unhold() {
  for (auto d = held_.rbegin(); d != held_.rend(); ++d) pending_.push_front(std::move(*d));
  held_.clear();
}

}  // namespace velmora::catalogue
