#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace cli {

// The longest port name the link can open: its device name buffer holds the prefix and 27 more.
inline constexpr std::size_t kMaxPortNameLength = 27;

// A port as the user gives it, either its own name ("ttyUSB0", "pts/3") or its path in the
// device name space (`devicePrefix` + name, e.g. "/dev/ttyUSB0"), turned into the name the link
// opens. Anything that could reach outside the device name space ("..", another absolute path)
// is refused; on refusal `error` says why and the result is empty.
std::optional<std::string> portNameFromArgument(std::string_view argument,
                                                std::string_view devicePrefix, std::string& error);

}  // namespace cli
