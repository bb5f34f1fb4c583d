#include "wine_ports.h"

#include <cstdlib>
#include <sstream>

namespace wine_test {

std::vector<RegisterPort> registerPorts() {
  std::vector<RegisterPort> ports;
  const char* list = std::getenv("SPEEDCONF_WINE_PORTS");
  std::istringstream words(list != nullptr ? list : "");
  for (std::string word; words >> word;) {
    const auto equals = word.find('=');
    const auto colon = word.find(':', equals);
    if (equals == std::string::npos || colon == std::string::npos) continue;
    ports.push_back({word.substr(0, equals), word.substr(equals + 1, colon - equals - 1),
                     std::atoi(word.c_str() + colon + 1)});
  }
  return ports;
}

std::optional<RegisterPort> registerPort(const std::string& role) {
  for (RegisterPort& port : registerPorts()) {
    if (port.role == role) return port;
  }
  return std::nullopt;
}

}  // namespace wine_test
