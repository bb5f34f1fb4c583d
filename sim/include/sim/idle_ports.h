#pragma once

#include <memory>
#include <string>

namespace sim {

class PtyEnd;

// A pseudo-terminal that another holder keeps locked (flock from its own open file
// description), as a port another program has open.
class BusyPort {
 public:
  BusyPort();
  ~BusyPort();
  const std::string& portName() const;

 private:
  std::unique_ptr<PtyEnd> pty_;
  int holder_ = -1;
};

// A pseudo-terminal nobody answers on.
class SilentPort {
 public:
  SilentPort();
  ~SilentPort();
  const std::string& portName() const;

 private:
  std::unique_ptr<PtyEnd> pty_;
};

}  // namespace sim
