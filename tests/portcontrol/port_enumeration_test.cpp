#include <gtest/gtest.h>

#include <cerrno>

#include "fake_sysfs.h"
#include "platform/memory_port_device_class.h"
#include "platform/platform_id.h"
#include "platform/posix/sysfs_port_device_class.h"
#include "portcontrol/port_control.h"

namespace {

using platform::MemoryPortDeviceClass;

// Lists as the window does: names until the first "" or "0", which is returned last.
std::vector<std::string> listing() {
  std::vector<std::string> texts;
  do {
    texts.push_back(TPortControl::EnumeratePorts());
  } while (!texts.back().empty() && texts.back() != "0");
  return texts;
}

class PortListing : public ::testing::Test {
 protected:
  ~PortListing() override { TPortControl::EndEnumeratePorts(); }
  MemoryPortDeviceClass machine;
  platform::ScopedPortDeviceClass inUse{machine};
  platform::ScopedPlatformId nt{platform::kPlatformWindowsNT};
};

TEST_F(PortListing, NoPresentDeviceListsNothing) {
  EXPECT_EQ(TPortControl::BeginEnumeratePorts(), 0);
  EXPECT_EQ(listing(), std::vector<std::string>{""});
  EXPECT_EQ(TPortControl::EndEnumeratePorts(), 0);
}

TEST_F(PortListing, ListsComPortsInClassOrderWithTheirCaseAndHoldsNoListAtTheEnd) {
  machine.addPort("LPT1");
  machine.addPort("COM3");
  machine.addPort("com5");
  machine.addPort("COM1");
  ASSERT_EQ(TPortControl::BeginEnumeratePorts(), 0);
  EXPECT_EQ(listing(), (std::vector<std::string>{"COM3", "com5", "COM1", ""}));
  EXPECT_EQ(machine.liveLists(), 0);
  EXPECT_EQ(TPortControl::EnumeratePorts(), "");  // exhausted
  EXPECT_EQ(TPortControl::BeginEnumeratePorts(), -27);
  EXPECT_EQ(TPortControl::EndEnumeratePorts(), 0);
  EXPECT_EQ(TPortControl::BeginEnumeratePorts(), 0);
  EXPECT_EQ(TPortControl::EnumeratePorts(), "COM3");
}

TEST_F(PortListing, ASecondBeginIsRefusedAndTheListingGoesOn) {
  machine.addPort("COM1");
  machine.addPort("COM2");
  ASSERT_EQ(TPortControl::BeginEnumeratePorts(), 0);
  EXPECT_EQ(TPortControl::EnumeratePorts(), "COM1");
  EXPECT_EQ(TPortControl::BeginEnumeratePorts(), -27);
  EXPECT_EQ(TPortControl::EnumeratePorts(), "COM2");
  EXPECT_EQ(machine.liveLists(), 1);
  EXPECT_EQ(TPortControl::EndEnumeratePorts(), 0);
  EXPECT_EQ(machine.liveLists(), 0);
}

TEST_F(PortListing, AnUnreadableDeviceEndsTheListingWithZero) {
  machine.addPort("COM1");
  machine.addUnopenableDevice(ENODEV);
  machine.addPort("COM4");
  ASSERT_EQ(TPortControl::BeginEnumeratePorts(), 0);
  EXPECT_EQ(listing(), (std::vector<std::string>{"COM1", "0"}));
  EXPECT_EQ(TPortControl::EnumeratePorts(), "0");  // the same device again
}

TEST_F(PortListing, NoListMeansRefusalAndNothingListed) {
  EXPECT_EQ(TPortControl::EndEnumeratePorts(), 0);  // without a begin
  machine.addPort("COM1");
  machine.setListFails(true);
  EXPECT_EQ(TPortControl::BeginEnumeratePorts(), -27);
  EXPECT_EQ(TPortControl::EnumeratePorts(), "");
  machine.setListFails(false);
  EXPECT_EQ(TPortControl::BeginEnumeratePorts(), 0);  // the refusal held nothing
}

TEST_F(PortListing, DeviceKeyIsFoundByNameInAnyCaseOutsideAListing) {
  machine.addPort("LPT1");
  auto com3 = machine.addPort("COM3");
  auto key = TPortControl::GetDeviceKey("com3");
  ASSERT_TRUE(key);
  const std::uint32_t one = 1;
  ASSERT_EQ(key->setValue("ForceFifoEnable", platform::REG_DWORD, &one, 4), platform::kSuccess);
  EXPECT_TRUE(com3->values.contains("ForceFifoEnable"));
  EXPECT_TRUE(TPortControl::GetDeviceKey("LPT1"));  // no "com" filter here
  EXPECT_FALSE(TPortControl::GetDeviceKey("COM4"));
  EXPECT_FALSE(TPortControl::GetDeviceKey(""));
  EXPECT_EQ(machine.liveLists(), 0);

  ASSERT_EQ(TPortControl::BeginEnumeratePorts(), 0);
  EXPECT_FALSE(TPortControl::GetDeviceKey("COM3"));
  EXPECT_EQ(TPortControl::EnumeratePorts(), "COM3");  // undisturbed
}

TEST_F(PortListing, AKeySearchStopsAtAnUnreadableDevice) {
  machine.addUnopenableDevice(ENODEV);
  machine.addPort("COM3");
  EXPECT_FALSE(TPortControl::GetDeviceKey("COM3"));
  EXPECT_EQ(machine.liveLists(), 0);
}

TEST(PortListingOnLinux, ListsKernelNamesOfTheSysfsTree) {
  FakeSysfs sysfs;
  sysfs.uart8250("ttyS0", 4);
  sysfs.uart8250("ttyS1", 0);
  sysfs.uart8250("ttyS10", 4);
  sysfs.uart8250("ttyS2", 4);
  sysfs.tty("ttyUSB0", "usb/ttyUSB0", "ftdi_sio");
  sysfs.tty("ttyACM0", "usb/acm", "cdc_acm");
  sysfs.virtualTerminal("tty1");
  platform::posix::SysfsPortDeviceClass machine(sysfs.root(), [](std::string_view) { return -1; });
  platform::ScopedPortDeviceClass inUse(machine);
  platform::ScopedPlatformId other(platform::kPlatformOther);

  ASSERT_EQ(TPortControl::BeginEnumeratePorts(), 0);
  EXPECT_EQ(listing(), (std::vector<std::string>{"ttyACM0", "ttyS0", "ttyS2", "ttyS10", "ttyUSB0", ""}));
  TPortControl::EndEnumeratePorts();

  // Listed names are the names the component takes.
  TPortControl port;
  port.SetNumPort("ttyS10");
  EXPECT_EQ(port.Port(), "ttyS10");
  port.SetNumPort("ttyS1");
  EXPECT_EQ(port.Port(), "ttyS10");
}

}  // namespace
