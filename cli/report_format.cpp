#include "cli/report_format.h"

#include <algorithm>
#include <array>

#include "platform/cp1251.h"

namespace cli {

using platform::cp1251::toUtf8;
using namespace platform::cp1251::literals;

namespace {

// The window's labels: the port, the eleven identity fields in answer order, the speed.
const char* const kPortLabel = "Последовательный порт:"_cp1251;
const std::array<const char*, kIdentityFieldCount> kFieldLabels = {
    "Модель:"_cp1251,
    "Версия:"_cp1251,
    "Страна:"_cp1251,
    "Дата создания версии:"_cp1251,
    "Максимальное кол-во товаров:"_cp1251,
    "Максимальное кол-во чеков:"_cp1251,
    "Всего памяти под логотип:"_cp1251,
    "Max размер логотипа по X:"_cp1251,
    "Ширина ленты в символах:"_cp1251,
    "Кол-во ставок налогов:"_cp1251,
    "Кол-во форм оплаты:"_cp1251,
};
const char* const kSpeedLabel = "Скорость:"_cp1251;

// A multi-line register message on one line of a table.
std::string oneLine(std::string text) {
  std::replace(text.begin(), text.end(), '\n', ' ');
  text.erase(std::unique(text.begin(), text.end(),
                         [](char a, char b) { return a == ' ' && b == ' '; }),
             text.end());
  return text;
}

std::string padded(std::string text, std::size_t width) {
  if (text.size() < width) text.append(width - text.size(), ' ');
  return text;
}

}  // namespace

std::string_view outcomeName(Outcome outcome) {
  switch (outcome) {
    case Outcome::Found: return "found";
    case Outcome::Incorrect: return "incorrect";
    case Outcome::Busy: return "busy";
    case Outcome::Silent: return "silent";
  }
  return "silent";
}

nlohmann::json portJson(const PortReport& report) {
  nlohmann::json json{{"port", report.port}, {"outcome", outcomeName(report.outcome)}};
  if (report.outcome == Outcome::Found) {
    json["speed"] = report.speed;
    auto& fields = json["fields"] = nlohmann::json::array();
    for (const auto& field : report.fields) fields.push_back(toUtf8(field));
  } else if (report.outcome == Outcome::Incorrect) {
    json["speed"] = report.speed;
    json["error_code"] = toUtf8(report.errorCode);
    json["message"] = toUtf8(report.message);
  }
  return json;
}

nlohmann::json scanJson(const std::vector<PortReport>& reports) {
  auto ports = nlohmann::json::array();
  for (const auto& report : reports) ports.push_back(portJson(report));
  return {{"ports", std::move(ports)}};
}

nlohmann::json speedChangeJson(const SpeedChangeReport& report) {
  nlohmann::json json{
      {"port", report.port}, {"speed", report.speed}, {"to", report.to}, {"ok", report.ok}};
  if (!report.ok) json["message"] = toUtf8(report.message);
  return json;
}

std::string dumpJson(const nlohmann::json& json) {
  return json.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

std::string scanText(const std::vector<PortReport>& reports) {
  std::size_t portWidth = 4;
  for (const auto& report : reports) portWidth = std::max(portWidth, report.port.size());
  std::string text = padded("PORT", portWidth + 2) + "OUTCOME    SPEED   REGISTER\n";
  for (const auto& report : reports) {
    std::string line = padded(report.port, portWidth + 2) +
                       padded(std::string(outcomeName(report.outcome)), 11);
    if (registerAnswered(report)) line += padded(std::to_string(report.speed), 8);
    if (report.outcome == Outcome::Found) line += toUtf8(report.fields[0]);
    if (report.outcome == Outcome::Incorrect) {
      line += toUtf8(report.errorCode) + " " + toUtf8(oneLine(report.message));
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    text += line + '\n';
  }
  return text;
}

std::string infoText(const PortReport& report) {
  // Labels are padded by characters, not bytes: in code page 1251 one byte is one character.
  std::size_t width = std::string_view(kPortLabel).size();
  for (const char* label : kFieldLabels) width = std::max(width, std::string_view(label).size());
  const auto line = [width](const char* label, const std::string& value) {
    return toUtf8(padded(label, width + 1) + value) + '\n';
  };
  std::string text = line(kPortLabel, report.port) + line(kSpeedLabel, std::to_string(report.speed));
  for (std::size_t i = 0; i < kIdentityFieldCount; ++i) text += line(kFieldLabels[i], report.fields[i]);
  return text;
}

std::string attemptFailureText(const PortReport& report, int speed) {
  const std::string port = report.port + ": ";
  switch (report.outcome) {
    case Outcome::Busy:
      return port + "the port cannot be opened (absent, or held by another process)\n";
    case Outcome::Incorrect:
      return port + "the register answered incorrectly at " + std::to_string(speed) + " baud: " +
             toUtf8(report.errorCode) + " " + toUtf8(oneLine(report.message)) + '\n';
    case Outcome::Silent:
    case Outcome::Found:
      break;
  }
  return port + "no answer at " + std::to_string(speed) + " baud\n";
}

std::string speedChangeText(const SpeedChangeReport& report) {
  std::string text = report.port + ": " + std::to_string(report.speed) + " -> " +
                     std::to_string(report.to) + " ";
  text += report.ok ? "done" : toUtf8(oneLine(report.message));
  return text + '\n';
}

}  // namespace cli
