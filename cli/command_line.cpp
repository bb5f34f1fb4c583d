#include "cli/command_line.h"

// GCC 12 sees a null dereference inside CLI11's own string splitting, which is sound.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnull-dereference"
#include <CLI/CLI.hpp>
#pragma GCC diagnostic pop

#include <algorithm>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "cli/demo_registers.h"
#include "cli/number_readings.h"
#include "cli/port_argument.h"
#include "cli/port_scan.h"
#include "cli/report_format.h"
#include "cli/scan_progress.h"
#include "cli/speed_change.h"
#include "cli/trace.h"
#include "link/reglink.h"
#include "platform/memory_port_device_class.h"
#include "platform/port_device_class.h"
#include "platform/serial_device.h"

namespace cli {

namespace {

// Bad usage or input found after parsing: a one-line message and exit status 2.
struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct GlobalOptions {
  bool json = false;
  bool trace = false;
  bool demo = false;
  std::string password = reglink::kRegisterPassword;
};

// Everything one run needs besides its command's own arguments.
class Run {
 public:
  Run(const GlobalOptions& options, std::ostream& out, std::ostream& err, bool errIsTerminal)
      : options_(options), out_(out), err_(err), errIsTerminal_(errIsTerminal), trace_(err) {
    checkPassword();
    if (options_.demo) demo_ = startDemoRegisters();
    if (options_.trace) {
      onExchange_ = [this](const std::string& port, auto sentAt, auto answeredAt,
                           const reglink::TCommandResult& result) {
        trace_.exchange(port, sentAt,
                        {result.RequestFrame, reglink::RequestFrameLength(result)}, answeredAt,
                        {result.RawAnswer, result.RawAnswerLength});
      };
    }
  }

  int ports();
  int scan(const std::vector<std::string>& arguments, bool sequential);
  int info(const std::string& argument, int speed);
  int setSpeed(const std::string& argument, int speed, int to);

 private:
  void checkPassword() const;
  std::vector<std::string> listedPorts() const;
  std::string portName(const std::string& argument) const;

