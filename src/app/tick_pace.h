#pragma once
// The pace of the ticks: one every kTickPeriodMs, and after a pause or on a
// machine too slow for it the pace starts afresh rather than catching up.
namespace klumpix {

// One timer tick every 33 ms.
constexpr double kTickPeriodMs = 33;

class TickPace {
 public:
  // Whether a tick is due at `now_ms`; NextDue() then says when to look
  // again. While `paused` none is, and the pace starts afresh.
  bool Due(double now_ms, bool paused) {
    if (paused || next_due_ms_ < 0) next_due_ms_ = now_ms;
    if (paused) {
      wake_ms_ = now_ms + kTickPeriodMs;
      return false;
    }
    if (now_ms < next_due_ms_) {
      wake_ms_ = next_due_ms_;
      return false;
    }
    next_due_ms_ += kTickPeriodMs;
    if (now_ms > next_due_ms_) next_due_ms_ = now_ms;
    wake_ms_ = next_due_ms_;
    return true;
  }
  double NextDue() const { return wake_ms_; }

 private:
  double next_due_ms_ = -1;
  double wake_ms_ = 0;
};

}  // namespace klumpix
