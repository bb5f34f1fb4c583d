#include "cli/port_argument.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace cli {
namespace {

struct PortCase {
  std::string_view argument;
  std::string_view name;  // empty: refused
};

TEST(PortNameFromArgument, TakesNamesAndDevicePathsRefusesTheRest) {
  const PortCase cases[] = {
      {"ttyUSB0", "ttyUSB0"},
      {"pts/3", "pts/3"},
      {"/dev/ttyS1", "ttyS1"},
      {"/dev/pts/12", "pts/12"},
      {"abcdefghijklmnopqrstuvwxyz0", "abcdefghijklmnopqrstuvwxyz0"},  // 27, the longest
      {"abcdefghijklmnopqrstuvwxyz01", ""},
      {"", ""},
      {"/dev/", ""},
      {"/tmp/ttyS0", ""},
      {"/dev/../etc/passwd", ""},
      {"../ttyS0", ""},
      {"pts/../../x", ""},
      {"pts//3", ""},
      {"pts/", ""},
      {"./ttyS0", ""},
      {"tty S0", ""},
      {"ttyS0\n", ""},
  };
  for (const auto& c : cases) {
    std::string error;
    const auto name = portNameFromArgument(c.argument, "/dev/", error);
    if (c.name.empty()) {
      EXPECT_FALSE(name.has_value()) << '"' << c.argument << '"';
      EXPECT_NE(error.find(std::string(c.argument)), std::string::npos) << error;
    } else {
      EXPECT_EQ(name, std::string(c.name));
      EXPECT_EQ(error, "");
    }
  }
}

}  // namespace
}  // namespace cli
