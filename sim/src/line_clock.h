#pragma once

#include <chrono>
#include <string_view>

namespace sim {

using Clock = std::chrono::steady_clock;

// Waits on the register's stop event: false when the register is being stopped. Never spins.
class StopWait {
 public:
  explicit StopWait(int stopEvent) : stopEvent_(stopEvent) {}
  bool until(Clock::time_point deadline) const;
  bool stopped() const { return until(Clock::now()); }

 private:
  int stopEvent_;
};

// One byte on the line at `speed` with 8N1: ten bit times.
inline Clock::duration byteTime(int speed) {
  return std::chrono::duration_cast<Clock::duration>(std::chrono::nanoseconds(10'000'000'000LL / speed));
}

// Writes `bytes` to the master, paced at the line's byte rate when `speed` is given (> 0).
// False when stopped, or when the tool's end hung up.
bool sendPaced(int master, std::string_view bytes, int speed, const StopWait& wait);

}  // namespace sim
