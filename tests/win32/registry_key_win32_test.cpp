#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "registry_key_win32.h"

namespace {

constexpr const char* kScratchKey = "Software\\speedconf tests";

// A key of our own in the user's hive, holding the values a port's hardware key holds on the
// NT family; removed again at the end.
class Win32RegistryKeyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    HKEY handle = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kScratchKey, 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE,
                              nullptr, &handle, nullptr),
              ERROR_SUCCESS);
    key = std::make_unique<platform::win32::Win32RegistryKey>(handle);
  }
  void TearDown() override {
    key.reset();
    RegDeleteKeyA(HKEY_CURRENT_USER, kScratchKey);
  }

  std::unique_ptr<platform::RegistryKey> key;
};

TEST_F(Win32RegistryKeyTest, FifoValuesRoundTripAsDwords) {
  const struct {
    const char* name;
    std::uint32_t value;
  } values[] = {{"ForceFifoEnable", 1}, {"RxFIFO", 14}, {"TxFIFO", 16}};
  for (const auto& v : values) {
    ASSERT_EQ(key->setValue(v.name, platform::REG_DWORD, &v.value, sizeof v.value), platform::kSuccess) << v.name;
  }
  for (const auto& v : values) {
    std::uint32_t read = 0;
    std::uint32_t size = sizeof read;
    std::uint32_t type = platform::REG_NONE;
    ASSERT_EQ(key->queryValue(v.name, &type, &read, size), platform::kSuccess) << v.name;
    EXPECT_EQ(read, v.value) << v.name;
    EXPECT_EQ(size, sizeof read);
    EXPECT_EQ(type, platform::REG_DWORD);
  }
}

TEST_F(Win32RegistryKeyTest, ValueTooLongFailsAndCopiesNothing) {
  const std::uint8_t settings[8] = {0x02, 11, 0, 0xC0, 1, 2, 3, 4};
  ASSERT_EQ(key->setValue("settings", platform::REG_BINARY, settings, sizeof settings), platform::kSuccess);
  std::uint8_t room[4] = {0xEE, 0xEE, 0xEE, 0xEE};
  std::uint32_t size = sizeof room;
  EXPECT_EQ(key->queryValue("settings", nullptr, room, size), static_cast<platform::SysError>(ERROR_MORE_DATA));
  for (std::uint8_t byte : room) EXPECT_EQ(byte, 0xEE);
}

TEST_F(Win32RegistryKeyTest, MissingValueFailsWithFileNotFound) {
  std::uint32_t read = 0;
  std::uint32_t size = sizeof read;
  EXPECT_EQ(key->queryValue("RxFIFO", nullptr, &read, size), static_cast<platform::SysError>(ERROR_FILE_NOT_FOUND));
}

}  // namespace
