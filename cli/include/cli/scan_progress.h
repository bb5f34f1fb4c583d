#pragma once

#include <cstddef>
#include <mutex>
#include <ostream>
#include <string>

namespace cli {

// The scan's progress as one terminal line, rewritten in place from any scanning thread: the
// latest attempt and how many ports are done. Only for a terminal; scripts get no progress.
class ScanProgress {
 public:
  ScanProgress(std::ostream& out, std::size_t portCount, std::size_t speedCount)
      : out_(out), portCount_(portCount), speedCount_(speedCount) {}
  void attempt(const std::string& port, int attempt, int speed);
  void portDone();
  // Clears the line, so that the results start on a clean one.
  void finish();

 private:
  std::mutex mutex_;
  std::ostream& out_;
  std::size_t portCount_;
  std::size_t speedCount_;
  std::size_t done_ = 0;
};

}  // namespace cli
