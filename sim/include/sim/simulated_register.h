#pragma once

#include <atomic>
#include <memory>
#include <string>
#include <thread>

#include "sim/register_config.h"

namespace sim {

class PtyEnd;

// A register on the master side of a fresh pseudo-terminal, served on its own thread.
class SimulatedRegister {
 public:
  explicit SimulatedRegister(RegisterConfig config);
  ~SimulatedRegister();
  SimulatedRegister(const SimulatedRegister&) = delete;
  SimulatedRegister& operator=(const SimulatedRegister&) = delete;

  const std::string& portName() const;  // e.g. "pts/7", opened as "/dev/pts/7"
  int currentSpeed() const { return speed_.load(); }  // changes after a successful 27h

 private:
  void serve();

  RegisterConfig config_;
  std::atomic<int> speed_;
  std::unique_ptr<PtyEnd> pty_;
  int stopEvent_ = -1;
  std::thread thread_;
};

}  // namespace sim
