#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <optional>

#include "platform/memory_port_device_class.h"
#include "platform/platform_id.h"
#include "portcontrol/port_control.h"

namespace {

using platform::MemoryRegistryValues;

// COM3 on a machine whose class also holds a printer port, with the platform set per test.
class Fifo : public ::testing::Test {
 protected:
  Fifo() {
    machine.addPort("LPT1");
    com3 = machine.addPort("COM3");
  }

  void onPlatform(int id) {
    platformId.emplace(id);
    port.SetNumPort("COM3");
  }

  std::uint32_t dword(const std::string& name) const {
    const auto& value = com3->values.at(name);
    EXPECT_EQ(value.type, platform::REG_DWORD);
    std::uint32_t number = 0;
    std::memcpy(&number, value.data.data(), sizeof number);
    return number;
  }
  std::vector<std::uint8_t> settings() const { return com3->values.at("settings").data; }

  platform::MemoryPortDeviceClass machine;
  platform::ScopedPortDeviceClass inUse{machine};
  std::shared_ptr<MemoryRegistryValues> com3;
  std::optional<platform::ScopedPlatformId> platformId;
  TPortControl port;
};

TEST_F(Fifo, NtFamilyKeepsThreeNumbers) {
  onPlatform(platform::kPlatformWindowsNT);
  EXPECT_EQ(port.EnableFIFO(true), 0);
  EXPECT_EQ(dword("ForceFifoEnable"), 1u);
  EXPECT_EQ(port.IsFIFOEnable(), 1);
  EXPECT_EQ(port.EnableFIFO(false), 0);
  EXPECT_EQ(port.IsFIFOEnable(), 0);

  struct Case {
    bool receive;
    std::uint32_t size;
    int result;
  };
  const Case cases[] = {
      {true, 1, 0},  {true, 4, 0},   {true, 8, 0},   {true, 14, 0},  {true, 16, -26},
      {true, 2, -26}, {true, 0, -26}, {false, 1, 0},  {false, 5, 0},  {false, 16, 0},
      {false, 0, -26}, {false, 17, -26},
  };
  for (const Case& c : cases) {
    const int before = port.GetFIFOSize(c.receive);
    EXPECT_EQ(port.SetFIFOSize(c.receive, c.size), c.result) << c.receive << " " << c.size;
    EXPECT_EQ(port.GetFIFOSize(c.receive), c.result == 0 ? static_cast<int>(c.size) : before);
  }
  EXPECT_EQ(dword("TxFIFO"), 16u);
  EXPECT_EQ(dword("RxFIFO"), 14u);
}

TEST_F(Fifo, NtFamilyFailuresOfTheRegistry) {
  onPlatform(platform::kPlatformWindowsNT);
  EXPECT_EQ(port.IsFIFOEnable(), -25);  // no value yet
  EXPECT_EQ(port.GetFIFOSize(true), -25);
  com3->setDword("TxFIFO", 0xFFFFFFE7u);  // would read as a result code
  EXPECT_EQ(port.GetFIFOSize(false), -25);
  com3->writeError = EACCES;
  EXPECT_EQ(port.EnableFIFO(true), -25);
  EXPECT_EQ(port.SetFIFOSize(false, 4), -25);
  EXPECT_EQ(port.LastError(), 0u);
  EXPECT_EQ(port.Descr(), "");
}

TEST_F(Fifo, Windows95FamilyKeepsCodeBytesOfOneValue) {
  onPlatform(platform::kPlatformWindows95);
  com3->setBinary("settings", {0x00, 0x01, 0x5A, 0x00, 0x77});

  EXPECT_EQ(port.EnableFIFO(true), 0);
  EXPECT_EQ(settings(), (std::vector<std::uint8_t>{0x02, 0x01, 0x5A, 0x00, 0x77}));
  EXPECT_EQ(com3->values.at("settings").type, platform::REG_BINARY);
  EXPECT_EQ(port.IsFIFOEnable(), 1);

  struct Case {
    bool receive;
    std::uint32_t size;
    int result;
    std::uint8_t code;
  };
  const Case cases[] = {
      {false, 1, 0, 1},   {false, 4, 0, 6},   {false, 8, 0, 11},  {false, 16, 0, 16},
      {false, 5, -26, 0}, {false, 0, -26, 0}, {false, 17, -26, 0},
      {true, 1, 0, 0x00}, {true, 4, 0, 0x40}, {true, 8, 0, 0x80}, {true, 14, 0, 0xC0},
      {true, 16, -26, 0},
  };
  for (const Case& c : cases) {
    const std::vector<std::uint8_t> before = settings();
    EXPECT_EQ(port.SetFIFOSize(c.receive, c.size), c.result) << c.receive << " " << c.size;
    if (c.result != 0) {
      EXPECT_EQ(settings(), before);
      continue;
    }
    EXPECT_EQ(settings()[c.receive ? 3 : 1], c.code);
    EXPECT_EQ(port.GetFIFOSize(c.receive), static_cast<int>(c.size));
    EXPECT_EQ(settings()[2], 0x5A);
    EXPECT_EQ(settings()[4], 0x77);
  }
}

TEST_F(Fifo, Windows95FamilyRefusesUnknownCodeBytes) {
  onPlatform(platform::kPlatformWindows95);
  com3->setBinary("settings", {0x03, 0x07, 0x00, 0x41});
  EXPECT_EQ(port.IsFIFOEnable(), -25);
  EXPECT_EQ(port.EnableFIFO(false), 0);
  EXPECT_EQ(settings()[0], 0x01);
  EXPECT_EQ(port.IsFIFOEnable(), -25);
  EXPECT_EQ(port.GetFIFOSize(false), -25);
  EXPECT_EQ(port.GetFIFOSize(true), -25);

  com3->setBinary("settings", {0x02, 0x01});  // too short to hold the receive byte
  EXPECT_EQ(port.GetFIFOSize(true), -25);
  EXPECT_EQ(port.SetFIFOSize(true, 4), -25);
  EXPECT_EQ(settings().size(), 2u);
  EXPECT_EQ(port.GetFIFOSize(false), 1);

  com3->values.erase("settings");
  EXPECT_EQ(port.EnableFIFO(true), -25);
  EXPECT_FALSE(com3->values.contains("settings"));
}

TEST_F(Fifo, NoDeviceKeyOrNoWindowsFamily) {
  const int platforms[] = {platform::kPlatformWindowsNT, platform::kPlatformWindows95};
  for (const int id : platforms) {
    platform::ScopedPlatformId scoped(id);
    TPortControl unnamed;
    TPortControl absent;
    absent.SetNumPort("COM4");
    for (TPortControl* p : {&unnamed, &absent}) {
      EXPECT_EQ(p->EnableFIFO(true), -25);
      EXPECT_EQ(p->SetFIFOSize(true, 16), -25);  // the key is looked for first
      EXPECT_EQ(p->IsFIFOEnable(), -25);
      EXPECT_EQ(p->GetFIFOSize(false), -25);
    }
  }

  onPlatform(platform::kPlatformWindowsNT);
  ASSERT_EQ(TPortControl::BeginEnumeratePorts(), 0);
  EXPECT_EQ(port.EnableFIFO(true), -25);
  EXPECT_EQ(port.GetFIFOSize(true), -25);
  TPortControl::EndEnumeratePorts();

  // A port the machine has, on a platform that keeps no FIFO settings in a registry.
  platformId.emplace(platform::kPlatformOther);
  EXPECT_EQ(port.EnableFIFO(true), -24);
  EXPECT_EQ(port.SetFIFOSize(true, 16), -24);
  EXPECT_EQ(port.IsFIFOEnable(), -24);
  EXPECT_EQ(port.GetFIFOSize(false), -24);
  EXPECT_TRUE(com3->values.size() == 1);
  EXPECT_EQ(machine.liveLists(), 0);
}

}  // namespace
