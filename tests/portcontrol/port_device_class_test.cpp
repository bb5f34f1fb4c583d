#include <gtest/gtest.h>

#include <cerrno>

#include "platform/memory_port_device_class.h"
#include "platform/platform_id.h"

using platform::kSuccess;
using platform::MemoryPortDeviceClass;
using platform::MemoryRegistryKey;
using platform::MemoryRegistryValues;
using platform::ScopedPlatformId;
using platform::ScopedPortDeviceClass;
using platform::SysError;

namespace {

TEST(MemoryRegistryKey, ReadsAndWritesValuesByNameInAnyCase) {
  auto values = std::make_shared<MemoryRegistryValues>();
  values->setDword("RxFIFO", 14);
  MemoryRegistryKey key(values);

  std::uint32_t number = 0;
  std::uint32_t size = sizeof number;
  std::uint32_t type = 0;
  ASSERT_EQ(key.queryValue("rxfifo", &type, &number, size), kSuccess);
  EXPECT_EQ(number, 14u);
  EXPECT_EQ(type, platform::REG_DWORD);

  std::uint8_t small = 0;
  size = 1;
  EXPECT_EQ(key.queryValue("RxFIFO", nullptr, &small, size), static_cast<SysError>(EOVERFLOW));
  EXPECT_EQ(size, 4u);
  EXPECT_EQ(key.queryValue("TxFIFO", nullptr, &number, size), static_cast<SysError>(ENOENT));

  const std::uint8_t bytes[] = {2, 16, 0, 0xC0};
  ASSERT_EQ(key.setValue("settings", platform::REG_BINARY, bytes, 4), kSuccess);
  EXPECT_EQ(values->values.at("Settings").data, std::vector<std::uint8_t>(bytes, bytes + 4));

  values->writeError = EACCES;
  EXPECT_EQ(key.setValue("settings", platform::REG_BINARY, bytes, 4), static_cast<SysError>(EACCES));
}

TEST(ReadPortName, TakesUpTo199CharactersAndRefusesAValueWithoutRoomForItsEnd) {
  struct Case {
    std::vector<std::uint8_t> stored;
    SysError error;
    std::string name;
  };
  const std::string longest(199, 'c');
  std::vector<std::uint8_t> full(200, 'c');
  std::vector<std::uint8_t> longestWithZero(longest.begin(), longest.end());
  longestWithZero.push_back(0);
  const Case cases[] = {
      {{'C', 'O', 'M', '3', 0}, kSuccess, "COM3"},
      {{'c', 'o', 'm', '5'}, kSuccess, "com5"},  // stored without its zero
      {longestWithZero, kSuccess, longest},
      {full, EOVERFLOW, ""},
      {std::vector<std::uint8_t>(201, 'c'), EOVERFLOW, ""},
  };
  for (const Case& c : cases) {
    auto values = std::make_shared<MemoryRegistryValues>();
    values->setBinary("PortName", c.stored);
    MemoryRegistryKey key(values);
    std::string name;
    EXPECT_EQ(platform::readPortName(key, name), c.error) << c.stored.size();
    EXPECT_EQ(name, c.name);
  }
}

TEST(IsSerialPortName, WindowsFamiliesTakeComNamesOnlyOthersAnyName) {
  for (const int id : {platform::kPlatformWindows95, platform::kPlatformWindowsNT}) {
    ScopedPlatformId platformId(id);
    EXPECT_TRUE(platform::isSerialPortName("COM3"));
    EXPECT_TRUE(platform::isSerialPortName("com5"));
    EXPECT_TRUE(platform::isSerialPortName("CoM"));
    EXPECT_FALSE(platform::isSerialPortName("LPT1"));
    EXPECT_FALSE(platform::isSerialPortName("CO"));
    EXPECT_FALSE(platform::isSerialPortName("ttyS0"));
  }
  ScopedPlatformId other(platform::kPlatformOther);
  EXPECT_TRUE(platform::isSerialPortName("ttyUSB0"));
  EXPECT_TRUE(platform::isSerialPortName("pts/3"));
  EXPECT_FALSE(platform::isSerialPortName(""));
}

TEST(ListSerialPortNames, ListsTheClassInUsePassingOverBrokenDevicesAndPrinterPorts) {
  MemoryPortDeviceClass ports;
  ports.addPort("LPT1");
  ports.addPort("COM3");
  ports.addUnopenableDevice(ENODEV);
  ports.addPort("com5");
  ScopedPortDeviceClass inUse(ports);
  ScopedPlatformId nt(platform::kPlatformWindowsNT);
  EXPECT_EQ(platform::listSerialPortNames(), (std::vector<std::string>{"COM3", "com5"}));
  EXPECT_EQ(ports.liveLists(), 0);

  ports.setListFails(true);
  EXPECT_TRUE(platform::listSerialPortNames().empty());
}

TEST(ListSerialPortNames, ListsGivenNamesInTheirOrder) {
  MemoryPortDeviceClass demo({"pts/7", "pts/3", "pts/12"});
  ScopedPortDeviceClass inUse(demo);
  ScopedPlatformId other(platform::kPlatformOther);
  EXPECT_EQ(platform::listSerialPortNames(), (std::vector<std::string>{"pts/7", "pts/3", "pts/12"}));
}

}  // namespace
