#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "link/reglink.h"
#include "platform/fake/fake_serial_device.h"

namespace linktest {

// "01 24 21" -> those bytes.
std::string Bytes(std::string_view hex);
// Bytes as "01 24 21", for readable failure messages.
std::string Hex(std::string_view bytes);

using Status = std::array<std::uint8_t, 6>;
inline constexpr Status kQuietStatus = {0x40, 0x40, 0x40, 0x40, 0x40, 0x40};

// A well-formed answer frame, checksum computed here independently of the link.
std::string AnswerFrame(std::uint8_t command, std::string_view code, std::string_view data,
                        Status status = kQuietStatus);

// The fields of a result, as texts.
std::vector<std::string> FieldsOf(const reglink::TCommandResult& result);

// A link on an open fake port "ttyS3".
class LinkTest : public ::testing::Test {
 protected:
  static std::string DeviceName(std::string_view port);

  void SetUp() override { ASSERT_NE(link.OpenLink("ttyS3", 9600), -1); }

  // Runs one exchange whose answer bytes start to arrive 1 ms after the request.
  reglink::TCommandResult& Exchange(int command, std::string_view answer, const char* text = "");

  platform::fake::FakeSerialPorts ports;
  platform::fake::FakeSerialDevice& device = ports.add(DeviceName("ttyS3"));
  reglink::RegisterLink link{ports};
};

}  // namespace linktest