  const GlobalOptions& options_;
  std::ostream& out_;
  std::ostream& err_;
  bool errIsTerminal_;
  TraceWriter trace_;
  ExchangeObserver onExchange_;
  std::unique_ptr<DemoRegisters> demo_;
};

void Run::checkPassword() const {
  // The password is the first field of every request: a ";" or a control byte would break the
  // frame, and the register's passwords are short.
  const std::string& password = options_.password;
  const bool sound = !password.empty() && password.size() <= 32 &&
                     std::all_of(password.begin(), password.end(),
                                 [](char c) { return c > ' ' && c < 0x7F && c != ';'; });
  if (!sound) throw UsageError("--password must be 1 to 32 printable characters without \";\"");
}

// The machine's ports as the enumeration lists them; in demo mode only the demo's, through the
// same path.
std::vector<std::string> Run::listedPorts() const {
  if (!demo_) return platform::listSerialPortNames();
  platform::MemoryPortDeviceClass demoClass(demo_->portNames());
  const platform::ScopedPortDeviceClass scoped(demoClass);
  return platform::listSerialPortNames();
}

std::string Run::portName(const std::string& argument) const {
  std::string error;
  std::optional<std::string> name =
      portNameFromArgument(argument, platform::deviceNamePrefix(), error);
  if (!name) throw UsageError(error);
  if (demo_) {
    const auto demoPorts = demo_->portNames();
    if (std::find(demoPorts.begin(), demoPorts.end(), *name) == demoPorts.end()) {
      throw UsageError("not a demo port: \"" + argument + "\" (--demo uses only its own ports)");
    }
  }
  return *name;
}

int Run::ports() {
  const std::vector<std::string> names = listedPorts();
  if (options_.json) {
    out_ << dumpJson({{"ports", names}}) << '\n';
  } else {
    for (const auto& name : names) out_ << name << '\n';
  }
  return names.empty() ? kExitNothingFound : kExitDone;
}

int Run::scan(const std::vector<std::string>& arguments, bool sequential) {
  std::vector<std::string> names;
  for (const auto& argument : arguments) {
    names.push_back(portName(argument));
    // A second link on the same port would only find it held by the first.
    if (std::count(names.begin(), names.end(), names.back()) > 1) {
      throw UsageError("port given twice: \"" + argument + "\"");
    }
  }
  if (names.empty()) names = listedPorts();
  if (names.empty()) {
    err_ << "speedconf-cli: no serial ports to scan\n";
    return kExitNothingFound;
  }

  ScanSettings settings;
  settings.password = options_.password;
  settings.onExchange = onExchange_;
  std::optional<ScanProgress> progress;
  if (errIsTerminal_ && !options_.trace) {
    progress.emplace(err_, names.size(), settings.speeds.size());
    settings.onAttempt = [&](const std::string& port, int attempt, int speed) {
      progress->attempt(port, attempt, speed);
    };
    settings.onPortDone = [&](const PortReport&) { progress->portDone(); };
  }
  const std::vector<PortReport> reports =
      scanPorts(platform::systemSerialPorts(), names, settings, !sequential);
  if (progress) progress->finish();

  out_ << (options_.json ? dumpJson(scanJson(reports)) + '\n' : scanText(reports));
  return std::any_of(reports.begin(), reports.end(), registerAnswered) ? kExitDone
                                                                      : kExitNothingFound;
}

int Run::info(const std::string& argument, int speed) {
  ScanSettings settings;
  const int speeds[] = {speed};
  settings.speeds = speeds;
  settings.password = options_.password;
  settings.onExchange = onExchange_;
  reglink::RegisterLink link(platform::systemSerialPorts());
  const PortReport report = scanPort(link, portName(argument), settings);

  if (options_.json) {
    out_ << dumpJson(portJson(report)) << '\n';
  } else if (report.outcome == Outcome::Found) {
    out_ << infoText(report);
  } else {
    err_ << "speedconf-cli: " << attemptFailureText(report, speed);
  }
  return report.outcome == Outcome::Found ? kExitDone : kExitNothingFound;
}

int Run::setSpeed(const std::string& argument, int speed, int to) {
  reglink::RegisterLink link(platform::systemSerialPorts());
  const SpeedChangeReport report =
      changeSpeed(link, portName(argument), speed, to, options_.password, onExchange_);
  if (options_.json) {
    out_ << dumpJson(speedChangeJson(report)) << '\n';
  } else {
    (report.ok ? out_ : err_) << speedChangeText(report);
  }
  return report.ok ? kExitDone : kExitNothingFound;
}

// Line speeds as the user types them: a whole decimal number above zero, nothing else.
const CLI::Validator kSpeed(
    [](std::string& text) -> std::string {
      const std::optional<int> speed = readDecimal(text);
      if (!speed) return "not a whole number: \"" + text + "\"";
      if (*speed <= 0) return "not a line speed: " + text;
      return {};
    },
    "BAUD");

// A parse error as one line, without CLI11's hint lines.
std::string firstLine(const std::string& text) { return text.substr(0, text.find('\n')); }

}  // namespace

int runCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
                   bool errIsTerminal) {
  CLI::App app{"speedconf-cli: finds fiscal registers on serial ports, shows what they are and "
               "changes their line speed.",
               "speedconf-cli"};
  app.fallthrough();  // the global options may also follow the command
  app.require_subcommand(1);
  GlobalOptions options;
  app.add_flag("--json", options.json, "Print results as JSON (UTF-8)");
  app.add_flag("--trace", options.trace, "Every request and answer as hex on standard error");
  app.add_flag("--demo", options.demo, "Use only built-in simulated registers, no real port");
  app.add_option("--password", options.password, "The register's access password")
      ->capture_default_str();

  app.add_subcommand("ports", "List the machine's serial ports");

  auto* scan = app.add_subcommand("scan", "Search ports for registers at the six line speeds");
  std::vector<std::string> scanPorts;
  bool sequential = false;
  scan->add_option("PORT", scanPorts, "Ports to search (default: every listed port)");
  scan->add_flag("--sequential", sequential, "Search one port after the other");

  auto* info = app.add_subcommand("info", "Show what the register on a port is");
  std::string infoPort;
  int infoSpeed = 0;
  info->add_option("PORT", infoPort, "The register's port")->required();
  info->add_option("--speed", infoSpeed, "The register's line speed")
      ->required()
      ->check(kSpeed);

  auto* setSpeed = app.add_subcommand("set-speed", "Change the line speed of a register");
  std::string setPort;
  int setFrom = 0;
  int setTo = 0;
  setSpeed->add_option("PORT", setPort, "The register's port")->required();
  setSpeed->add_option("--speed", setFrom, "The register's line speed now")
      ->required()
      ->check(kSpeed);
  setSpeed->add_option("--to", setTo, "The new line speed")->required()->check(kSpeed);

  try {
    app.parse(argc, argv);
  } catch (const CLI::Success& e) {  // --help
    return app.exit(e, out, err);
  } catch (const CLI::ParseError& e) {
    err << "speedconf-cli: " << firstLine(e.what()) << " (see --help)\n";
    return kExitUsage;
  }

  try {
    Run run(options, out, err, errIsTerminal);
    if (app.got_subcommand("ports")) return run.ports();
    if (app.got_subcommand(scan)) return run.scan(scanPorts, sequential);
    if (app.got_subcommand(info)) return run.info(infoPort, infoSpeed);
    return run.setSpeed(setPort, setFrom, setTo);
  } catch (const UsageError& e) {
    err << "speedconf-cli: " << e.what() << '\n';
    return kExitUsage;
  } catch (const std::exception& e) {
    err << "speedconf-cli: " << firstLine(e.what()) << '\n';
    return kExitNothingFound;
  }
}

}  // namespace cli
