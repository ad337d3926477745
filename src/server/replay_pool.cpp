#include "server/replay_pool.h"

namespace klumpix::server {

ReplayPool::ReplayPool(std::size_t threads, std::size_t queue_capacity, ReplayLimits limits)
    : capacity_(queue_capacity), limits_(limits) {
  for (std::size_t i = 0; i < threads; ++i) threads_.emplace_back([this] { Work(); });
}

ReplayPool::~ReplayPool() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  for (std::thread& thread : threads_) thread.join();
}

std::optional<std::future<ReplayVerdict>> ReplayPool::Check(std::string recording, Claim claim) {
  std::packaged_task<ReplayVerdict()> task(
      [this, recording = std::move(recording), claim = std::move(claim)] {
        return CheckRecording(recording, claim, limits_);
      });
  std::future<ReplayVerdict> verdict = task.get_future();
  {
    std::lock_guard lock(mutex_);
    if (queue_.size() >= capacity_) return std::nullopt;
    queue_.push_back(std::move(task));
  }
  wake_.notify_one();
  return verdict;
}

void ReplayPool::Work() {
  for (;;) {
    std::packaged_task<ReplayVerdict()> task;
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
      if (queue_.empty()) return;
      task = std::move(queue_.front());
      queue_.pop_front();
    }
    task();
  }
}

}  // namespace klumpix::server
