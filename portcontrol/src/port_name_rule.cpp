#include "portcontrol/port_name_rule.h"

#include <algorithm>

#include "platform/ascii_case.h"
#include "platform/platform_id.h"
#include "platform/port_device_class.h"

namespace {

// "\\.\" or "/dev/" and the name must fit the 32-byte device name buffer of the link.
constexpr std::size_t kMaxPortNameLength = 27;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A number written plainly: digits only, no leading zero; nothing when it is not, or too long.
std::optional<int> plainNumber(const std::string& text) {
  if (text.empty() || text.size() > 4 || !std::all_of(text.begin(), text.end(), isDigit)) return {};
  if (text.size() > 1 && text[0] == '0') return {};
  return std::stoi(text);
}

std::optional<std::string> windowsName(const std::string& value, int highest) {
  std::string upper = value;
  std::transform(upper.begin(), upper.end(), upper.begin(), platform::asciiUpper);
  if (upper.rfind("COM", 0) != 0) return {};
  const std::optional<int> number = plainNumber(upper.substr(3));
  if (!number || *number < 1 || *number > highest) return {};
  return upper;
}

bool isPseudoTerminal(const std::string& value) {
  return value.rfind("pts/", 0) == 0 && plainNumber(value.substr(4)).has_value();
}

// A name of one entry of the device folder: no separator, not "." or "..".
bool isSingleName(const std::string& value) {
  return !value.empty() && value != "." && value != ".." &&
         value.find('/') == std::string::npos && value.find('\\') == std::string::npos;
}

}  // namespace

std::optional<std::string> acceptedPortName(const std::string& value, int platformId) {
  if (platformId == platform::kPlatformWindowsNT) return windowsName(value, 256);
  if (platformId == platform::kPlatformWindows95) return windowsName(value, 9);
  if (value.size() > kMaxPortNameLength) return {};
  if (isPseudoTerminal(value)) return value;
  if (!isSingleName(value)) return {};
  const std::vector<std::string> listed = platform::listSerialPortNames();
  if (std::find(listed.begin(), listed.end(), value) == listed.end()) return {};
  return value;
}
