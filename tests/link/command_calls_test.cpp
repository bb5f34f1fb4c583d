#include <string>

#include "link_fixture.h"

namespace linktest {
namespace {

std::string DataOf(const std::string& frame) { return frame.substr(4, frame.size() - 10); }

TEST_F(LinkTest, CommandCallsFormatTheirParameterTexts) {
  int status = 7;
  link.GetDiagnosticInfo(reglink::kRegisterPassword, &status);
  EXPECT_EQ(status, 0);
  link.GetRegisterParams(reglink::kRegisterPassword, &status);
  link.SetRegisterParams(reglink::kRegisterPassword, 9600, 1, 0x1A, 2, 0, 0x10, 5, &status);
  link.SetRegisterParams("1", 115200, -3, 0x1ABCD, 0x1AB, 0xFF, 1, 123, &status);

  const auto& calls = device.writeCalls();
  ASSERT_EQ(calls.size(), 4u);
  EXPECT_EQ(calls[0][3], '\x80');
  EXPECT_EQ(DataOf(calls[0]), "538164;");
  EXPECT_EQ(calls[0][1], '\x2B');
  EXPECT_EQ(calls[1][3], '\x28');
  EXPECT_EQ(DataOf(calls[1]), "538164;");
  EXPECT_EQ(calls[2][3], '\x27');
  EXPECT_EQ(DataOf(calls[2]), "538164;9600;1;001A;02;00;10;05;");
  // Numbers wider than their field are written in full.
  EXPECT_EQ(DataOf(calls[3]), "1;115200;-3;1ABCD;1AB;FF;01;123;");
}

TEST_F(LinkTest, StatusIsZeroWhateverTheOutcome) {
  int status = -1;
  const reglink::TCommandResult* result = link.GetDiagnosticInfo(reglink::kRegisterPassword, &status);
  EXPECT_EQ(result->Flags, reglink::CR_NO_ANSWER);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(result, &link.result());
}

}  // namespace
}  // namespace linktest
