#include "sim/demo_set.h"

#include "platform/cp1251.h"

namespace sim {

namespace {

using namespace platform::cp1251::literals;

RegisterConfig demoRegister(int speed, const char* model, const char* version) {
  RegisterConfig config;
  config.speed = speed;
  config.identity[0] = model;
  config.identity[1] = version;
  return config;
}

}  // namespace

DemoSet::DemoSet() {
  registers_.push_back(std::make_unique<SimulatedRegister>(demoRegister(9600, "ФП-Мини 02"_cp1251, "2.14")));
  registers_.push_back(std::make_unique<SimulatedRegister>(demoRegister(38400, "Экспресс-Ф 5"_cp1251, "4.02")));
  // Set up with another password, it answers "0006" to the tool's.
  RegisterConfig incorrect = demoRegister(19200, "Кассир-К 3"_cp1251, "1.07");
  incorrect.password = "000000";
  registers_.push_back(std::make_unique<SimulatedRegister>(incorrect));
}

std::vector<std::string> DemoSet::portNames() const {
  std::vector<std::string> names;
  for (const auto& r : registers_) names.push_back(r->portName());
  names.push_back(busy_.portName());
  names.push_back(silent_.portName());
  return names;
}

}  // namespace sim
