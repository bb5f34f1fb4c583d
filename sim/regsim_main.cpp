// regsim: starts simulated registers on pseudo-terminals, prints each port name on its own
// line and serves until SIGINT or SIGTERM.
#include <signal.h>

#include <CLI/CLI.hpp>
#include <iostream>
#include <map>
#include <memory>
#include <vector>

#include "platform/cp1251.h"
#include "sim/sim.h"

namespace {

const std::map<std::string, sim::Fault> kFaults = {
    {"none", sim::Fault::None},
    {"silent", sim::Fault::Silent},
    {"nak", sim::Fault::Nak},
    {"bad-checksum", sim::Fault::BadChecksum},
    {"error-code", sim::Fault::ErrorCode},
    {"syn", sim::Fault::SynBeforeAnswer},
    {"garbage", sim::Fault::GarbageBeforeFrame},
    {"slow", sim::Fault::SlowAnswer},
    {"vanish", sim::Fault::VanishMidAnswer},
};

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"Simulated fiscal registers on pseudo-terminals"};
  sim::RegisterConfig config;
  std::string model;
  sim::Fault fault = sim::Fault::None;
  int count = 1, busy = 0, silentPorts = 0;
  bool demo = false;
  app.add_option("--speed", config.speed, "line speed the register answers at")->capture_default_str();
  app.add_option("--model", model, "model name (UTF-8)");
  app.add_option("--fault", fault, "misbehaviour")->transform(CLI::CheckedTransformer(kFaults, CLI::ignore_case));
  app.add_option("--error-code", config.errorCode, "result code for --fault error-code")->capture_default_str();
  app.add_option("--password", config.password, "the register's access password")->capture_default_str();
  app.add_option("--count", count, "number of such registers")->check(CLI::Range(0, 64))->capture_default_str();
  app.add_option("--busy", busy, "also start this many busy ports")->check(CLI::Range(0, 64));
  app.add_option("--silent", silentPorts, "also start this many silent ports")->check(CLI::Range(0, 64));
  app.add_flag("--demo", demo, "start the demonstration set instead");
  CLI11_PARSE(app, argc, argv);
  if (!model.empty()) config.identity[0] = platform::cp1251::fromUtf8(model);
  config.fault = fault;

  // Blocked before any serving thread starts, so only sigwait below takes them.
  sigset_t stopSignals;
  sigemptyset(&stopSignals);
  sigaddset(&stopSignals, SIGINT);
  sigaddset(&stopSignals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

  try {
    std::unique_ptr<sim::DemoSet> demoSet;
    std::vector<std::unique_ptr<sim::SimulatedRegister>> registers;
    std::vector<std::unique_ptr<sim::BusyPort>> busyPorts;
    std::vector<std::unique_ptr<sim::SilentPort>> silent;
    std::vector<std::string> names;
    if (demo) {
      demoSet = std::make_unique<sim::DemoSet>();
      names = demoSet->portNames();
    } else {
      for (int i = 0; i < count; ++i) names.push_back(registers.emplace_back(std::make_unique<sim::SimulatedRegister>(config))->portName());
      for (int i = 0; i < busy; ++i) names.push_back(busyPorts.emplace_back(std::make_unique<sim::BusyPort>())->portName());
      for (int i = 0; i < silentPorts; ++i) names.push_back(silent.emplace_back(std::make_unique<sim::SilentPort>())->portName());
    }
    for (const auto& name : names) std::cout << name << '\n';
    std::cout.flush();
    int signal = 0;
    sigwait(&stopSignals, &signal);
  } catch (const std::exception& error) {
    std::cerr << "regsim: " << error.what() << '\n';
    return 1;
  }
  return 0;
}
