#pragma once

#include <cstdint>

#include "line_status.h"
#include "platform/serial_device.h"

namespace platform::posix {

// A terminal device opened, locked and in raw mode; owns the descriptor.
class PosixSerialDevice final : public SerialDevice {
 public:
  explicit PosixSerialDevice(int fd);
  ~PosixSerialDevice() override;
  PosixSerialDevice(const PosixSerialDevice&) = delete;
  PosixSerialDevice& operator=(const PosixSerialDevice&) = delete;

  SysError setupComm(std::uint32_t inQueue, std::uint32_t outQueue) override;
  SysError getCommState(LineSettings& settings) override;
  SysError setCommState(const LineSettings& settings) override;
  SysError setCommTimeouts(const CommTimeouts& timeouts) override;
  SysError read(void* buffer, std::uint32_t count, std::uint32_t& received) override;
  SysError write(const void* buffer, std::uint32_t count, std::uint32_t& written) override;
  SysError transmitChar(char byte) override;
  SysError flush() override;
  SysError purge(std::uint32_t mask) override;
  SysError clearCommError(std::uint32_t& errors, CommStatus& status) override;
  SysError escape(std::uint32_t function) override;
  SysError close() override;

 private:
  int fd_;
  CommTimeouts timeouts_{};
  // The kernel keeps no DTR/RTS "control mode"; the driver raises both lines on open.
  std::uint8_t dtrControl_ = 1;
  std::uint8_t rtsControl_ = 1;
  LineStatus lineStatus_;
};

}  // namespace platform::posix
