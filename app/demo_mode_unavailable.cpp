#include <stdexcept>

#include "demo_mode.h"

namespace app {

// The simulated registers live on pseudo-terminals, which this system lacks.
struct DemoMode::Parts {};

DemoMode::DemoMode() {
  throw std::runtime_error("Demo mode needs pseudo-terminals, which this system does not have.");
}
DemoMode::~DemoMode() = default;

std::vector<std::string> DemoMode::portNames() const { return {}; }

}  // namespace app
