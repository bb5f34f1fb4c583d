#include "scripted_register.h"

#include <algorithm>
#include <cerrno>
#include <utility>

namespace apptest {

std::string answerFrame(int command, std::string_view code, std::string_view data) {
  std::string body;
  body += static_cast<char>(0x30 + data.size());
  body += '\x21';
  body += static_cast<char>(command);
  body.append(code).append(";").append(data);
  body += '\x04';
  body.append(6, '\x40');
  body += '\x05';
  unsigned sum = 0;
  for (const unsigned char c : body) sum += c;
  std::string frame = "\x01" + body;
  for (int shift = 12; shift >= 0; shift -= 4) frame += static_cast<char>(0x30 + ((sum >> shift) & 0xF));
  return frame + '\x03';
}

void ScriptedRegister::received(std::string_view bytes) {
  pending_.append(bytes);
  // A request is SOH LEN SEQ CMD DATA ENQ BCC(4) ETX.
  if (pending_.size() < 10 || pending_.back() != '\x03') return;
  const std::string frame = std::exchange(pending_, {});
  const int command = static_cast<unsigned char>(frame[3]);
  requests_.push_back({command, frame.substr(4, frame.size() - 10), line_.baudRate});
  if (static_cast<int>(line_.baudRate) != speed_) return;  // garbage on the wire to a register
  std::string answer;
  if (auto& queue = scripted_[command]; !queue.empty()) {
    answer = queue.front();
    queue.pop_front();
  } else if (const auto found = defaults_.find(command); found != defaults_.end()) {
    answer = found->second;
  }
  input_.insert(input_.end(), answer.begin(), answer.end());
}

// What the link holds while the port is open.
class RegisterHandle : public platform::SerialDevice {
 public:
  explicit RegisterHandle(ScriptedRegister& reg) : reg_(reg) {
    reg_.open_ = true;
    ++reg_.opens_;
  }
  ~RegisterHandle() override { reg_.open_ = false; }

  platform::SysError setupComm(std::uint32_t, std::uint32_t) override { return ok(); }
  platform::SysError getCommState(platform::LineSettings& settings) override {
    settings = reg_.line_;
    return ok();
  }
  platform::SysError setCommState(const platform::LineSettings& settings) override {
    reg_.line_ = settings;
    return ok();
  }
  platform::SysError setCommTimeouts(const platform::CommTimeouts&) override { return ok(); }
  platform::SysError read(void* buffer, std::uint32_t count, std::uint32_t& received) override {
    auto* out = static_cast<char*>(buffer);
    for (received = 0; received < count && !reg_.input_.empty(); ++received) {
      out[received] = reg_.input_.front();
      reg_.input_.pop_front();
    }
    return ok();
  }
  platform::SysError write(const void* buffer, std::uint32_t count, std::uint32_t& written) override {
    reg_.received({static_cast<const char*>(buffer), count});
    written = count;
    return ok();
  }
  platform::SysError transmitChar(char byte) override {
    reg_.received({&byte, 1});
    return ok();
  }
  platform::SysError flush() override { return ok(); }
  platform::SysError purge(std::uint32_t mask) override {
    if ((mask & platform::PURGE_RXCLEAR) != 0) reg_.input_.clear();
    return ok();
  }
  platform::SysError clearCommError(std::uint32_t& errors, platform::CommStatus& status) override {
    errors = 0;
    status = {static_cast<std::uint32_t>(reg_.input_.size()), 0};
    return ok();
  }
  platform::SysError escape(std::uint32_t) override { return ok(); }
  platform::SysError close() override {
    reg_.open_ = false;
    return ok();
  }

 private:
  platform::SysError ok() const { return reg_.open_ ? platform::kSuccess : platform::SysError(EBADF); }
  ScriptedRegister& reg_;
};

ScriptedRegister& ScriptedPorts::add(const std::string& portName, int speed) {
  auto& slot = registers_[std::string(platform::deviceNamePrefix()) + portName];
  slot = std::make_unique<ScriptedRegister>(speed);
  return *slot;
}

std::unique_ptr<platform::SerialDevice> ScriptedPorts::open(std::string_view deviceName,
                                                            platform::SysError& error) {
  const std::string_view port = deviceName.substr(platform::deviceNamePrefix().size());
  if (onOpen) onOpen(std::string(port));
  if (std::find(held_.begin(), held_.end(), port) != held_.end()) {
    error = platform::SysError(EBUSY);
    return nullptr;
  }
  const auto found = registers_.find(deviceName);
  if (found == registers_.end()) return others_.open(deviceName, error);
  if (found->second->isOpen()) {
    error = platform::SysError(EBUSY);
    return nullptr;
  }
  return std::make_unique<RegisterHandle>(*found->second);
}

}  // namespace apptest
