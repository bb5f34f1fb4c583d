// The built speedconf-cli against simulated registers on pseudo-terminals.
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "sim/sim.h"

namespace {

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};

// Reads `file` to its end; closes it unless it is a pipe (pclose does that).
std::string readAll(FILE* file, bool close = true) {
  std::string text;
  if (!file) return text;
  std::array<char, 4096> buffer;
  for (std::size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), file)) > 0;) {
    text.append(buffer.data(), n);
  }
  if (close) std::fclose(file);
  return text;
}

// Runs the tool through the shell; the arguments here never need quoting.
CliRun runCli(const std::vector<std::string>& args) {
  const auto errFile = std::filesystem::temp_directory_path() /
                       ("speedconf-cli-test-" + std::to_string(::getpid()) + ".err");
  std::string command = SPEEDCONF_CLI_PATH;
  for (const auto& arg : args) command += " '" + arg + "'";
  command += " 2>" + errFile.string();
  CliRun run;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return run;
  run.out = readAll(pipe, false);
  const int wait = ::pclose(pipe);
  run.status = WIFEXITED(wait) ? WEXITSTATUS(wait) : -1;
  run.err = readAll(std::fopen(errFile.c_str(), "r"));
  std::filesystem::remove(errFile);
  return run;
}

std::size_t countLines(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    count += text.substr(start, end - start).find(part) != std::string::npos;
    start = end + 1;
  }
  return count;
}

sim::RegisterConfig registerAt(int speed, std::string model) {
  sim::RegisterConfig config;
  config.speed = speed;
  config.identity[0] = std::move(model);
  return config;
}

TEST(CommandLine, ScanSortsAMixedSetInTheOrderGiven) {
  sim::SimulatedRegister found(registerAt(19200, "MODEL-19"));
  sim::RegisterConfig wrongPassword = registerAt(4800, "MODEL-48");
  wrongPassword.password = "111111";
  sim::SimulatedRegister incorrect(wrongPassword);
  sim::BusyPort busy;
  sim::SilentPort silent;

  const CliRun run = runCli({"scan", "--json", silent.portName(), "/dev/" + found.portName(),
                          busy.portName(), incorrect.portName()});

  ASSERT_EQ(run.status, 0) << run.err;
  const auto ports = nlohmann::json::parse(run.out).at("ports");
  ASSERT_EQ(ports.size(), 4u);
  EXPECT_EQ(ports[0], (nlohmann::json{{"port", silent.portName()}, {"outcome", "silent"}}));
  EXPECT_EQ(ports[1]["port"], found.portName());
  EXPECT_EQ(ports[1]["outcome"], "found");
  EXPECT_EQ(ports[1]["speed"], 19200);
  ASSERT_EQ(ports[1]["fields"].size(), 11u);
  EXPECT_EQ(ports[1]["fields"][0], "MODEL-19");
  EXPECT_EQ(ports[2], (nlohmann::json{{"port", busy.portName()}, {"outcome", "busy"}}));
  EXPECT_EQ(ports[3], (nlohmann::json{{"port", incorrect.portName()},
                                      {"outcome", "incorrect"},
                                      {"speed", 4800},
                                      {"error_code", "0006"},
                                      {"message", "Invalid password!"}}));
}

TEST(CommandLine, SpeedChangeRoundTrip) {
  sim::SimulatedRegister reg(registerAt(9600, "MODEL-96"));

  const CliRun change =
      runCli({"set-speed", reg.portName(), "--speed", "9600", "--to", "38400", "--json"});
  ASSERT_EQ(change.status, 0) << change.err;
  EXPECT_EQ(nlohmann::json::parse(change.out),
            (nlohmann::json{{"port", reg.portName()}, {"speed", 9600}, {"to", 38400}, {"ok", true}}));
  EXPECT_EQ(reg.currentSpeed(), 38400);

  const CliRun info = runCli({"info", reg.portName(), "--speed", "38400"});
  ASSERT_EQ(info.status, 0) << info.err;
  EXPECT_NE(info.out.find("Модель:"), std::string::npos) << info.out;
  EXPECT_NE(info.out.find("MODEL-96"), std::string::npos) << info.out;
}

