#include <cerrno>
#include <string>

#include "link_fixture.h"

namespace linktest {
namespace {

using namespace std::chrono_literals;
using platform::fake::Call;

constexpr std::uint32_t kPurgeAll =
    platform::PURGE_TXABORT | platform::PURGE_RXABORT | platform::PURGE_TXCLEAR | platform::PURGE_RXCLEAR;

TEST_F(LinkTest, OpenSetsTheLineAndOneByteReadsOf100ms) {
  EXPECT_EQ(device.lineSettings().baudRate, 9600u);
  EXPECT_EQ(device.lineSettings().byteSize, 8);
  EXPECT_EQ(device.lineSettings().parity, 0);
  EXPECT_EQ(device.lineSettings().stopBits, 0);
  EXPECT_EQ(device.timeouts(), (platform::CommTimeouts{0, 0, 100, 0, 0}));
  EXPECT_EQ(device.purges(), std::vector<std::uint32_t>{kPurgeAll});
  EXPECT_EQ(device.uses(Call::SetupComm), 1);
}

TEST_F(LinkTest, CloseSendsWhatIsQueuedEmptiesTheQueuesAndFreesThePort) {
  link.CloseLink();
  EXPECT_EQ(device.uses(Call::Flush), 1);
  EXPECT_EQ(device.purges().back(), kPurgeAll);
  EXPECT_FALSE(ports.isOpen(DeviceName("ttyS3")));
  // A command after closing gets no answer at once instead of touching the closed port.
  EXPECT_EQ(link.SendCommand(0x80, "")->Flags, reglink::CR_NO_ANSWER);
  EXPECT_TRUE(device.written().empty());
}

TEST_F(LinkTest, OpeningAgainClosesTheEarlierPortFirst) {
  auto& other = ports.add(DeviceName("ttyUSB0"));
  EXPECT_NE(link.OpenLink("ttyUSB0", 19200), -1);
  EXPECT_FALSE(ports.isOpen(DeviceName("ttyS3")));
  EXPECT_EQ(device.purges().back(), kPurgeAll);
  EXPECT_EQ(other.lineSettings().baudRate, 19200u);
  // The same port opens again too: it is no longer held by this link.
  EXPECT_NE(link.OpenLink("ttyUSB0", 4800), -1);
  EXPECT_EQ(other.lineSettings().baudRate, 4800u);
}

TEST_F(LinkTest, PortsThatCannotBeOpenedGiveMinusOne) {
  ports.failOpen(DeviceName("ttyS4"), EBUSY);
  EXPECT_EQ(link.OpenLink("ttyS4", 9600), -1);
  EXPECT_EQ(link.OpenLink("ttyS5", 9600), -1);  // absent

  // Names beyond 27 characters are refused before anything is opened.
  const std::string longest(27, 'n');
  const std::string tooLong(28, 'n');
  const auto requestsBefore = ports.openRequests().size();
  EXPECT_EQ(link.OpenLink(tooLong.c_str(), 9600), -1);
  EXPECT_EQ(ports.openRequests().size(), requestsBefore);
  EXPECT_EQ(link.OpenLink(longest.c_str(), 9600), -1);
  EXPECT_EQ(ports.openRequests().back(), DeviceName(longest));
}

TEST(RegisterLink, CommandBeforeAnyOpenDoesNothing) {
  platform::fake::FakeSerialPorts ports;
  reglink::RegisterLink link(ports);
  const reglink::TCommandResult* result = link.SendCommand(0x80, "538164;");
  EXPECT_EQ(result, &link.result());
  EXPECT_EQ(result->Command, 0);
  EXPECT_EQ(result->Flags, 0u);
  EXPECT_EQ(result->Name, nullptr);
}

TEST(RegisterLink, CommandAfterAFailedOpenEndsWithNoAnswer) {
  platform::fake::FakeSerialPorts ports;
  reglink::RegisterLink link(ports);
  EXPECT_EQ(link.OpenLink("ttyS7", 9600), -1);
  const reglink::TCommandResult* result = link.SendCommand(0x80, "538164;");
  EXPECT_EQ(result->Flags, reglink::CR_NO_ANSWER);
  EXPECT_EQ(result->Command, 0x80);
}

TEST(RegisterLink, IndependentLinksKeepTheirOwnCounters) {
  platform::fake::FakeSerialPorts ports;
  auto& first = ports.add(std::string(platform::deviceNamePrefix()) + "a");
  auto& second = ports.add(std::string(platform::deviceNamePrefix()) + "b");
  reglink::RegisterLink linkA(ports);
  reglink::RegisterLink linkB(ports);
  linkA.OpenLink("a", 9600);
  linkB.OpenLink("b", 9600);
  linkA.SendCommand(0x80, "");
  linkA.SendCommand(0x80, "");
  linkB.SendCommand(0x80, "");
  EXPECT_EQ(first.writeCalls().back()[2], '\x22');
  EXPECT_EQ(second.writeCalls().back()[2], '\x21');
}

TEST_F(LinkTest, OneSecondOfSilenceIsNoAnswer) {
  const reglink::TCommandResult& result = Exchange(0x80, "");
  EXPECT_EQ(result.Flags, reglink::CR_NO_ANSWER);
  EXPECT_EQ(device.now(), 1000ms);  // ten silent reads of 100 ms on the virtual clock
  EXPECT_EQ(result.FieldCount, 0);
}

TEST_F(LinkTest, AnswerEndsAtTheFirstSilentReadAfterIt) {
  device.expect(Bytes("01 24 21 80 05 30 30 3C 3A 03"), AnswerFrame(0x80, "0000", "A;"), 30ms);
  const reglink::TCommandResult* result = link.SendCommand(0x80, "");
  EXPECT_EQ(result->Flags, 0u);
  EXPECT_EQ(device.now(), 130ms);
  EXPECT_EQ(device.pendingExpectations(), 0u);
}

TEST_F(LinkTest, SynKeepAliveHoldsTheWaitBeyondASecond) {
  std::vector<platform::fake::FakeSerialDevice::Piece> answer;
  for (int i = 0; i < 10; ++i) answer.push_back({500ms, "\x16"});
  answer.push_back({500ms, AnswerFrame(0x80, "0000", "A;")});
  device.expect(Bytes("01 24 21 80 05 30 30 3C 3A 03"), answer);
  const reglink::TCommandResult* result = link.SendCommand(0x80, "");
  EXPECT_EQ(result->Flags, 0u);
  EXPECT_EQ(FieldsOf(*result), std::vector<std::string>{"A"});
  EXPECT_GE(device.now(), 5500ms);
  EXPECT_EQ(std::string(result->RawAnswer, result->RawAnswerLength), AnswerFrame(0x80, "0000", "A;"));
}

TEST_F(LinkTest, ExchangeWithoutAFrameNeverReportsThePreviousCode) {
  EXPECT_STREQ(Exchange(0x80, AnswerFrame(0x80, "0000", "A;")).ErrorCode, "0000");
  const reglink::TCommandResult& silent = Exchange(0x80, "");
  EXPECT_STREQ(silent.ErrorCode, "");
  EXPECT_EQ(silent.RawAnswerLength, 0u);
  std::string text;
  EXPECT_FALSE(reglink::ComposeErrorText(text, silent));

  Exchange(0x80, AnswerFrame(0x80, "0000", "A;"));
  const reglink::TCommandResult& rejected = Exchange(0x80, "\x15");
  EXPECT_EQ(rejected.Flags, reglink::CR_REJECTED);
  EXPECT_STREQ(rejected.ErrorCode, "");
  EXPECT_FALSE(reglink::ComposeErrorText(text, rejected));
  EXPECT_EQ(text, "Invalid answer code!");
}

TEST_F(LinkTest, PortVanishingMidAnswerEndsTheWaitAtOnce) {
  const std::string frame = AnswerFrame(0x80, "0000", "A;B;");
  device.arrive(frame.substr(0, 10), 1ms);
  device.failAt(Call::Read, 11, EIO, true);  // the tenth byte is the last one read
  const reglink::TCommandResult* result = link.SendCommand(0x80, "");
  EXPECT_EQ(result->Flags, reglink::CR_NO_ANSWER);
  EXPECT_EQ(link.state().RxState, reglink::RX_IDLE);
  EXPECT_GE(device.uses(Call::ClearCommError), 1);
  EXPECT_LT(device.now(), 100ms);
}

}  // namespace
}  // namespace linktest

namespace linktest {
namespace {

TEST(DefaultLink, FreeFunctionsShareTheOneModuleWideLink) {
  // A name that is no device at all: the open fails without touching any serial port.
  EXPECT_EQ(reglink::OpenLink("speedconf-no-such-port", 9600), -1);
  const reglink::TCommandResult* result = reglink::GetDiagnosticInfo(reglink::kRegisterPassword, nullptr);
  EXPECT_EQ(result, &reglink::defaultLink().result());
  EXPECT_EQ(result->Flags, reglink::CR_NO_ANSWER);
  EXPECT_EQ(result->Command, 0x80);
  reglink::CloseLink();
}

}  // namespace
}  // namespace linktest
