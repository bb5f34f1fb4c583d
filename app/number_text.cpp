#include "number_text.h"

#include <charconv>
#include <string>

namespace app {

std::int32_t strictDecimal(std::string_view text) {
  // from_chars takes no '+', so a plus sign is stepped over by hand (but not "+-1").
  std::string_view digits = text;
  if (digits.size() > 1 && digits.front() == '+' && digits[1] != '-') digits.remove_prefix(1);
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (digits.empty() || error != std::errc{} || end != digits.data() + digits.size()) {
    throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
  }
  return value;
}

namespace {
int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}
}  // namespace

std::int32_t lenientHex(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
  if (text.substr(pos, 2) == "0x" || text.substr(pos, 2) == "0X") pos += 2;
  std::uint32_t value = 0;  // wraps like the register's 32-bit fields
  for (; pos < text.size() && hexDigit(text[pos]) >= 0; ++pos) {
    value = value * 16 + static_cast<std::uint32_t>(hexDigit(text[pos]));
  }
  if (negative) value = 0u - value;
  return static_cast<std::int32_t>(value);
}

}  // namespace app
