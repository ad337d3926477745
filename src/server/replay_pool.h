#pragma once
// A fixed number of threads that replay recordings, and a bounded queue in
// front of them: a flood of submissions waits there or is turned away, and
// the threads that answer other requests are never all taken by replays.
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <future>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "server/replay_check.h"

namespace klumpix::server {

class ReplayPool {
 public:
  ReplayPool(std::size_t threads, std::size_t queue_capacity, ReplayLimits limits);
  ~ReplayPool();
  ReplayPool(const ReplayPool&) = delete;
  ReplayPool& operator=(const ReplayPool&) = delete;

  // The verdict to come, or nothing when the queue is full.
  std::optional<std::future<ReplayVerdict>> Check(std::string recording, Claim claim);

 private:
  void Work();

  const std::size_t capacity_;
  const ReplayLimits limits_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<std::packaged_task<ReplayVerdict()>> queue_;
  bool stopping_ = false;
  std::vector<std::thread> threads_;
};

}  // namespace klumpix::server
