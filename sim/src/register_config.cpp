#include "sim/register_config.h"

#include "platform/cp1251.h"

namespace sim {

using namespace platform::cp1251::literals;

std::array<std::string, 11> RegisterConfig::defaultIdentity() {
  return {"ФП-Демо"_cp1251, "3.01", "Россия"_cp1251, "15.03.2024", "10000", "50000",
          "65536",          "384",  "48",            "6",          "4"};
}

}  // namespace sim
