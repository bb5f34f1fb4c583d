#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/platform_id.h"
#include "platform/port_device_class.h"
#include "wine_ports.h"

namespace {

// The FIFO settings take their registry layout from it, and the listing its "com" filter.
TEST(Win32Platform, ReportsTheNtFamily) {
  EXPECT_EQ(platform::systemPlatformId(), platform::kPlatformWindowsNT);
  EXPECT_EQ(platform::platformId(), platform::kPlatformWindowsNT);
  EXPECT_FALSE(platform::isSerialPortName("LPT1"));
  EXPECT_TRUE(platform::isSerialPortName("com5"));
}

// Wine lists its ports only under SERIALCOMM, so each mapped COM name must come through the
// class's listing, once, with a "portname" key that cannot be written.
TEST(Win32PortEnumeration, ListsEverySerialCommPortOnceWithAReadOnlyKey) {
  const auto ports = wine_test::registerPorts();
  if (ports.empty()) GTEST_SKIP() << "no simulated registers (run scripts/windows-test.sh)";

  const std::vector<std::string> names = platform::listSerialPortNames();
  for (const auto& port : ports) {
    EXPECT_EQ(std::count(names.begin(), names.end(), port.name), 1) << port.name;
  }

  auto list = platform::systemPortDeviceClass().makeList();
  ASSERT_NE(list, nullptr);
  platform::DeviceInstance instance = 0;
  for (std::uint32_t index = 0; list->device(index, instance); ++index) {
    platform::SysError error = platform::kSuccess;
    auto key = list->openDeviceKey(instance, platform::KeyAccess::Query, error);
    ASSERT_NE(key, nullptr) << error;
    std::string name;
    ASSERT_EQ(platform::readPortName(*key, name), platform::kSuccess);
    if (name != ports.front().name) continue;
    const std::uint32_t on = 1;
    EXPECT_NE(key->setValue("ForceFifoEnable", platform::REG_DWORD, &on, sizeof on), platform::kSuccess);
    EXPECT_EQ(list->openDeviceKey(instance, platform::KeyAccess::QueryWrite, error), nullptr);
    EXPECT_NE(error, platform::kSuccess);
    return;
  }
  FAIL() << ports.front().name << " is not in the device list";
}

// The registry holds COM12, COM9, COM10 in no useful order; the listing puts COM9 first.
TEST(Win32PortEnumeration, ListsPortsInNaturalOrder) {
  auto ports = wine_test::registerPorts();
  if (ports.size() < 2) GTEST_SKIP() << "needs two simulated registers";
  const auto number = [](const wine_test::RegisterPort& port) { return std::stoi(port.name.substr(3)); };
  std::sort(ports.begin(), ports.end(), [&](const auto& a, const auto& b) { return number(a) < number(b); });

  const std::vector<std::string> names = platform::listSerialPortNames();
  std::vector<std::string> ours;
  for (const std::string& name : names) {
    if (std::any_of(ports.begin(), ports.end(), [&](const auto& port) { return port.name == name; })) {
      ours.push_back(name);
    }
  }
  std::vector<std::string> expected;
  for (const auto& port : ports) expected.push_back(port.name);
  EXPECT_EQ(ours, expected);
}

}  // namespace
