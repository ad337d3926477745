#pragma once
// How many scores one address may send a minute, counted in memory only.
#include <chrono>
#include <cstdint>
#include <mutex>
#include <string>
#include <unordered_map>

namespace klumpix::server {

class RateLimit {
 public:
  using Clock = std::chrono::steady_clock;

  explicit RateLimit(std::int32_t per_minute) : per_minute_(per_minute) {}

  // True when `address` may send one more now; the send is then counted.
  bool Allow(const std::string& address, Clock::time_point now = Clock::now());

 private:
  // Each address's allowance refills evenly over a minute (a token bucket),
  // so a burst of a minute's worth is allowed and then one every 60/N s.
  struct Bucket {
    double tokens = 0;
    Clock::time_point seen;
  };

  void ForgetFullBuckets(Clock::time_point now);

  const std::int32_t per_minute_;
  std::mutex mutex_;
  std::unordered_map<std::string, Bucket> buckets_;
  Clock::time_point last_sweep_;
};

}  // namespace klumpix::server
