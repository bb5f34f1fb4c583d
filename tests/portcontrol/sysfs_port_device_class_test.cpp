#include <gtest/gtest.h>

#include <cerrno>
#include <map>

#include "fake_sysfs.h"
#include "platform/posix/sysfs_port_device_class.h"

using platform::DeviceInstance;
using platform::KeyAccess;
using platform::SysError;
using platform::posix::SysfsPortDeviceClass;

namespace {

// The names a list holds, in order; "!" plus the error for a device whose key does not open.
std::vector<std::string> namesOf(platform::PortDeviceList& list) {
  std::vector<std::string> names;
  DeviceInstance instance = 0;
  for (std::uint32_t index = 0; list.device(index, instance); ++index) {
    SysError error = 0;
    auto key = list.openDeviceKey(instance, KeyAccess::Query, error);
    std::string name;
    if (!key) {
      names.push_back("!" + std::to_string(error));
    } else {
      EXPECT_EQ(platform::readPortName(*key, name), platform::kSuccess);
      names.push_back(name);
    }
  }
  return names;
}

int noProbe(std::string_view) {
  ADD_FAILURE() << "probe asked although the type attribute is there";
  return -1;
}

TEST(SysfsPortDeviceClass, ListsRealPortsOnlyInNaturalOrder) {
  FakeSysfs sysfs;
  sysfs.uart8250("ttyS0", 4);
  sysfs.uart8250("ttyS1", 0);  // placeholder
  sysfs.uart8250("ttyS10", 4);
  sysfs.uart8250("ttyS2", 4);
  sysfs.tty("ttyUSB0", "pci0000:00/usb1/1-1/1-1:1.0/ttyUSB0", "ftdi_sio");
  sysfs.tty("ttyACM0", "pci0000:00/usb1/1-2/1-2:1.0", "cdc_acm");
  sysfs.virtualTerminal("tty0");
  sysfs.tty("console", "virtual/tty/console", "");
  sysfs.tty("ttyprintk", "virtual/tty/ttyprintk", "printk");
  sysfs.tty("ttyGS0", "platform/gadget", "");  // a device with no driver bound

  SysfsPortDeviceClass ports(sysfs.root(), noProbe);
  auto list = ports.makeList();
  ASSERT_TRUE(list);
  EXPECT_EQ(namesOf(*list),
            (std::vector<std::string>{"ttyACM0", "ttyS0", "ttyS2", "ttyS10", "ttyUSB0"}));
}

TEST(SysfsPortDeviceClass, AsksTheProbeWhereTheTypeAttributeIsMissing) {
  FakeSysfs sysfs;
  sysfs.uart8250("ttyS0", -1);
  sysfs.uart8250("ttyS1", -1);
  sysfs.uart8250("ttyS2", -1);
  const std::map<std::string, int, std::less<>> types = {{"ttyS0", 4}, {"ttyS1", 0}, {"ttyS2", -1}};
  std::vector<std::string> probed;
  SysfsPortDeviceClass ports(sysfs.root(), [&](std::string_view name) {
    probed.emplace_back(name);
    return types.find(name)->second;
  });
  auto list = ports.makeList();
  ASSERT_TRUE(list);
  EXPECT_EQ(namesOf(*list), std::vector<std::string>{"ttyS0"});
  EXPECT_EQ(probed.size(), 3u);
}

TEST(SysfsPortDeviceClass, NoTtyClassMakesNoListAndAnEmptyClassAnEmptyList) {
  FakeSysfs sysfs;
  EXPECT_FALSE(SysfsPortDeviceClass(sysfs.root() + "/absent", noProbe).makeList());

  sysfs.virtualTerminal("tty0");
  sysfs.uart8250("ttyS0", 0);
  auto list = SysfsPortDeviceClass(sysfs.root(), noProbe).makeList();
  ASSERT_TRUE(list);
  DeviceInstance instance = 0;
  EXPECT_FALSE(list->device(0, instance));
}

TEST(SysfsPortDeviceClass, AnEntryThatCannotBeExaminedIsADeviceWhoseKeyDoesNotOpen) {
  FakeSysfs sysfs;
  sysfs.tty("ttyUSB0", "usb/ttyUSB0", "ftdi_sio");
  sysfs.unreadable("ttyUSB1");
  sysfs.tty("ttyUSB2", "usb/ttyUSB2", "ftdi_sio");
  auto list = SysfsPortDeviceClass(sysfs.root(), noProbe).makeList();
  ASSERT_TRUE(list);
  EXPECT_EQ(namesOf(*list),
            (std::vector<std::string>{"ttyUSB0", "!" + std::to_string(ELOOP), "ttyUSB2"}));
}

TEST(SysfsPortDeviceClass, KeyHoldsTheKernelNameAndRefusesWrites) {
  FakeSysfs sysfs;
  sysfs.tty("ttyUSB0", "usb/ttyUSB0", "ftdi_sio");
  sysfs.tty("ttyUSB1", "usb/ttyUSB1", "ftdi_sio");
  auto list = SysfsPortDeviceClass(sysfs.root(), noProbe).makeList();
  ASSERT_TRUE(list);

  SysError error = 0;
  auto key = list->openDeviceKey(0, KeyAccess::QueryWrite, error);
  ASSERT_TRUE(key);
  char buffer[8] = {};
  std::uint32_t size = sizeof buffer;
  std::uint32_t type = 0;
  ASSERT_EQ(key->queryValue("PortName", &type, buffer, size), platform::kSuccess);
  EXPECT_EQ(std::string(buffer), "ttyUSB0");
  EXPECT_EQ(size, 8u);
  EXPECT_EQ(type, platform::REG_SZ);

  size = 4;
  EXPECT_EQ(key->queryValue("portname", nullptr, buffer, size), static_cast<SysError>(EOVERFLOW));
  EXPECT_EQ(size, 8u);
  size = sizeof buffer;
  EXPECT_EQ(key->queryValue("RxFIFO", nullptr, buffer, size), static_cast<SysError>(ENOENT));
  const std::uint32_t one = 1;
  EXPECT_EQ(key->setValue("ForceFifoEnable", platform::REG_DWORD, &one, 4),
            static_cast<SysError>(EROFS));

  // A port that went away after the list was made.
  sysfs.remove("ttyUSB1");
  EXPECT_FALSE(list->openDeviceKey(1, KeyAccess::Query, error));
  EXPECT_EQ(error, static_cast<SysError>(ENOENT));
}

TEST(NaturalOrder, ComparesDigitRunsAsNumbers) {
  struct Case {
    const char* a;
    const char* b;
    bool less;
  };
  const Case cases[] = {
      {"ttyS2", "ttyS10", true},   {"ttyS10", "ttyS2", false}, {"ttyS02", "ttyS2", false},
      {"ttyS2", "ttyS02", false},  {"ttyACM0", "ttyS0", true}, {"ttyS", "ttyS0", true},
      {"ttyS9", "ttyUSB0", true},  {"ttyS1", "ttyS1", false},  {"ttyUSB10", "ttyUSB9", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(platform::posix::naturalLess(c.a, c.b), c.less) << c.a << " < " << c.b;
  }
}

}  // namespace
