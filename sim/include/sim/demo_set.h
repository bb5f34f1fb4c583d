#pragma once

#include <memory>
#include <string>
#include <vector>

#include "sim/idle_ports.h"
#include "sim/simulated_register.h"

namespace sim {

// The demonstration line-up: registers at 9600 and 38400, one at 19200 that answers with an
// error code, a busy port and a silent port, listed in that order.
class DemoSet {
 public:
  DemoSet();
  std::vector<std::string> portNames() const;

 private:
  std::vector<std::unique_ptr<SimulatedRegister>> registers_;
  BusyPort busy_;
  SilentPort silent_;
};

}  // namespace sim
