#include <string>

#include "link_fixture.h"

namespace linktest {
namespace {

using namespace std::chrono_literals;

TEST_F(LinkTest, FirstRequestsAfterStartAreByteExact) {
  link.SendCommand(0x80, "");
  link.SendCommand(0x28, "1;");
  ASSERT_EQ(device.writeCalls().size(), 2u);
  EXPECT_EQ(Hex(device.writeCalls()[0]), "01 24 21 80 05 30 30 3C 3A 03");
  EXPECT_EQ(Hex(device.writeCalls()[1]), "01 26 22 28 31 3B 05 30 30 3E 31 03");

  const reglink::TCommandResult& result = link.result();
  EXPECT_EQ(Hex(std::string(result.RequestFrame, reglink::RequestFrameLength(result))), Hex(device.writeCalls()[1]));
  EXPECT_STREQ(result.SentText, "1;");
  EXPECT_EQ(result.Command, 0x28);
}

TEST_F(LinkTest, EveryRequestIsFlushedPurgedAndWrittenInOneCall) {
  const auto purgesAfterOpen = device.purges().size();
  const int flushesAfterOpen = device.uses(platform::fake::Call::Flush);
  link.SendCommand(0x80, "538164;");
  EXPECT_EQ(device.uses(platform::fake::Call::Flush), flushesAfterOpen + 1);
  ASSERT_EQ(device.purges().size(), purgesAfterOpen + 1);
  EXPECT_EQ(device.purges().back(), platform::PURGE_TXCLEAR | platform::PURGE_RXCLEAR);
  EXPECT_EQ(device.writeCalls().size(), 1u);
}

TEST_F(LinkTest, SequenceNumberCountsRequestsModulo256ThenWrapsInto20To7E) {
  constexpr int kRequests = 258;
  for (int i = 0; i < kRequests; ++i) link.SendCommand(0x80, "");
  ASSERT_EQ(device.writeCalls().size(), static_cast<std::size_t>(kRequests));
  for (int request = 1; request <= kRequests; ++request) {
    const int counter = request % 256;
    EXPECT_EQ(static_cast<unsigned char>(device.writeCalls()[request - 1][2]), 0x20 + counter % 95)
        << "request " << request;
  }
  // The landmarks: counter 94 is 7Eh, 95 starts again at 20h, 256 wraps the counter to 0.
  EXPECT_EQ(device.writeCalls()[93][2], '\x7E');
  EXPECT_EQ(device.writeCalls()[94][2], '\x20');
  EXPECT_EQ(device.writeCalls()[255][2], '\x20');
}

TEST_F(LinkTest, LongestFramableTextGoesOutWithLenFF) {
  const std::string text(reglink::kMaxParameterText, '7');
  link.SendCommand(0x80, text.c_str());
  ASSERT_EQ(device.writeCalls().size(), 1u);
  EXPECT_EQ(device.writeCalls()[0].size(), text.size() + 10);
  EXPECT_EQ(static_cast<unsigned char>(device.writeCalls()[0][1]), 0xFF);
}

TEST_F(LinkTest, TextTooLongToFrameSendsNothingAndIsNoAnswer) {
  const std::string text(reglink::kMaxParameterText + 1, '7');
  const reglink::TCommandResult* result = link.SendCommand(0x80, text.c_str());
  EXPECT_TRUE(device.written().empty());
  EXPECT_EQ(result->Flags, reglink::CR_NO_ANSWER);
  EXPECT_EQ(result->RequestFrame[0], '\0');
  EXPECT_EQ(device.now(), 0ms);  // not even a wait

  // The refused text consumed no sequence number.
  link.SendCommand(0x80, "");
  EXPECT_EQ(device.writeCalls().at(0)[2], '\x21');
}

}  // namespace
}  // namespace linktest
