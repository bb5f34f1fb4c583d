#include <gtest/gtest.h>

#include <string>

#include "platform/serial_device.h"
#include "windows_api.h"

namespace {

std::string deviceName(const std::string& port) { return std::string(platform::deviceNamePrefix()) + port; }

TEST(Win32SerialPorts, AbsentPortFailsWithFileNotFoundAndItsText) {
  platform::SysError error = platform::kSuccess;
  auto device = platform::systemSerialPorts().open(deviceName("COM199"), error);
  EXPECT_EQ(device, nullptr);
  EXPECT_EQ(error, static_cast<platform::SysError>(ERROR_FILE_NOT_FOUND));
  const std::string text = platform::systemErrorText(error);
  EXPECT_FALSE(text.empty());
  EXPECT_NE(text.back(), '\n');
}

}  // namespace
