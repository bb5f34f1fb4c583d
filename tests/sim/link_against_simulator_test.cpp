#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>

#include "link/reglink.h"
#include "sim/sim.h"

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

sim::RegisterConfig registerAt(int speed) {
  sim::RegisterConfig config;
  config.speed = speed;
  config.identity[0] = "SIM-" + std::to_string(speed);
  return config;
}

long msSince(Clock::time_point start) {
  return static_cast<long>(std::chrono::duration_cast<milliseconds>(Clock::now() - start).count());
}

// The window's search on one port: each speed slowest first, 80h, the first answer decides.
int searchSpeed(reglink::RegisterLink& link, const std::string& port, reglink::TCommandResult*& answer) {
  int status = 0;
  for (int speed : reglink::kSearchSpeeds) {
    if (link.OpenLink(port.c_str(), speed) == -1) return -1;
    answer = link.GetDiagnosticInfo(reglink::kRegisterPassword, &status);
    link.CloseLink();
    if ((answer->Flags & reglink::CR_NO_ANSWER) == 0) return speed;
  }
  return 0;
}

class FoundAtItsSpeed : public ::testing::TestWithParam<int> {};

TEST_P(FoundAtItsSpeed, SearchFindsTheRegisterAndReadsItsIdentity) {
  sim::SimulatedRegister reg(registerAt(GetParam()));
  reglink::RegisterLink link;
  reglink::TCommandResult* answer = nullptr;
  ASSERT_EQ(searchSpeed(link, reg.portName(), answer), GetParam());
  EXPECT_STREQ(answer->ErrorCode, "0000");
  ASSERT_EQ(answer->FieldCount, 11);
  EXPECT_EQ(std::string(answer->Fields[0]), "SIM-" + std::to_string(GetParam()));
  EXPECT_STREQ(answer->Fields[10], "4");
}

INSTANTIATE_TEST_SUITE_P(Speeds, FoundAtItsSpeed, ::testing::ValuesIn(reglink::kSearchSpeeds));

TEST(LinkAgainstSimulator, BusyPortDoesNotOpen) {
  sim::BusyPort busy;
  reglink::RegisterLink link;
  EXPECT_EQ(link.OpenLink(busy.portName().c_str(), 9600), -1);
}

TEST(LinkAgainstSimulator, SilentPortGivesNoAnswerAfterASecond) {
  sim::SilentPort silent;
  reglink::RegisterLink link;
  ASSERT_NE(link.OpenLink(silent.portName().c_str(), 9600), -1);
  int status = 0;
  const auto start = Clock::now();
  const auto* answer = link.GetDiagnosticInfo(reglink::kRegisterPassword, &status);
  EXPECT_NE(answer->Flags & reglink::CR_NO_ANSWER, 0u);
  EXPECT_GE(msSince(start), 1000);
  EXPECT_LT(msSince(start), 2500);
  link.CloseLink();
}

struct FaultCase {
  const char* name;
  sim::Fault fault;
  std::uint32_t flag;      // the link flag the answer must carry, or 0 for a clean answer
  const char* errorCode;   // expected ErrorCode when the answer is judged by it
  int minMs;               // the exchange cannot end sooner
};

// Test names in CTest show the case, not its bytes.
void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.name; }

class Faults : public ::testing::TestWithParam<FaultCase> {};

TEST_P(Faults, TheLinkSeesWhatTheRegisterDid) {
  const auto& c = GetParam();
  sim::RegisterConfig config = registerAt(19200);
  config.fault = c.fault;
  config.errorCode = "0105";
  config.synPeriod = milliseconds(400);
  config.synDuration = milliseconds(1600);  // longer than the link's one second of patience
  config.slowDelay = milliseconds(700);
  sim::SimulatedRegister reg(config);
  reglink::RegisterLink link;
  ASSERT_NE(link.OpenLink(reg.portName().c_str(), 19200), -1);
  int status = 0;
  const auto start = Clock::now();
  const auto* answer = link.GetDiagnosticInfo(reglink::kRegisterPassword, &status);
  EXPECT_GE(msSince(start), c.minMs);
  const std::uint32_t linkFlags = reglink::CR_NO_ANSWER | reglink::CR_REJECTED | reglink::CR_BAD_CHECKSUM;
  EXPECT_EQ(answer->Flags & linkFlags, c.flag);
  if (c.errorCode != nullptr) {
    EXPECT_STREQ(answer->ErrorCode, c.errorCode);
  }
  link.CloseLink();
}

