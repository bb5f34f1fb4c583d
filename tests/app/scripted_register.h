#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/serial_device.h"

namespace apptest {

// An answer frame as a register sends it, checksum computed here.
std::string answerFrame(int command, std::string_view code, std::string_view data);
inline const std::string kNak = "\x15";

// A register on a virtual line: it answers each request by its command code, only while the
// line is at its speed, without any real waiting (an empty read is a time-out at once). The
// answers are scripted per command; what it received is recorded.
class ScriptedRegister {
 public:
  explicit ScriptedRegister(int speed) : speed_(speed) {}

  // The next request of `command` gets `bytes` (a frame, a NAK, garbage); without a scripted
  // answer a command gets its default, and a command without a default gets silence.
  void answerNext(int command, std::string bytes) { scripted_[command].push_back(std::move(bytes)); }
  void answerAlways(int command, std::string bytes) { defaults_[command] = std::move(bytes); }
  // A request of `command` gets no answer at all.
  void silenceNext(int command) { answerNext(command, std::string()); }

  struct Request {
    int command;
    std::string data;
    std::uint32_t baud;
  };
  const std::vector<Request>& requests() const { return requests_; }
  bool isOpen() const { return open_; }
  int opens() const { return opens_; }

 private:
  friend class ScriptedPorts;
  friend class RegisterHandle;
  void received(std::string_view bytes);

  int speed_;
  std::map<int, std::deque<std::string>> scripted_;
  std::map<int, std::string> defaults_;
  std::vector<Request> requests_;
  std::string pending_;
  std::deque<char> input_;
  platform::LineSettings line_;
  bool open_ = false;
  int opens_ = 0;
};

// Ports for the link: scripted registers by port name (e.g. "reg1"), anything else passed on
// to `others` (the system's ports, where the simulator's pseudo-terminals live).
class ScriptedPorts : public platform::SerialPorts {
 public:
  explicit ScriptedPorts(platform::SerialPorts& others) : others_(others) {}

  ScriptedRegister& add(const std::string& portName, int speed);
  // Opening `portName` fails as a port held by another process.
  void hold(const std::string& portName) { held_.push_back(portName); }
  // Called with the port name before every open.
  std::function<void(const std::string&)> onOpen;

  std::unique_ptr<platform::SerialDevice> open(std::string_view deviceName,
                                               platform::SysError& error) override;

 private:
  platform::SerialPorts& others_;
  std::map<std::string, std::unique_ptr<ScriptedRegister>, std::less<>> registers_;
  std::vector<std::string> held_;
};

}  // namespace apptest
