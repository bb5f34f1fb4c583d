#include "cli/number_readings.h"

#include <gtest/gtest.h>

#include <optional>
#include <string_view>

namespace cli {
namespace {

struct DecimalCase {
  std::string_view text;
  std::optional<int> value;
};

TEST(ReadDecimal, AcceptsOnlyTextThatIsWhollyTheNumber) {
  const DecimalCase cases[] = {
      {"9600", 9600},     {"0", 0},         {"-5", -5},       {"+7", 7},
      {"05", 5},          {"2147483647", 2147483647},         {"", std::nullopt},
      {" 5", std::nullopt}, {"5 ", std::nullopt}, {"12a", std::nullopt}, {"0x10", std::nullopt},
      {"+", std::nullopt}, {"-", std::nullopt}, {"+-5", std::nullopt}, {"1.5", std::nullopt},
      {"2147483648", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(readDecimal(c.text), c.value) << '"' << c.text << '"';
}

struct HexCase {
  std::string_view text;
  int value;
};

TEST(ReadHexLenient, SkipsBlanksTakesSignAndPrefixStopsAtFirstNonDigit) {
  const HexCase cases[] = {
      {"1A", 0x1A},   {"001a", 0x1A},  {"  ff", 0xFF}, {"0x10", 0x10},  {"0X10", 0x10},
      {"-1A", -0x1A}, {"+2", 2},       {"12;", 0x12},  {"1G2", 1},      {"", 0},
      {"zz", 0},      {"0x", 0},       {"-", 0},       {"1AB", 0x1AB},  {"7FFFFFFF", 0x7FFFFFFF},
      {"FFFFFFFFFF", 0x7FFFFFFF},      {"-FFFFFFFFFF", -0x7FFFFFFF - 1},
  };
  for (const auto& c : cases) EXPECT_EQ(readHexLenient(c.text), c.value) << '"' << c.text << '"';
}

}  // namespace
}  // namespace cli
