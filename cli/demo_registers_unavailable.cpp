#include <stdexcept>

#include "cli/demo_registers.h"

namespace cli {

// Builds without the simulator (it needs pseudo-terminals) have no demo mode.
std::unique_ptr<DemoRegisters> startDemoRegisters() {
  throw std::runtime_error("--demo needs the register simulator, which this build does not have");
}

}  // namespace cli
