#pragma once

#include <optional>
#include <string>
#include <vector>

namespace wine_test {

// A simulated register behind a COM name, as scripts/windows-test.sh started it.
struct RegisterPort {
  std::string role;  // what the script started it for: "search", "change", "vanish"
  std::string name;  // COM name
  int speed = 0;     // the register's line speed at the start
};

// The registers named in SPEEDCONF_WINE_PORTS ("role=COM5:19200 ..."); empty outside that run.
std::vector<RegisterPort> registerPorts();
std::optional<RegisterPort> registerPort(const std::string& role);

}  // namespace wine_test

// Skips the test unless the script started a register for `role`; binds it to `port`.
#define REQUIRE_REGISTER_PORT(port, role)                                                \
  const auto port##Found = wine_test::registerPort(role);                                \
  if (!port##Found) GTEST_SKIP() << "no simulated register for \"" role "\" (run scripts/windows-test.sh)"; \
  const wine_test::RegisterPort& port = *port##Found
