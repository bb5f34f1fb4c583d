#pragma once

#include <memory>
#include <string>
#include <vector>

namespace app {

// Demo mode: the built-in simulated registers run on pseudo-terminals, and the port listing
// lists only their ports, through the same enumeration path as the machine's ports.
class DemoMode {
 public:
  DemoMode();
  ~DemoMode();
  DemoMode(const DemoMode&) = delete;
  DemoMode& operator=(const DemoMode&) = delete;

  std::vector<std::string> portNames() const;

 private:
  struct Parts;
  std::unique_ptr<Parts> parts_;
};

}  // namespace app
