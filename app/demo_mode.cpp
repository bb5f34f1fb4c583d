#include "demo_mode.h"

#include "platform/memory_port_device_class.h"
#include "platform/port_device_class.h"
#include "sim/demo_set.h"

namespace app {

// Declared in the order of construction: the registers first, the listing of their ports last.
struct DemoMode::Parts {
  sim::DemoSet registers;
  platform::MemoryPortDeviceClass ports{registers.portNames()};
  platform::ScopedPortDeviceClass listing{ports};
};

DemoMode::DemoMode() : parts_(std::make_unique<Parts>()) {}
DemoMode::~DemoMode() = default;

std::vector<std::string> DemoMode::portNames() const { return parts_->registers.portNames(); }

}  // namespace app