struct RefusalCase {
  sim::Fault fault;
  int faultCommand;
  std::size_t requests;  // 28h alone, or 28h and 27h
  const char* message;
};

TEST(CommandLine, SpeedChangeThatIsRefusedFailsWithTheWindowsMessage) {
  const RefusalCase cases[] = {
      {sim::Fault::Nak, 0x28, 1, "Ошибка чтения параметров регистратора!"},
      {sim::Fault::BadChecksum, 0x28, 1, "Ошибка чтения параметров регистратора!"},
      {sim::Fault::ErrorCode, 0x28, 1, "Ошибка чтения параметров регистратора!"},
      {sim::Fault::Silent, 0x28, 1, "Таймаут устройства! Ошибка чтения параметров регистратора!"},
      // A NAK alone after a good 28h is a refusal, not the earlier answer's success.
      {sim::Fault::Nak, 0x27, 2, "Ошибка установки параментров регистратора"},
      {sim::Fault::ErrorCode, 0x27, 2, "Ошибка установки параментров регистратора"},
  };
  for (const auto& c : cases) {
    sim::RegisterConfig config = registerAt(9600, "MODEL-96");
    config.fault = c.fault;
    config.faultCommand = c.faultCommand;
    config.errorCode = "0007";
    sim::SimulatedRegister reg(config);

    const CliRun run =
        runCli({"set-speed", reg.portName(), "--speed", "9600", "--to", "38400", "--trace"});

    const std::string shown = std::to_string(static_cast<int>(c.fault)) + " on " +
                              std::to_string(c.faultCommand) + ":\n" + run.err;
    EXPECT_EQ(run.status, 1) << shown;
    EXPECT_EQ(countLines(run.err, " -> 01 "), c.requests) << shown;
    EXPECT_EQ(countLines(run.err, c.message), 1u) << shown;
    EXPECT_EQ(reg.currentSpeed(), 9600) << shown;
  }
}

TEST(CommandLine, DemoListsAndScansOnlyItsOwnPorts) {
  const CliRun scan = runCli({"--demo", "scan"});
  EXPECT_EQ(scan.status, 0) << scan.err;
  for (const char* outcome : {" found ", " incorrect ", " busy", " silent"}) {
    EXPECT_NE(scan.out.find(outcome), std::string::npos) << outcome << '\n' << scan.out;
  }

  const CliRun ports = runCli({"--demo", "ports", "--json"});
  EXPECT_EQ(ports.status, 0) << ports.err;
  const auto names = nlohmann::json::parse(ports.out).at("ports");
  EXPECT_FALSE(names.empty());
  for (const auto& name : names) EXPECT_TRUE(name.get<std::string>().starts_with("pts/")) << name;

  const CliRun other = runCli({"--demo", "scan", "pts/999999"});
  EXPECT_EQ(other.status, 2);
  EXPECT_EQ(countLines(other.err, "not a demo port"), 1u) << other.err;
}

TEST(CommandLine, BadUsageIsExitTwoWithOneLine) {
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"scan", "--bogus"},
      {"frobnicate"},
      {"info", "pts/999999"},
      {"set-speed", "pts/999999", "--speed", "9600", "--to", "fast"},
      {"set-speed", "pts/999999", "--speed", "9600", "--to", "0"},
      {"set-speed", "../etc/passwd", "--speed", "9600", "--to", "19200"},
      {"scan", "/tmp/ttyS0"},
      {"scan", "pts/999999", "/dev/pts/999999"},
      {"--password", "12;34", "scan", "pts/999999"},
  };
  for (const auto& args : cases) {
    const CliRun run = runCli(args);
    std::string shown;
    for (const auto& arg : args) shown += arg + ' ';
    EXPECT_EQ(run.status, 2) << shown;
    EXPECT_EQ(countLines(run.err, ""), 1u) << shown << '\n' << run.err;
    EXPECT_TRUE(run.out.empty()) << shown;
  }
}

}  // namespace
