#include "cli/scan_progress.h"

namespace cli {

namespace {
constexpr const char* kRewriteLine = "\r\033[K";
}

void ScanProgress::attempt(const std::string& port, int attempt, int speed) {
  const std::lock_guard lock(mutex_);
  out_ << kRewriteLine << "scanning " << port << " at " << speed << " baud (" << attempt << '/'
       << speedCount_ << "), " << done_ << '/' << portCount_ << " ports done" << std::flush;
}

void ScanProgress::portDone() {
  const std::lock_guard lock(mutex_);
  ++done_;
}

void ScanProgress::finish() {
  const std::lock_guard lock(mutex_);
  out_ << kRewriteLine << std::flush;
}

}  // namespace cli
