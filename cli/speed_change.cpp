#include "cli/speed_change.h"

#include <cstring>

#include "cli/number_readings.h"
#include "platform/cp1251.h"

namespace cli {

using namespace platform::cp1251::literals;

namespace {

struct StepMessages {
  const char* noAnswer;
  const char* refused;
};

// The window's messages, typing errors included: scripts may already match them.
constexpr StepMessages kStepMessages[] = {
    {"Таймаут устройства! Ошибка чтения параметров регистратора!"_cp1251,
     "Ошибка чтения параметров регистратора!"_cp1251},
    {"Таймаут устройства! Ошибка установки параментров регистратора!"_cp1251,
     "Ошибка установки параментров регистратора"_cp1251},
};
const char* const kOpenFailed = "Ошибка программы"_cp1251;

// How each of the 28h answer's fields 1 to 6 is read.
enum class Reading { StrictDecimal, LenientHex };
constexpr Reading kParamReadings[] = {Reading::StrictDecimal, Reading::LenientHex,
                                      Reading::LenientHex,    Reading::LenientHex,
                                      Reading::LenientHex,    Reading::StrictDecimal};

const char* fieldText(const reglink::TCommandResult& answer, int index) {
  return index < answer.FieldCount && answer.Fields[index] ? answer.Fields[index] : "";
}

}  // namespace

std::optional<RegisterParams> readRegisterParams(const reglink::TCommandResult& answer,
                                                 std::string& error) {
  RegisterParams params{};
  for (std::size_t i = 0; i < params.size(); ++i) {
    const std::string_view text = fieldText(answer, static_cast<int>(i) + 1);
    if (kParamReadings[i] == Reading::LenientHex) {
      params[i] = readHexLenient(text);
      continue;
    }
    const std::optional<int> value = readDecimal(text);
    if (!value) {
      error = "'" + std::string(text) + "' is not a valid integer value";
      return std::nullopt;
    }
    params[i] = *value;
  }
  error.clear();
  return params;
}

std::optional<std::string> stepFailure(SpeedChangeStep step, const reglink::TCommandResult& answer) {
  const StepMessages& messages = kStepMessages[static_cast<int>(step)];
  if (answer.Flags & reglink::CR_NO_ANSWER) return messages.noAnswer;
  // The window looked at the code alone; a NAK or a corrupted answer is no success either.
  const bool sound = !(answer.Flags & (reglink::CR_REJECTED | reglink::CR_BAD_CHECKSUM)) &&
                     std::strcmp(answer.ErrorCode, "0000") == 0;
  if (!sound) return messages.refused;
  return std::nullopt;
}

SpeedChangeReport changeSpeed(reglink::RegisterLink& link, const std::string& port, int speed,
                              int to, const std::string& password,
                              const ExchangeObserver& onExchange) {
  SpeedChangeReport report{port, speed, to, false, {}};
  LinkSession session(link, port, speed, onExchange);
  if (!session.isOpen()) {
    report.message = kOpenFailed;
    return report;
  }
  const reglink::TCommandResult& read = session.registerParams(password);
  if (auto failure = stepFailure(SpeedChangeStep::ReadParams, read)) {
    report.message = *failure;
    return report;
  }
  const std::optional<RegisterParams> params = readRegisterParams(read, report.message);
  if (!params) return report;
  const reglink::TCommandResult& written = session.setRegisterParams(password, to, *params);
  if (auto failure = stepFailure(SpeedChangeStep::WriteParams, written)) {
    report.message = *failure;
    return report;
  }
  report.ok = true;
  return report;
}

}  // namespace cli
