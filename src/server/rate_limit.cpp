#include "server/rate_limit.h"

#include <algorithm>

namespace klumpix::server {

namespace {

// Addresses not heard from for a minute have a full bucket again; forgetting
// them keeps the map as small as the last minute's senders.
constexpr auto kSweepEvery = std::chrono::seconds(60);

}  // namespace

bool RateLimit::Allow(const std::string& address, Clock::time_point now) {
  std::lock_guard lock(mutex_);
  if (now - last_sweep_ >= kSweepEvery) ForgetFullBuckets(now);
  const double capacity = per_minute_;
  auto [it, fresh] = buckets_.try_emplace(address, Bucket{capacity, now});
  Bucket& bucket = it->second;
  if (!fresh) {
    const double minutes = std::chrono::duration<double>(now - bucket.seen).count() / 60.0;
    bucket.tokens = std::min(capacity, bucket.tokens + minutes * capacity);
    bucket.seen = now;
  }
  if (bucket.tokens < 1.0) return false;
  bucket.tokens -= 1.0;
  return true;
}

void RateLimit::ForgetFullBuckets(Clock::time_point now) {
  std::erase_if(buckets_,
                [&](const auto& entry) { return now - entry.second.seen >= kSweepEvery; });
  last_sweep_ = now;
}

}  // namespace klumpix::server