INSTANTIATE_TEST_SUITE_P(
    Misbehaviour, Faults,
    ::testing::Values(FaultCase{"Nak", sim::Fault::Nak, reglink::CR_REJECTED, nullptr, 0},
                      FaultCase{"BadChecksum", sim::Fault::BadChecksum, reglink::CR_BAD_CHECKSUM, nullptr, 0},
                      FaultCase{"ErrorCode", sim::Fault::ErrorCode, 0, "0105", 0},
                      FaultCase{"GarbageBeforeFrame", sim::Fault::GarbageBeforeFrame, 0, "0000", 0},
                      FaultCase{"SlowAnswer", sim::Fault::SlowAnswer, 0, "0000", 700},
                      FaultCase{"SynKeepAliveBeyondASecond", sim::Fault::SynBeforeAnswer, 0, "0000", 1600}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(LinkAgainstSimulator, WrongPasswordIsAnsweredWithItsCode) {
  sim::SimulatedRegister reg(registerAt(9600));
  reglink::RegisterLink link;
  ASSERT_NE(link.OpenLink(reg.portName().c_str(), 9600), -1);
  int status = 0;
  const auto* answer = link.GetDiagnosticInfo("111111", &status);
  EXPECT_EQ(answer->Flags & reglink::CR_NO_ANSWER, 0u);
  EXPECT_STREQ(answer->ErrorCode, "0006");
  link.CloseLink();
}

TEST(LinkAgainstSimulator, PortVanishingMidAnswerEndsTheExchangeQuickly) {
  sim::RegisterConfig config = registerAt(9600);
  config.fault = sim::Fault::VanishMidAnswer;
  sim::SimulatedRegister reg(config);
  reglink::RegisterLink link;
  ASSERT_NE(link.OpenLink(reg.portName().c_str(), 9600), -1);
  int status = 0;
  const auto start = Clock::now();
  const auto* answer = link.GetDiagnosticInfo(reglink::kRegisterPassword, &status);
  EXPECT_LT(msSince(start), 700);  // no second of silence: the failing reads end the wait
  EXPECT_NE(answer->Flags & reglink::CR_NO_ANSWER, 0u);
  EXPECT_GT(answer->RawAnswerLength, 0u);
  link.CloseLink();
}

TEST(LinkAgainstSimulator, SpeedChangeRoundTrip) {
  sim::RegisterConfig config = registerAt(9600);
  config.params = {3, 0x1A, 2, 0, 0x10, 5};
  sim::SimulatedRegister reg(config);
  reglink::RegisterLink link;
  int status = 0;
  ASSERT_NE(link.OpenLink(reg.portName().c_str(), 9600), -1);
  const auto* params = link.GetRegisterParams(reglink::kRegisterPassword, &status);
  ASSERT_STREQ(params->ErrorCode, "0000");
  ASSERT_GE(params->FieldCount, 7);
  EXPECT_STREQ(params->Fields[0], "9600");
  // The register's own parameters go back: 1 and 6 in decimal, 2 to 5 in hexadecimal.
  int p[6];
  for (int i = 0; i < 6; ++i) p[i] = static_cast<int>(std::strtol(params->Fields[i + 1], nullptr, i == 0 || i == 5 ? 10 : 16));
  const auto* set = link.SetRegisterParams(reglink::kRegisterPassword, 38400, p[0], p[1], p[2], p[3], p[4], p[5], &status);
  EXPECT_EQ(set->Flags & reglink::CR_NO_ANSWER, 0u);
  EXPECT_STREQ(set->ErrorCode, "0000");
  link.CloseLink();
  EXPECT_EQ(reg.currentSpeed(), 38400);

  // From now on the register answers at the new speed only, with the same parameters.
  reglink::TCommandResult* answer = nullptr;
  EXPECT_EQ(searchSpeed(link, reg.portName(), answer), 38400);
  ASSERT_NE(link.OpenLink(reg.portName().c_str(), 38400), -1);
  params = link.GetRegisterParams(reglink::kRegisterPassword, &status);
  ASSERT_GE(params->FieldCount, 7);
  EXPECT_STREQ(params->Fields[0], "38400");
  EXPECT_STREQ(params->Fields[1], "3");
  EXPECT_STREQ(params->Fields[2], "001A");
  EXPECT_STREQ(params->Fields[6], "05");
  link.CloseLink();
}

}  // namespace
