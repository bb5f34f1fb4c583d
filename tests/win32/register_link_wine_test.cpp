#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "link/reglink.h"
#include "wine_ports.h"

namespace {

using reglink::CR_NO_ANSWER;
using reglink::kRegisterPassword;

// The speed at which the register on `port` answers 80h, trying the six speeds slowest first as
// the tool's search does; 0 when none does.
int searchSpeed(reglink::RegisterLink& link, const std::string& port) {
  for (int speed : reglink::kSearchSpeeds) {
    if (link.OpenLink(port.c_str(), speed) == -1) return 0;
    int status = 0;
    const reglink::TCommandResult* result = link.GetDiagnosticInfo(kRegisterPassword, &status);
    const bool answered = (result->Flags & CR_NO_ANSWER) == 0;
    link.CloseLink();
    if (answered) return speed;
  }
  return 0;
}

TEST(RegisterLinkUnderWine, SearchFindsTheRegisterAtItsSpeedWithItsIdentity) {
  REQUIRE_REGISTER_PORT(port, "search");
  reglink::RegisterLink link;
  EXPECT_EQ(searchSpeed(link, port.name), port.speed);

  ASSERT_NE(link.OpenLink(port.name.c_str(), port.speed), -1);
  int status = 0;
  const reglink::TCommandResult* result = link.GetDiagnosticInfo(kRegisterPassword, &status);
  link.CloseLink();
  EXPECT_STREQ(result->ErrorCode, "0000");
  EXPECT_GE(result->FieldCount, 11);
}

// 28h read, 27h written back with the new speed, then found at the new speed; and back again.
TEST(RegisterLinkUnderWine, SpeedChangeRoundTrip) {
  REQUIRE_REGISTER_PORT(port, "change");
  reglink::RegisterLink link;
  const auto changeSpeed = [&](int from, int to) {
    ASSERT_NE(link.OpenLink(port.name.c_str(), from), -1);
    int status = 0;
    const reglink::TCommandResult* params = link.GetRegisterParams(kRegisterPassword, &status);
    ASSERT_STREQ(params->ErrorCode, "0000") << "28h at " << from;
    ASSERT_GE(params->FieldCount, 7);
    int p[7] = {};
    for (int i = 1; i < 7; ++i) p[i] = std::stoi(params->Fields[i]);
    const reglink::TCommandResult* set =
        link.SetRegisterParams(kRegisterPassword, to, p[1], p[2], p[3], p[4], p[5], p[6], &status);
    EXPECT_STREQ(set->ErrorCode, "0000") << "27h " << from << " -> " << to;
    link.CloseLink();
  };

  changeSpeed(port.speed, 57600);
  EXPECT_EQ(searchSpeed(link, port.name), 57600);
  changeSpeed(57600, port.speed);
  EXPECT_EQ(searchSpeed(link, port.name), port.speed);
}

// Under Wine a pseudo-terminal that closes reads as silence: the exchange must still end, with
// no answer, in about the one second of silence and not hang or spin.
TEST(RegisterLinkUnderWine, PortVanishingMidAnswerEndsWithNoAnswer) {
  REQUIRE_REGISTER_PORT(port, "vanish");
  reglink::RegisterLink link;
  ASSERT_NE(link.OpenLink(port.name.c_str(), port.speed), -1);
  int status = 0;
  const auto started = std::chrono::steady_clock::now();
  const reglink::TCommandResult* result = link.GetDiagnosticInfo(kRegisterPassword, &status);
  EXPECT_NE(result->Flags & CR_NO_ANSWER, 0u);
  EXPECT_GT(result->RawAnswerLength, 0u) << "the register sent half an answer first";
  result = link.GetDiagnosticInfo(kRegisterPassword, &status);
  EXPECT_NE(result->Flags & CR_NO_ANSWER, 0u);
  link.CloseLink();
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(20));
}

}  // namespace
