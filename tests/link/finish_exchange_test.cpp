#include <string>
#include <vector>

#include "link_fixture.h"

namespace linktest {
namespace {

using Fields = std::vector<std::string>;

struct SplitCase {
  const char* data;
  Fields fields;
};

class SplitCases : public LinkTest, public ::testing::WithParamInterface<SplitCase> {};

TEST_P(SplitCases, CutsTheDataTextAtSeparators) {
  const reglink::TCommandResult& result = Exchange(0x80, AnswerFrame(0x80, "0000", GetParam().data));
  EXPECT_EQ(FieldsOf(result), GetParam().fields);
  for (int i = result.FieldCount; i < 20; ++i) EXPECT_EQ(result.Fields[i], nullptr) << "entry " << i;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SplitCases,
    ::testing::Values(SplitCase{"A;B;C;", {"A", "B", "C"}}, SplitCase{"A;;B", {"A", "", "B"}},
                      SplitCase{"A;B;;", {"A", "B"}}, SplitCase{";", {""}}, SplitCase{"", {}},
                      SplitCase{"single", {"single"}},
                      // Past the twentieth field the separators stay inside it.
                      SplitCase{"1;2;3;4;5;6;7;8;9;10;11;12;13;14;15;16;17;18;19;20;21;22;",
                                {"1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",  "10",
                                 "11", "12", "13", "14", "15", "16", "17", "18", "19", "20;21;22"}}));

TEST_F(LinkTest, EmptyAnswerClearsTheFieldsOfThePreviousOne) {
  Exchange(0x80, AnswerFrame(0x80, "0000", "A;B;"));
  const reglink::TCommandResult& result = Exchange(0x80, AnswerFrame(0x80, "0000", ""));
  EXPECT_EQ(result.FieldCount, 0);
  EXPECT_EQ(result.Fields[0], nullptr);
  EXPECT_EQ(result.Fields[1], nullptr);
}

struct CorrectionCase {
  int command;
  const char* data;
  const char* corrected;
};

class CorrectionCases : public LinkTest, public ::testing::WithParamInterface<CorrectionCase> {};

TEST_P(CorrectionCases, CorrectsTheDataTextButNotTheAnswerCopy) {
  const CorrectionCase& c = GetParam();
  const reglink::TCommandResult& result = Exchange(c.command, AnswerFrame(static_cast<std::uint8_t>(c.command), "0000", c.data));
  ASSERT_EQ(result.FieldCount, 1);
  EXPECT_STREQ(result.Fields[0], c.corrected);
  EXPECT_STREQ(result.AnswerText, c.data);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, CorrectionCases,
    ::testing::Values(CorrectionCase{0x32, "1234", "1,234"}, CorrectionCase{0x35, "12", "1,2"},
                      CorrectionCase{0x32, "1", "1"}, CorrectionCase{0x3E, "12345678", "12345678"},
                      CorrectionCase{0x3E, "1234567890", "12345678,0"}, CorrectionCase{0x5A, "1 2 3", "1,2,3"},
                      CorrectionCase{0x5A, "0123456789012345678 0 2", "0123456789012345678,0 2"},
                      CorrectionCase{0x80, "1 234", "1 234"}));

TEST_F(LinkTest, AnswerTextKeepsTheFirst128Characters) {
  const std::string data(150, 'x');
  const reglink::TCommandResult& result = Exchange(0x80, AnswerFrame(0x80, "0000", data));
  EXPECT_EQ(std::string(result.AnswerText), data.substr(0, 128));
  EXPECT_EQ(std::string(result.Fields[0]), data);
}

TEST_F(LinkTest, ResultNamesTheCommandAndCarriesTheSentText) {
  const reglink::TCommandResult& result = Exchange(0x28, AnswerFrame(0x28, "0000", "9600;"), "538164;");
  EXPECT_STREQ(result.Name, reglink::CommandName(0x28));
  EXPECT_STREQ(result.SentText, "538164;");
  EXPECT_EQ(result.Command, 0x28);
}

// Flag bit set by each bit of each status byte; -1 where no flag stands for it.
constexpr int kFlagBitOf[6][8] = {
    {0, 1, 2, -1, 3, 27, -1, -1},    // S0
    {4, 5, 6, 7, 8, 12, -1, -1},     // S1
    {9, -1, -1, 10, -1, 11, -1, -1}, // S2
    {-1, -1, -1, -1, -1, -1, -1, -1},// S3
    {16, -1, 13, 20, 17, 28, -1, -1},// S4
    {18, 21, 19, 22, 23, 14, -1, -1},// S5
};

TEST_F(LinkTest, EachStatusBitMapsToItsFlag) {
  for (int byte = 0; byte < 6; ++byte) {
    for (int bit = 0; bit < 8; ++bit) {
      Status status = kQuietStatus;  // 40h keeps every byte clear of the control bytes
      status[static_cast<std::size_t>(byte)] = static_cast<std::uint8_t>((1u << bit) | 0x40);
      const reglink::TCommandResult& result = Exchange(0x80, AnswerFrame(0x80, "0000", "", status));
      const int flagBit = kFlagBitOf[byte][bit];
      EXPECT_EQ(result.Flags, flagBit < 0 ? 0u : 1u << flagBit) << "S" << byte << " bit " << bit;
    }
  }
}

TEST_F(LinkTest, StatusFlagsCombineAndStatusBytesLoseBit7) {
  const reglink::TCommandResult& result =
      Exchange(0x80, AnswerFrame(0x80, "0000", "", {0x40, 0x61, 0x40, 0xC0, 0x40, 0x40}));
  EXPECT_EQ(result.Flags, reglink::CR_S1_BIT0 | reglink::CR_S1_BIT5);
  EXPECT_EQ(result.Status[1], 0x61);
  EXPECT_EQ(result.Status[3], 0x40);
}

TEST_F(LinkTest, BadChecksumHidesTheStatusFlags) {
  std::string frame = AnswerFrame(0x80, "0000", "A;", {0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F});
  frame[frame.size() - 2] = static_cast<char>(frame[frame.size() - 2] ^ 1);
  const reglink::TCommandResult& result = Exchange(0x80, frame);
  EXPECT_EQ(result.Flags, reglink::CR_BAD_CHECKSUM);
  EXPECT_STREQ(result.ErrorCode, "0000");  // the rest is filled as for a good answer
  EXPECT_EQ(FieldsOf(result), Fields{"A"});
}

}  // namespace
}  // namespace linktest
