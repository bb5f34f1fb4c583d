#include "register_logic.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace sim {

namespace {

constexpr int kSpeeds[] = {4800, 9600, 19200, 38400, 57600, 115200};

// Result codes: detail in the first two hexadecimal digits, class in the last two.
std::string code(int detail, int errorClass) {
  char text[8];
  std::snprintf(text, sizeof text, "%02X%02X", detail & 0xFF, errorClass & 0xFF);
  return text;
}
const std::string kInvalidCommand = code(0, 2);
const std::string kInvalidPassword = code(0, 6);

std::vector<std::string> fieldsOf(const std::string& text) {
  std::vector<std::string> fields;
  std::size_t from = 0;
  for (std::size_t end; (end = text.find(';', from)) != std::string::npos; from = end + 1) {
    fields.push_back(text.substr(from, end - from));
  }
  return fields;
}

bool readNumber(const std::string& field, int base, int& value) {
  if (field.empty()) return false;
  char* end = nullptr;
  const long number = std::strtol(field.c_str(), &end, base);
  if (*end != '\0' || number < 0 || number > 0x7FFFFFFF) return false;
  value = static_cast<int>(number);
  return true;
}

std::string parameterFields(int speed, const std::array<int, 6>& p) {
  char text[128];
  std::snprintf(text, sizeof text, "%i;%i;%04X;%02X;%02X;%02X;%02i;", speed, p[0], p[1], p[2], p[3], p[4], p[5]);
  return text;
}

// 27h: speed and parameter 1 in decimal, 2..5 in hexadecimal, 6 in decimal.
Reply setParameters(const std::vector<std::string>& fields, RegisterConfig& config) {
  constexpr int kBase[7] = {10, 10, 16, 16, 16, 16, 10};
  int values[7] = {};
  for (int i = 0; i < 7; ++i) {
    const auto index = static_cast<std::size_t>(i + 1);  // after the password
    if (index >= fields.size() || !readNumber(fields[index], kBase[i], values[i])) return {code(i + 1, 3), {}, 0};
  }
  bool known = false;
  for (int speed : kSpeeds) known = known || speed == values[0];
  if (!known) return {code(1, 4), {}, 0};
  for (std::size_t i = 0; i < 6; ++i) config.params[i] = values[i + 1];
  return {code(0, 0), {}, values[0]};
}

}  // namespace

Reply answerRequest(const Request& request, RegisterConfig& config, int currentSpeed) {
  const auto fields = fieldsOf(request.text);
  if (fields.empty() || fields[0] != config.password) return {kInvalidPassword, {}, 0};
  switch (request.command) {
    case 0x80: {
      std::string data;
      for (const auto& field : config.identity) data += field + ';';
      return {code(0, 0), data, 0};
    }
    case 0x28: return {code(0, 0), parameterFields(currentSpeed, config.params), 0};
    case 0x27: return setParameters(fields, config);
    default: return {kInvalidCommand, {}, 0};
  }
}

}  // namespace sim
