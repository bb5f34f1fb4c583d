#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "link/reglink.h"
#include "platform/cp1251.h"

namespace {

using namespace platform::cp1251::literals;

struct NameCase {
  int command;
  const char* name;
};

TEST(CommandName, NamesDefinedCodesAndRefusesTheRest) {
  const char* invalid = "Неверная команда"_cp1251;
  const NameCase cases[] = {
      {0x80, "Команда 80h: Диагностическая информация"_cp1251},
      {0x27, "Команда 27h: Программирование параметров регистратора"_cp1251},
      {0x28, "Команда 28h: Получение параметров регистратора"_cp1251},
      {0x20, "Команда 20h: Установка даты и времени"_cp1251},
      {0xA3, "Команда A3h: Печать периодического отчета"_cp1251},
      {0x65, "Команда 65h: Закрытие  фискального чека"_cp1251},
      {0x2A, invalid}, {0x5F, invalid}, {0x1F, invalid}, {0xA4, invalid},
      {0xFF, invalid}, {0x100, invalid}, {-1, invalid}, {0x180, invalid},
  };
  for (const NameCase& c : cases) EXPECT_STREQ(reglink::CommandName(c.command), c.name) << std::hex << c.command;
}

TEST(CommandName, Defines49CommandsEachNamingItsOwnCode) {
  const char* invalid = reglink::CommandName(-1);
  int defined = 0;
  for (int code = 0x20; code <= 0xA3; ++code) {
    const char* name = reglink::CommandName(code);
    if (name == invalid) continue;
    ++defined;
    char prefix[32];
    std::snprintf(prefix, sizeof prefix, "%s %02Xh: ", "Команда"_cp1251, code);
    EXPECT_EQ(std::strncmp(name, prefix, std::strlen(prefix)), 0) << name;
  }
  EXPECT_EQ(defined, 49);
}

struct ErrorCase {
  const char* code;
  bool success;
  std::string text;
};

reglink::TCommandResult WithCode(const char* code, std::uint32_t flags = 0) {
  reglink::TCommandResult result{};
  std::snprintf(result.ErrorCode, sizeof result.ErrorCode, "%s", code);
  result.Flags = flags;
  return result;
}

TEST(ComposeErrorText, MessagesByClassAndDetail) {
  const ErrorCase cases[] = {
      {"0000", true, ""},
      {"0000 and more", true, ""},
      {"0100", false, ""},
      {"0001", false, "Equipment error!\n Unknown error!"},
      {"0701", false, "Equipment error!\n Power down error!"},
      {"0801", false, "Equipment error!\n Unknown error!"},
      {"0002", false, "Invalid command code!\n "},
      {"0A03", false, "Invalid format field num. 10!"},
      {"FF04", false, "Value of field number 255 outside the scope!"},
      {"0105", false, std::string("Ошибка фискальной памяти!\n "_cp1251) + "Writing error in fiscal memory!"},
      {"0305", false,
       std::string("Ошибка фискальной памяти!\n "_cp1251) +
           "The date of current record of Fiscal Memory older \n  than previous record!"},
      {"0805", false, std::string("Ошибка фискальной памяти!\n "_cp1251) + "Unknown error!"},
      {"0006", false, "Invalid password!"},
      {"0506", false, "Invalid password!"},
      {"0007", false, "Command can't be executed in current fiscal printer mode!"},
      {"0107", false, "Command can't be executed when day is opened/unopened!"},
      {"0207", false, ""},
      {"0008", false, "Arithmetic overflow during command execution!"},
      {"0009", false, "Is not clear!"},
      {"050A", false, "Goods database operation error!\n Disabled tax group!"},
      {"060A", false, "Goods database operation error!\n Unknown error!"},
      {"0B0B", false, "Selling errors!\n Discount is outside the valid limits !"},
      {"0E0B", false, "Selling errors!\n Arithmetic overflow in payments!"},
      {"0F0B", false, "Selling errors!\n Unknown error!"},
      {"000C", false, "Temporary buffer error!\nInvalid buffer header!"},
      {"010C", false, "Temporary buffer error!\nData are not compatible with previous records!"},
      {"020C", false, "Temporary buffer error!\nUnknown error!"},
      {"000D", false, ""},
      {"00FF", false, ""},
      // Not four upper-case hexadecimal digits: a definite failure.
      {"000a", false, "Invalid answer code!"},
      {"00 0", false, "Invalid answer code!"},
      {"000", false, "Invalid answer code!"},
      {"", false, "Invalid answer code!"},
  };
  for (const ErrorCase& c : cases) {
    std::string text = "stale";
    EXPECT_EQ(reglink::ComposeErrorText(text, WithCode(c.code)), c.success) << c.code;
    EXPECT_EQ(text, c.text) << c.code;
  }
}

TEST(ComposeErrorText, NoAnswerWinsOverAnyCodeAndOtherFlagsPlayNoPart) {
  std::string text;
  EXPECT_FALSE(reglink::ComposeErrorText(text, WithCode("0000", reglink::CR_NO_ANSWER)));
  EXPECT_EQ(text, "Device timeout! Error!");
  EXPECT_TRUE(reglink::ComposeErrorText(text, WithCode("0000", reglink::CR_REJECTED | reglink::CR_S0_BIT0)));
  EXPECT_EQ(text, "");
}

}  // namespace
