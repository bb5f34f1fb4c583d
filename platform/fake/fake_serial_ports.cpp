#include <cerrno>

#include "platform/fake/fake_serial_device.h"

namespace platform::fake {
namespace {

// What open() hands out: the device stays with FakeSerialPorts, so the test can still reach it.
class Handle final : public SerialDevice {
 public:
  explicit Handle(FakeSerialDevice& device) : device_(device) {}
  ~Handle() override {
    if (!device_.isClosed()) device_.close();
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;

  SysError setupComm(std::uint32_t in, std::uint32_t out) override { return device_.setupComm(in, out); }
  SysError getCommState(LineSettings& s) override { return device_.getCommState(s); }
  SysError setCommState(const LineSettings& s) override { return device_.setCommState(s); }
  SysError setCommTimeouts(const CommTimeouts& t) override { return device_.setCommTimeouts(t); }
  SysError read(void* b, std::uint32_t n, std::uint32_t& got) override { return device_.read(b, n, got); }
  SysError write(const void* b, std::uint32_t n, std::uint32_t& put) override {
    return device_.write(b, n, put);
  }
  SysError transmitChar(char byte) override { return device_.transmitChar(byte); }
  SysError flush() override { return device_.flush(); }
  SysError purge(std::uint32_t mask) override { return device_.purge(mask); }
  SysError clearCommError(std::uint32_t& e, CommStatus& s) override { return device_.clearCommError(e, s); }
  SysError escape(std::uint32_t function) override { return device_.escape(function); }
  SysError close() override { return device_.close(); }

 private:
  FakeSerialDevice& device_;
};

}  // namespace

FakeSerialDevice& FakeSerialPorts::add(const std::string& deviceName) {
  auto& slot = devices_[deviceName];
  if (!slot) {
    slot = std::make_unique<FakeSerialDevice>();
    slot->closed_ = true;  // nobody holds it until open()
  }
  return *slot;
}

void FakeSerialPorts::failOpen(const std::string& deviceName, SysError error) {
  openFailures_[deviceName] = error;
}

bool FakeSerialPorts::isOpen(const std::string& deviceName) const {
  const auto it = devices_.find(deviceName);
  return it != devices_.end() && !it->second->isClosed();
}

std::unique_ptr<SerialDevice> FakeSerialPorts::open(std::string_view deviceName, SysError& error) {
  openRequests_.emplace_back(deviceName);
  if (const auto failure = openFailures_.find(deviceName); failure != openFailures_.end()) {
    error = failure->second;
    return nullptr;
  }
  const auto it = devices_.find(deviceName);
  if (it == devices_.end()) {
    error = ENOENT;
    return nullptr;
  }
  if (!it->second->isClosed()) {
    error = EBUSY;
    return nullptr;
  }
  it->second->reopen();
  error = kSuccess;
  return std::make_unique<Handle>(*it->second);
}

}  // namespace platform::fake
