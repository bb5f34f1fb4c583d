#include "cli/demo_registers.h"
#include "sim/demo_set.h"

namespace cli {

namespace {
class SimulatedDemo : public DemoRegisters {
 public:
  std::vector<std::string> portNames() const override { return set_.portNames(); }

 private:
  sim::DemoSet set_;
};
}  // namespace

std::unique_ptr<DemoRegisters> startDemoRegisters() { return std::make_unique<SimulatedDemo>(); }

}  // namespace cli
