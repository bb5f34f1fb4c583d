#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <string>

#include "link/reglink.h"
#include "platform/serial_device.h"
#include "windows_api.h"
#include "wine_ports.h"

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

// The request bytes of an 80h exchange, as the link frames them.
std::string diagnosticRequest(const wine_test::RegisterPort& port) {
  reglink::RegisterLink link;
  if (link.OpenLink(port.name.c_str(), port.speed) == -1) return {};
  int status = 0;
  const std::string frame = link.GetDiagnosticInfo(reglink::kRegisterPassword, &status)->RequestFrame;
  link.CloseLink();
  return frame;
}

// The link's reads: one byte, a total of 100 ms. A byte that is there comes at once; none
// there is a short count, not an error.
TEST(Win32SerialDevice, OneByteReadsReturnAtOnceWhenAByteIsThere) {
  REQUIRE_REGISTER_PORT(port, "search");
  const std::string request = diagnosticRequest(port);
  ASSERT_FALSE(request.empty());

  platform::SysError error = platform::kSuccess;
  auto device = platform::systemSerialPorts().open(deviceName(port.name), error);
  ASSERT_NE(device, nullptr) << error;
  platform::LineSettings settings;
  ASSERT_EQ(device->getCommState(settings), platform::kSuccess);
  settings.baudRate = static_cast<std::uint32_t>(port.speed);
  ASSERT_EQ(device->setCommState(settings), platform::kSuccess);
  ASSERT_EQ(device->getCommState(settings), platform::kSuccess);
  EXPECT_EQ(settings.baudRate, static_cast<std::uint32_t>(port.speed));

  ASSERT_EQ(device->setCommTimeouts({0, 0, 100, 0, 0}), platform::kSuccess);
  char byte = 0;
  std::uint32_t received = 1;
  EXPECT_EQ(device->read(&byte, 1, received), platform::kSuccess);
  EXPECT_EQ(received, 0u) << "nothing was sent yet";

  // With a ten-second total, a read that waited for its time-out would show at once.
  ASSERT_EQ(device->setCommTimeouts({0, 0, 10000, 0, 0}), platform::kSuccess);
  std::uint32_t written = 0;
  ASSERT_EQ(device->write(request.data(), static_cast<std::uint32_t>(request.size()), written), platform::kSuccess);
  EXPECT_EQ(written, request.size());
  const auto started = std::chrono::steady_clock::now();
  std::string answer;
  while (answer.size() < 300 && (answer.empty() || answer.back() != '\x03')) {
    ASSERT_EQ(device->read(&byte, 1, received), platform::kSuccess);
    ASSERT_EQ(received, 1u) << "after " << answer.size() << " bytes";
    answer += byte;
  }
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
  EXPECT_EQ(answer.front(), '\x01');
  EXPECT_EQ(answer.back(), '\x03');
  EXPECT_EQ(device->close(), platform::kSuccess);
  EXPECT_NE(device->read(&byte, 1, received), platform::kSuccess) << "a closed device fails";
}

}  // namespace
