#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "cli/port_scan.h"
#include "cli/speed_change.h"
#include "link/reglink.h"
#include "platform/cp1251.h"

namespace cli {
namespace {

using namespace platform::cp1251::literals;
using reglink::CR_BAD_CHECKSUM;
using reglink::CR_NO_ANSWER;
using reglink::CR_REJECTED;

// A result as the link leaves it, its fields pointing into the answer's own storage.
struct Answer {
  Answer(std::uint32_t flags, const char* code, std::vector<std::string> fieldTexts = {})
      : texts(std::move(fieldTexts)) {
    result.Flags = flags;
    std::snprintf(result.ErrorCode, sizeof result.ErrorCode, "%s", code);
    result.FieldCount = static_cast<std::int32_t>(texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) result.Fields[i] = texts[i].c_str();
  }
  std::vector<std::string> texts;
  reglink::TCommandResult result{};
};

struct DiagnosticCase {
  std::uint32_t flags;
  const char* code;
  AnswerVerdict verdict;
  std::string message;
};

TEST(JudgeDiagnosticAnswer, SortsAnswersAsTheSearchDoes) {
  const DiagnosticCase cases[] = {
      {CR_NO_ANSWER, "0000", AnswerVerdict::NoAnswer, ""},  // stale code of an earlier answer
      {0, "0000", AnswerVerdict::Found, ""},
      {reglink::CR_S1_BIT0, "0000", AnswerVerdict::Found, ""},  // status flags play no part
      {0, "0006", AnswerVerdict::Incorrect, "Invalid password!"},
      {0, "0100", AnswerVerdict::Incorrect, ""},  // an error without a message
      {0, "0105", AnswerVerdict::Incorrect,
       "Ошибка фискальной памяти!\n Writing error in fiscal memory!"_cp1251},
      // Unsound answers never count as found, whatever code they carry.
      {CR_REJECTED, "", AnswerVerdict::Incorrect, "Request rejected (NAK)!"},
      {CR_BAD_CHECKSUM, "0000", AnswerVerdict::Incorrect, "Answer checksum error!"},
  };
  for (const auto& c : cases) {
    const Answer answer(c.flags, c.code);
    std::string message = "stale";
    EXPECT_EQ(judgeDiagnosticAnswer(answer.result, message), c.verdict) << c.code;
    EXPECT_EQ(message, c.message) << c.code;
  }
}

struct StepCase {
  SpeedChangeStep step;
  std::uint32_t flags;
  const char* code;
  std::optional<std::string> failure;
};

TEST(SpeedChangeStepFailure, GivesTheWindowsMessageForEveryUnsoundAnswer) {
  const auto read = SpeedChangeStep::ReadParams;
  const auto write = SpeedChangeStep::WriteParams;
  const std::string readTimeout = "Таймаут устройства! Ошибка чтения параметров регистратора!"_cp1251;
  const std::string readError = "Ошибка чтения параметров регистратора!"_cp1251;
  const std::string writeTimeout =
      "Таймаут устройства! Ошибка установки параментров регистратора!"_cp1251;
  const std::string writeError = "Ошибка установки параментров регистратора"_cp1251;
  const StepCase cases[] = {
      {read, 0, "0000", std::nullopt},
      {read, CR_NO_ANSWER, "0000", readTimeout},
      {read, 0, "0006", readError},
      {read, CR_REJECTED, "0000", readError},  // a NAK with the code of an earlier answer
      {read, CR_BAD_CHECKSUM, "0000", readError},
      {write, 0, "0000", std::nullopt},
      {write, CR_NO_ANSWER, "", writeTimeout},
      {write, 0, "0007", writeError},
      {write, CR_REJECTED, "0000", writeError},
      {write, CR_BAD_CHECKSUM, "0000", writeError},
  };
  for (const auto& c : cases) {
    const Answer answer(c.flags, c.code);
    EXPECT_EQ(stepFailure(c.step, answer.result), c.failure)
        << static_cast<int>(c.step) << ' ' << c.flags << ' ' << c.code;
  }
}

struct ParamsCase {
  std::vector<std::string> fields;  // the 28h answer's, speed first
  std::optional<RegisterParams> params;
  std::string error;
};

TEST(ReadRegisterParams, ReadsFieldsOneAndSixAsDecimalTheOthersAsHex) {
  const ParamsCase cases[] = {
      {{"9600", "1", "1A", "02", "00", "10", "05"}, RegisterParams{1, 0x1A, 2, 0, 0x10, 5}, ""},
      {{"9600", "12", "001A", " 2", "0x1F", "zz", "7"}, RegisterParams{12, 0x1A, 2, 0x1F, 0, 7}, ""},
      // Hex fields missing read as 0; the decimal field 6 missing fails.
      {{"9600", "1"}, std::nullopt, "'' is not a valid integer value"},
      {{"9600", "1A", "1", "1", "1", "1", "1"}, std::nullopt, "'1A' is not a valid integer value"},
      {{"9600", "1", "1", "1", "1", "1", " 5"}, std::nullopt, "' 5' is not a valid integer value"},
      {{"9600", "3", "1", "1", "1", "1", "7", "extra"}, RegisterParams{3, 1, 1, 1, 1, 7}, ""},
  };
  for (const auto& c : cases) {
    const Answer answer(0, "0000", c.fields);
    std::string error = "stale";
    EXPECT_EQ(readRegisterParams(answer.result, error), c.params) << c.fields[1];
    EXPECT_EQ(error, c.error);
  }
}

}  // namespace
}  // namespace cli
