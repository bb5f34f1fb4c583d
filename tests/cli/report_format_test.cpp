#include "cli/report_format.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/cp1251.h"

namespace cli {
namespace {

using namespace platform::cp1251::literals;

PortReport report(std::string port, Outcome outcome, int speed = 0) {
  PortReport result;
  result.port = std::move(port);
  result.outcome = outcome;
  result.speed = speed;
  return result;
}

PortReport found(std::string port, int speed, std::string model) {
  PortReport result = report(std::move(port), Outcome::Found, speed);
  result.fields = {model, "1.0", "RU", "01.02.2003", "500", "100", "4096", "320", "48", "4", "6"};
  return result;
}

PortReport incorrect(std::string port, int speed, std::string code, std::string message) {
  PortReport result = report(std::move(port), Outcome::Incorrect, speed);
  result.errorCode = std::move(code);
  result.message = std::move(message);
  return result;
}

SpeedChangeReport speedChange(bool ok, std::string message = {}) {
  return {"pts/3", 9600, 38400, ok, std::move(message)};
}

const std::vector<PortReport> kMixed = {
    found("pts/3", 19200, "Регистратор-5"_cp1251),
    incorrect("pts/4", 4800, "0006", "Invalid password!"),
    report("pts/5", Outcome::Busy),
    report("pts/6", Outcome::Silent),
};

TEST(ReportFormat, ScanJsonKeepsPortOrderAndEachOutcomesShapeInUtf8) {
  EXPECT_EQ(dumpJson(scanJson(kMixed)),
            R"({"ports":[)"
            R"({"fields":["Регистратор-5","1.0","RU","01.02.2003","500","100","4096","320","48","4","6"],)"
            R"("outcome":"found","port":"pts/3","speed":19200},)"
            R"({"error_code":"0006","message":"Invalid password!","outcome":"incorrect","port":"pts/4","speed":4800},)"
            R"({"outcome":"busy","port":"pts/5"},)"
            R"({"outcome":"silent","port":"pts/6"}]})");
}

TEST(ReportFormat, RegisterMessagesKeepTheirLineBreaksInJsonButNotInTables) {
  const PortReport memoryError = incorrect(
      "ttyS1", 9600, "0105", "Ошибка фискальной памяти!\n Writing error in fiscal memory!"_cp1251);
  EXPECT_EQ(portJson(memoryError)["message"],
            "Ошибка фискальной памяти!\n Writing error in fiscal memory!");
  EXPECT_EQ(scanText({memoryError}),
            "PORT   OUTCOME    SPEED   REGISTER\n"
            "ttyS1  incorrect  9600    0105 Ошибка фискальной памяти! Writing error in fiscal memory!\n");
}

TEST(ReportFormat, ScanTextHasALinePerPortInOrder) {
  EXPECT_EQ(scanText(kMixed),
            "PORT   OUTCOME    SPEED   REGISTER\n"
            "pts/3  found      19200   Регистратор-5\n"
            "pts/4  incorrect  4800    0006 Invalid password!\n"
            "pts/5  busy\n"
            "pts/6  silent\n");
}

TEST(ReportFormat, InfoShowsEveryFieldUnderTheWindowsLabel) {
  EXPECT_EQ(infoText(found("pts/3", 9600, "Регистратор-5"_cp1251)),
            "Последовательный порт:       pts/3\n"
            "Скорость:                    9600\n"
            "Модель:                      Регистратор-5\n"
            "Версия:                      1.0\n"
            "Страна:                      RU\n"
            "Дата создания версии:        01.02.2003\n"
            "Максимальное кол-во товаров: 500\n"
            "Максимальное кол-во чеков:   100\n"
            "Всего памяти под логотип:    4096\n"
            "Max размер логотипа по X:    320\n"
            "Ширина ленты в символах:     48\n"
            "Кол-во ставок налогов:       4\n"
            "Кол-во форм оплаты:          6\n");
}

TEST(ReportFormat, SpeedChangeJsonCarriesTheMessageOnlyOnFailure) {
  EXPECT_EQ(dumpJson(speedChangeJson(speedChange(true))),
            R"({"ok":true,"port":"pts/3","speed":9600,"to":38400})");
  const SpeedChangeReport failed =
      speedChange(false, "Ошибка установки параментров регистратора"_cp1251);
  EXPECT_EQ(dumpJson(speedChangeJson(failed)),
            R"({"message":"Ошибка установки параментров регистратора","ok":false,"port":"pts/3","speed":9600,"to":38400})");
  EXPECT_EQ(speedChangeText(failed), "pts/3: 9600 -> 38400 Ошибка установки параментров регистратора\n");
}

TEST(ReportFormat, JsonNeverFailsOnBytesThatAreNotUtf8) {
  EXPECT_EQ(dumpJson({{"port", std::string("tty\xFF")}}), "{\"port\":\"tty\xEF\xBF\xBD\"}");
}

}  // namespace
}  // namespace cli
