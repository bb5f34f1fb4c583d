#pragma once

#include <memory>
#include <string>
#include <vector>

namespace cli {

// The built-in simulated registers of demo mode: registers at several speeds, one answering
// incorrectly, a busy port and a silent one. They serve until destroyed.
class DemoRegisters {
 public:
  virtual ~DemoRegisters() = default;
  // Their ports, in listing order; demo mode uses these and no others.
  virtual std::vector<std::string> portNames() const = 0;
};

// Starts them; throws std::runtime_error where this build has no simulator.
std::unique_ptr<DemoRegisters> startDemoRegisters();

}  // namespace cli
