#include "cli/port_scan.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

#include "platform/fake/fake_serial_device.h"

namespace cli {
namespace {

using platform::fake::FakeSerialPorts;

// Where the link opens a port of this name on this system.
std::string devicePath(const char* name) { return std::string(platform::deviceNamePrefix()) + name; }

// Busy and silent ports on fake devices: the six silent seconds pass on the virtual clock.
TEST(ScanPort, SilentPortGetsEverySpeedOnceAndIsFreedAfterEachAttempt) {
  FakeSerialPorts ports;
  auto& device = ports.add(devicePath("ttyS1"));
  std::vector<int> tried;
  ScanSettings settings;
  settings.onAttempt = [&](const std::string&, int, int speed) { tried.push_back(speed); };
  reglink::RegisterLink link(ports);

  const PortReport report = scanPort(link, "ttyS1", settings);

  EXPECT_EQ(report.outcome, Outcome::Silent);
  EXPECT_EQ(tried, (std::vector<int>{4800, 9600, 19200, 38400, 57600, 115200}));
  // A port left open would answer the next attempt's open with "busy".
  EXPECT_EQ(ports.openRequests(), std::vector<std::string>(6, devicePath("ttyS1")));
  EXPECT_EQ(device.writeCalls().size(), 6u);
  EXPECT_FALSE(ports.isOpen(devicePath("ttyS1")));
}

TEST(ScanPort, PortThatDoesNotOpenIsBusyWithoutFurtherSpeeds) {
  FakeSerialPorts ports;
  ports.failOpen(devicePath("ttyS2"), EBUSY);
  reglink::RegisterLink link(ports);

  const PortReport report = scanPort(link, "ttyS2", ScanSettings{});

  EXPECT_EQ(report.outcome, Outcome::Busy);
  EXPECT_EQ(ports.openRequests().size(), 1u);
}

TEST(ScanPorts, ReportsComeInTheOrderThePortsWereGiven) {
  FakeSerialPorts ports;
  ports.add(devicePath("ttyS1"));
  ports.failOpen(devicePath("ttyS2"), ENOENT);
  ports.add(devicePath("ttyS3"));
  ScanSettings settings;
  std::vector<std::string> done;
  settings.onPortDone = [&](const PortReport& report) { done.push_back(report.port); };

  const auto reports = scanPorts(ports, {"ttyS3", "ttyS2", "ttyS1"}, settings, false);

  ASSERT_EQ(reports.size(), 3u);
  EXPECT_EQ(reports[0].port, "ttyS3");
  EXPECT_EQ(reports[0].outcome, Outcome::Silent);
  EXPECT_EQ(reports[1].port, "ttyS2");
  EXPECT_EQ(reports[1].outcome, Outcome::Busy);
  EXPECT_EQ(reports[2].port, "ttyS1");
  EXPECT_EQ(done, (std::vector<std::string>{"ttyS3", "ttyS2", "ttyS1"}));
}

}  // namespace
}  // namespace cli
