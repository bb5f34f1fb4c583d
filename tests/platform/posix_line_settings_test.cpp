#include <cerrno>

#include "platform/posix/termios_settings.h"
#include "pty_fixture.h"

namespace {

using platform::LineSettings;
using platform::SysError;

LineSettings line(std::uint32_t baud, std::uint8_t bits, std::uint8_t parity, std::uint8_t stop,
                  std::uint8_t dtr = 1, std::uint8_t rts = 1) {
  return LineSettings{baud, bits, parity, stop, dtr, rts};
}

class SettingsRoundTrip : public PtyTest, public ::testing::WithParamInterface<LineSettings> {};

// The master side of a pseudo-terminal sees what its slave side set, as a register's end of the
// line would. A pseudo-terminal forces 8 data bits without parity, so only speed, stop bits and
// handshake can make the round trip here.
TEST_P(SettingsRoundTrip, DeviceAndPeerSeeTheSettings) {
  auto device = openDevice();
  ASSERT_NE(device, nullptr);
  ASSERT_EQ(device->setCommState(GetParam()), platform::kSuccess);

  LineSettings back{};
  ASSERT_EQ(device->getCommState(back), platform::kSuccess);
  EXPECT_EQ(back, GetParam());

  LineSettings peer{};
  ASSERT_EQ(platform::posix::readLineSettings(pty_.master, peer), platform::kSuccess);
  EXPECT_EQ(peer.baudRate, GetParam().baudRate);
  EXPECT_EQ(peer.byteSize, GetParam().byteSize);
  EXPECT_EQ(peer.parity, GetParam().parity);
  EXPECT_EQ(peer.stopBits, GetParam().stopBits);
}

INSTANTIATE_TEST_SUITE_P(Lines, SettingsRoundTrip,
                         ::testing::Values(line(4800, 8, 0, 0), line(115200, 8, 0, 0),
                                           line(250000, 8, 0, 0),  // no Bxxx code for it
                                           line(12345, 8, 0, 2), line(9600, 8, 0, 0, 0, 0),
                                           line(19200, 8, 0, 0, 1, 2)));

TEST_F(PtyTest, DtrAndRtsHandshakeAreTakenAndReadBack) {
  auto device = openDevice();
  ASSERT_EQ(device->setCommState(line(9600, 8, 0, 0, 2, 2)), platform::kSuccess);
  LineSettings back{};
  ASSERT_EQ(device->getCommState(back), platform::kSuccess);
  EXPECT_EQ(back, line(9600, 8, 0, 0, 2, 2));
}

TEST_F(PtyTest, ImpossibleSettingsAreRefusedAndChangeNothing) {
  auto device = openDevice();
  ASSERT_EQ(device->setCommState(line(9600, 8, 0, 0)), platform::kSuccess);
  for (const LineSettings& bad : {line(0, 8, 0, 0), line(9600, 9, 0, 0), line(9600, 4, 0, 0),
                                  line(9600, 8, 5, 0), line(9600, 8, 0, 1), line(9600, 5, 0, 2),
                                  line(9600, 8, 0, 3), line(9600, 8, 0, 0, 3, 1),
                                  line(9600, 8, 0, 0, 1, 3)}) {
    EXPECT_EQ(device->setCommState(bad), static_cast<SysError>(EINVAL))
        << bad.baudRate << " " << int(bad.byteSize) << int(bad.parity) << int(bad.stopBits);
  }
  LineSettings back{};
  ASSERT_EQ(device->getCommState(back), platform::kSuccess);
  EXPECT_EQ(back, line(9600, 8, 0, 0));
}

TEST_F(PtyTest, ModemLinesAndBreakOnAPseudoTerminalAreNotFailures) {
  auto device = openDevice();
  for (std::uint32_t function : {platform::SETDTR, platform::CLRDTR, platform::SETRTS, platform::CLRRTS,
                                 platform::SETBREAK, platform::CLRBREAK, platform::SETXOFF, platform::SETXON}) {
    EXPECT_EQ(device->escape(function), platform::kSuccess) << function;
  }
  EXPECT_EQ(device->escape(7), static_cast<SysError>(EINVAL));
}

}  // namespace
