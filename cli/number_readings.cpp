#include "cli/number_readings.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>

namespace cli {

namespace {

int hexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

}  // namespace

std::optional<int> readDecimal(std::string_view text) {
  // from_chars takes no "+", but the strict reading does.
  if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value, 10);
  if (error != std::errc{} || stop != end) return std::nullopt;
  return value;
}

int readHexLenient(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size() && isBlank(text[pos])) ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
  if (pos + 1 < text.size() && text[pos] == '0' && (text[pos + 1] == 'x' || text[pos + 1] == 'X') &&
      pos + 2 < text.size() && hexDigitValue(text[pos + 2]) >= 0) {
    pos += 2;
  }
  constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<int>::max()} + 1;
  std::int64_t magnitude = 0;
  for (; pos < text.size() && hexDigitValue(text[pos]) >= 0; ++pos) {
    magnitude = std::min(magnitude * 16 + hexDigitValue(text[pos]), kLimit);
  }
  if (negative) return static_cast<int>(-magnitude);
  return static_cast<int>(std::min(magnitude, kLimit - 1));
}

}  // namespace cli
