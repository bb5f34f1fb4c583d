#include "cli/port_argument.h"

#include <algorithm>

namespace cli {

namespace {

bool isNameCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
         c == '-' || c == '.' || c == '/';
}

// "pts/3" has one inner separator; a leading, trailing or doubled one, or a "." or ".."
// component, would name something other than a device under the prefix.
bool hasSoundComponents(std::string_view name) {
  std::size_t start = 0;
  while (true) {
    const std::size_t slash = name.find('/', start);
    const std::string_view part = name.substr(start, slash == std::string_view::npos ? slash : slash - start);
    if (part.empty() || part == "." || part == "..") return false;
    if (slash == std::string_view::npos) return true;
    start = slash + 1;
  }
}

}  // namespace

std::optional<std::string> portNameFromArgument(std::string_view argument,
                                                std::string_view devicePrefix, std::string& error) {
  std::string_view name = argument;
  if (!devicePrefix.empty() && name.starts_with(devicePrefix)) name.remove_prefix(devicePrefix.size());
  const std::string quoted = "\"" + std::string(argument) + "\"";
  if (name.empty()) {
    error = "empty port name " + quoted;
  } else if (!std::all_of(name.begin(), name.end(), isNameCharacter) || !hasSoundComponents(name)) {
    error = "not a port name: " + quoted;
  } else if (name.size() > kMaxPortNameLength) {
    error = "port name longer than " + std::to_string(kMaxPortNameLength) + " characters: " + quoted;
  } else {
    error.clear();
    return std::string(name);
  }
  return std::nullopt;
}

}  // namespace cli
