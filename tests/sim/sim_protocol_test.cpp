#include <gtest/gtest.h>

#include "frames.h"
#include "register_logic.h"

namespace {

using namespace std::string_literals;

struct RequestCase {
  const char* name;
  std::string bytes;
  sim::FrameCheck check;
  std::string left;  // what stays in the pending bytes
};

// Test names in CTest show the case, not its bytes.
void PrintTo(const RequestCase& c, std::ostream* os) { *os << c.name; }

class TakeRequest : public ::testing::TestWithParam<RequestCase> {};

TEST_P(TakeRequest, ChecksEveryFrame) {
  const auto& c = GetParam();
  std::string pending = c.bytes;
  sim::Request request;
  EXPECT_EQ(sim::takeRequest(pending, request), c.check);
  EXPECT_EQ(pending, c.left);
  if (c.check == sim::FrameCheck::Good) {
    EXPECT_EQ(request.seq, 0x21);
    EXPECT_EQ(request.command, 0x80);
    EXPECT_EQ(request.text, "");
  }
}

// 01 24 21 80 05 30 30 3C 3A 03 is the first 80h request of a session with an empty text.
const std::string kEmpty80 = "\x01\x24\x21\x80\x05\x30\x30\x3C\x3A\x03"s;

INSTANTIATE_TEST_SUITE_P(
    Frames, TakeRequest,
    ::testing::Values(RequestCase{"Good", kEmpty80, sim::FrameCheck::Good, ""},
                      RequestCase{"NoiseBefore", "\x7F\x16"s + kEmpty80 + "\x01", sim::FrameCheck::Good, "\x01"},
                      RequestCase{"Incomplete", kEmpty80.substr(0, 7), sim::FrameCheck::Incomplete, kEmpty80.substr(0, 7)},
                      RequestCase{"BadChecksum", "\x01\x24\x21\x80\x05\x30\x30\x3C\x3B\x03"s, sim::FrameCheck::Bad, ""},
                      RequestCase{"NoEtx", "\x01\x24\x21\x80\x05\x30\x30\x3C\x3A\x04"s, sim::FrameCheck::Bad, ""},
                      RequestCase{"NoEnq", "\x01\x24\x21\x80\x06\x30\x30\x3C\x3A\x03"s, sim::FrameCheck::Bad, ""},
                      RequestCase{"LengthTooSmall", "\x01\x23\x21"s, sim::FrameCheck::Bad, "\x21"}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(AnswerFrame, CarriesLengthSequenceCodeDataStatusAndChecksum) {
  const std::array<std::uint8_t, 6> status = {0x80, 0x81, 0x82, 0x83, 0x84, 0x85};
  const std::string frame = sim::buildAnswer(0x22, 0x28, "0000", "A;B;", status);
  const std::string body = "\x34\x22\x28" "0000;A;B;\x04\x80\x81\x82\x83\x84\x85\x05"s;
  unsigned int sum = 0;
  for (char c : body) sum += static_cast<unsigned char>(c);
  EXPECT_EQ(frame, "\x01"s + body + sim::checksumDigits(sum) + "\x03");
  EXPECT_NE(sim::buildAnswer(0x22, 0x28, "0000", "A;B;", status, true), frame);
  // Digits above 9 are ":" to "?", never letters.
  EXPECT_EQ(sim::checksumDigits(0x1CAFu), "1<:?");
  EXPECT_EQ(sim::checksumDigits(0x3FFFFu), "????");
}

struct ReplyCase {
  const char* name;
  std::uint8_t command;
  std::string text;
  std::string code;
  std::string data;
  int newSpeed;
};

// Test names in CTest show the case, not its bytes.
void PrintTo(const ReplyCase& c, std::ostream* os) { *os << c.name; }

class AnswerRequest : public ::testing::TestWithParam<ReplyCase> {};

TEST_P(AnswerRequest, AnswersAsASoundRegister) {
  const auto& c = GetParam();
  sim::RegisterConfig config;
  config.identity = {"M", "V", "C", "D", "1", "2", "3", "4", "5", "6", "7"};
  config.params = {1, 0x1A, 2, 0, 0x10, 5};
  const sim::Reply reply = sim::answerRequest({0x21, c.command, c.text}, config, 9600);
  EXPECT_EQ(reply.code, c.code);
  EXPECT_EQ(reply.data, c.data);
  EXPECT_EQ(reply.newSpeed, c.newSpeed);
  const std::array<int, 6> stored = c.newSpeed ? std::array<int, 6>{7, 0x2B, 3, 0x1AB, 0x11, 9}
                                               : std::array<int, 6>{1, 0x1A, 2, 0, 0x10, 5};
  EXPECT_EQ(config.params, stored);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, AnswerRequest,
    ::testing::Values(
        ReplyCase{"Identity", 0x80, "538164;", "0000", "M;V;C;D;1;2;3;4;5;6;7;", 0},
        ReplyCase{"Parameters", 0x28, "538164;", "0000", "9600;1;001A;02;00;10;05;", 0},
        ReplyCase{"SetParameters", 0x27, "538164;38400;7;002B;03;1AB;11;09;", "0000", "", 38400},
        ReplyCase{"WrongPassword", 0x80, "111111;", "0006", "", 0},
        ReplyCase{"NoPasswordField", 0x28, "538164", "0006", "", 0},
        ReplyCase{"SpeedOutsideTheScope", 0x27, "538164;1200;7;002B;03;1AB;11;09;", "0104", "", 0},
        ReplyCase{"MissingField", 0x27, "538164;38400;7;002B;03;", "0503", "", 0},
        ReplyCase{"NotANumber", 0x27, "538164;38400;7;00G1;03;1AB;11;09;", "0303", "", 0},
        ReplyCase{"UnknownCommand", 0x99, "538164;", "0002", "", 0}),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
