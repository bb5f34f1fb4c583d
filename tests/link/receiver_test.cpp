#include <string>

#include "link_fixture.h"

namespace linktest {
namespace {

using reglink::CR_BAD_CHECKSUM;
using reglink::CR_NO_ANSWER;
using reglink::CR_REJECTED;

const std::string kGood = AnswerFrame(0x80, "0000", "A;B;");
const std::string kColonDigits = AnswerFrame(0x80, "0000", "Z;");  // its checksum reads "03><"

// BCC digits 10..15 written as letters instead of ':'..'?'.
std::string WithLetterDigits(std::string frame) {
  const std::size_t bcc = frame.size() - 5;
  bool changed = false;
  for (std::size_t i = bcc; i < bcc + 4; ++i) {
    if (frame[i] >= ':' && frame[i] <= '?') {
      frame[i] = static_cast<char>('A' + (frame[i] - ':'));
      changed = true;
    }
  }
  EXPECT_TRUE(changed) << "the frame's checksum has no digit above 9";
  return frame;
}

struct ReceiverCase {
  const char* name;
  std::string bytes;           // what the register sends
  std::uint32_t flags;
  const char* code;            // ErrorCode
  const char* answerText;      // the data text as received
  std::uint8_t linkError;
  std::string rawAnswer;       // what the log keeps
};

class ReceiverCases : public LinkTest, public ::testing::WithParamInterface<ReceiverCase> {};

TEST_P(ReceiverCases, TakesTheAnswerApart) {
  const ReceiverCase& c = GetParam();
  const reglink::TCommandResult& result = Exchange(0x80, c.bytes);
  EXPECT_EQ(result.Flags, c.flags);
  EXPECT_STREQ(result.ErrorCode, c.code);
  EXPECT_STREQ(result.AnswerText, c.answerText);
  EXPECT_EQ(link.state().LinkError, c.linkError);
  EXPECT_EQ(link.state().RxState, reglink::RX_IDLE);
  EXPECT_EQ(Hex(std::string(result.RawAnswer, result.RawAnswerLength)), Hex(c.rawAnswer));
}

const std::string kSyn = "\x16";
const std::string kNak = "\x15";
const std::string kEtx = "\x03";

INSTANTIATE_TEST_SUITE_P(
    Frames, ReceiverCases,
    ::testing::Values(
        ReceiverCase{"WellFormed", kGood, 0, "0000", "A;B;", 0, kGood},
        ReceiverCase{"SynAndGarbageBefore", kSyn + "xyz" + kSyn + kSyn + "\x04\x05" + kGood, 0, "0000", "A;B;", 0,
                     "xyz\x04\x05" + kGood},
        ReceiverCase{"NoData", AnswerFrame(0x80, "0006", ""), 0, "0006", "", 0, AnswerFrame(0x80, "0006", "")},
        ReceiverCase{"SohInsideDataRestarts", kGood.substr(0, 8) + kGood, 0, "0000", "A;B;", 0,
                     kGood.substr(0, 8) + kGood},
        ReceiverCase{"NakAlone", kNak, CR_REJECTED, "", "", reglink::LINK_ERROR_NAK, kNak},
        ReceiverCase{"NakAfterAFrameMasksItsStatus", AnswerFrame(0x80, "0000", "", {0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F}) + kNak,
                     CR_REJECTED, "0000", "", reglink::LINK_ERROR_NAK,
                     AnswerFrame(0x80, "0000", "", {0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F}) + kNak},
        // ETX where it does not belong ends the answer; what came so far stays.
        ReceiverCase{"EtxInsideData", kGood.substr(0, 11) + kEtx, CR_BAD_CHECKSUM, "0000", "A;",
                     reglink::LINK_ERROR_EARLY_ETX | reglink::LINK_ERROR_CHECKSUM, kGood.substr(0, 11) + kEtx},
        ReceiverCase{"EtxInsideCode", kGood.substr(0, 6) + kEtx, CR_BAD_CHECKSUM, "00", "",
                     reglink::LINK_ERROR_EARLY_ETX | reglink::LINK_ERROR_CHECKSUM, kGood.substr(0, 6) + kEtx},
        ReceiverCase{"ColonToQuestionMarkAreDigits10To15", kColonDigits, 0, "0000", "Z;", 0, kColonDigits},
        ReceiverCase{"LetterDigitsInChecksum", WithLetterDigits(kColonDigits), CR_BAD_CHECKSUM, "0000", "Z;",
                     reglink::LINK_ERROR_CHECKSUM, WithLetterDigits(kColonDigits)},
        ReceiverCase{"LenBelow30Dropped", "\x01\x2F" + kGood.substr(2, kGood.size() - 3), CR_NO_ANSWER, "", "", 0,
                     "\x01\x2F" + kGood.substr(2, kGood.size() - 3)},
        // A frame without its ENQ is dropped; the ETX after it still ends the answer, unchecked.
        ReceiverCase{"WrongByteForEnq", kGood.substr(0, 20) + "\x06" + kGood.substr(21), CR_BAD_CHECKSUM, "0000",
                     "A;B;", reglink::LINK_ERROR_EARLY_ETX | reglink::LINK_ERROR_CHECKSUM,
                     kGood.substr(0, 20) + "\x06" + kGood.substr(21)},
        ReceiverCase{"WrongByteForEnqNoEtx", kGood.substr(0, 20) + "\x06" + kGood.substr(21, 4), CR_NO_ANSWER, "0000",
                     "A;B;", 0, kGood.substr(0, 20) + "\x06" + kGood.substr(21, 4)},
        ReceiverCase{"Silence", "", CR_NO_ANSWER, "", "", 0, ""}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(LinkTest, WellFormedAnswerLeavesItsPartsInTheReceiver) {
  const std::string frame = AnswerFrame(0x80, "0000", "A;B;", {0x41, 0x42, 0x43, 0x44, 0x45, 0x46});
  Exchange(0x80, frame);
  const reglink::LinkState& s = link.state();
  EXPECT_EQ(Hex(std::string(reinterpret_cast<const char*>(s.RxStatus), 6)), "41 42 43 44 45 46");
  EXPECT_EQ(s.RxSum, s.RxChecksum);
  EXPECT_EQ(s.RxDataLength, 4);
}

TEST_F(LinkTest, AnEarlyEtxIsNeverASoundAnswer) {
  // On a fresh link the sums both stand at zero, so only the early end tells it apart.
  Exchange(0x80, kNak + kEtx);
  EXPECT_EQ(link.state().LinkError, reglink::LINK_ERROR_EARLY_ETX | reglink::LINK_ERROR_CHECKSUM);
  EXPECT_EQ(link.result().Flags, CR_BAD_CHECKSUM);
  Exchange(0x80, kEtx);
  EXPECT_EQ(link.result().Flags, CR_BAD_CHECKSUM);
}

TEST_F(LinkTest, OverlongCodeKeepsItsFirst19Characters) {
  const std::string code = "0123456789ABCDEFGHIJKLMNO";
  const reglink::TCommandResult& result = Exchange(0x80, AnswerFrame(0x80, code, "X;"));
  EXPECT_EQ(result.Flags, 0u);  // the dropped characters still count in the checksum
  EXPECT_EQ(std::string(result.ErrorCode), code.substr(0, 19));
  EXPECT_EQ(FieldsOf(result), std::vector<std::string>{"X"});
}

TEST_F(LinkTest, RawAnswerKeepsThe299BytesThatFitAndDropsTheRest) {
  const std::string noise(350, 'z');
  const reglink::TCommandResult& result = Exchange(0x80, noise + kGood);
  EXPECT_EQ(result.Flags, 0u);
  EXPECT_EQ(result.RawAnswerLength, 299u);
  EXPECT_EQ(std::string(result.RawAnswer), noise.substr(0, 299));
}

TEST_F(LinkTest, RawAnswerHoldsAZeroByteThatArrived) {
  const std::string answer = std::string("\x00\x00", 2) + kGood;
  const reglink::TCommandResult& result = Exchange(0x80, answer);
  EXPECT_EQ(Hex(std::string(result.RawAnswer, result.RawAnswerLength)), Hex(answer));
}

}  // namespace
}  // namespace linktest
