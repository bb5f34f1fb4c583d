#pragma once

#include <optional>
#include <string>

// The name under which `value` is taken as a port name on the platform `platformId`, or nothing
// when it is not one:
// - Windows families: "com" in any case and a port number written plainly (no sign, spaces or
//   leading zeros, so that the name opens as it stands), 1..256 on NT and 1..9 on the 95
//   family; stored upper-cased.
// - elsewhere: a name that `listSerialPortNames()` yields, or "pts/N"; case kept. Either way a
//   single name inside the device folder, so nothing outside it opens.
std::optional<std::string> acceptedPortName(const std::string& value, int platformId);
