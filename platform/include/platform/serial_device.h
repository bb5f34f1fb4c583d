#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/sys_error.h"

namespace platform {

// The line settings that callers change. A backend applies them over the driver's current
// settings, so every setting not named here keeps the driver's value.
struct LineSettings {
  std::uint32_t baudRate = 9600;
  std::uint8_t byteSize = 8;
  std::uint8_t parity = 0;      // 0 none, 1 odd, 2 even, 3 mark, 4 space
  std::uint8_t stopBits = 0;    // 0 one, 1 one and a half, 2 two
  std::uint8_t dtrControl = 1;  // 0 disable, 1 enable, 2 handshake
  std::uint8_t rtsControl = 1;  // 0 disable, 1 enable, 2 handshake, 3 toggle
  friend bool operator==(const LineSettings&, const LineSettings&) = default;
};

// Read and write time-outs in milliseconds, with the Windows rules: a read's total limit is
// multiplier x count + constant (both 0: no total limit); the interval timer starts after the
// first byte; interval 0xFFFFFFFF with both totals 0 returns at once with what is there. A read
// that times out is a short count, not an error.
struct CommTimeouts {
  std::uint32_t ReadIntervalTimeout = 0;
  std::uint32_t ReadTotalTimeoutMultiplier = 0;
  std::uint32_t ReadTotalTimeoutConstant = 0;
  std::uint32_t WriteTotalTimeoutMultiplier = 0;
  std::uint32_t WriteTotalTimeoutConstant = 0;
  friend bool operator==(const CommTimeouts&, const CommTimeouts&) = default;
};

// Queue masks for purge(), as the Windows constants.
inline constexpr std::uint32_t PURGE_TXABORT = 0x01;
inline constexpr std::uint32_t PURGE_RXABORT = 0x02;
inline constexpr std::uint32_t PURGE_TXCLEAR = 0x04;
inline constexpr std::uint32_t PURGE_RXCLEAR = 0x08;

// Escape functions for escape(), as the Windows constants.
inline constexpr std::uint32_t SETXOFF = 1;
inline constexpr std::uint32_t SETXON = 2;
inline constexpr std::uint32_t SETRTS = 3;
inline constexpr std::uint32_t CLRRTS = 4;
inline constexpr std::uint32_t SETDTR = 5;
inline constexpr std::uint32_t CLRDTR = 6;
inline constexpr std::uint32_t SETBREAK = 8;
inline constexpr std::uint32_t CLRBREAK = 9;

// Line error bits reported by clearCommError(), as the Windows CE_ constants.
inline constexpr std::uint32_t CE_RXOVER = 0x0001;
inline constexpr std::uint32_t CE_OVERRUN = 0x0002;
inline constexpr std::uint32_t CE_RXPARITY = 0x0004;
inline constexpr std::uint32_t CE_FRAME = 0x0008;
inline constexpr std::uint32_t CE_BREAK = 0x0010;

struct CommStatus {
  std::uint32_t inQueue = 0;   // bytes received and not yet read
  std::uint32_t outQueue = 0;  // bytes queued and not yet sent
  friend bool operator==(const CommStatus&, const CommStatus&) = default;
};

// One open serial port. All calls are synchronous and return kSuccess or the system's error
// number taken at the failing call. Destroying an open device closes it.
class SerialDevice {
 public:
  virtual ~SerialDevice() = default;

  virtual SysError setupComm(std::uint32_t inQueue, std::uint32_t outQueue) = 0;
  virtual SysError getCommState(LineSettings& settings) = 0;
  virtual SysError setCommState(const LineSettings& settings) = 0;
  virtual SysError setCommTimeouts(const CommTimeouts& timeouts) = 0;
  // Blocks under the time-outs last set; `received` is the count that arrived, also on failure.
  virtual SysError read(void* buffer, std::uint32_t count, std::uint32_t& received) = 0;
  virtual SysError write(const void* buffer, std::uint32_t count, std::uint32_t& written) = 0;
  // Sends one byte ahead of any queued output.
  virtual SysError transmitChar(char byte) = 0;
  // Returns when queued output has been sent.
  virtual SysError flush() = 0;
  virtual SysError purge(std::uint32_t mask) = 0;
  virtual SysError clearCommError(std::uint32_t& errors, CommStatus& status) = 0;
  virtual SysError escape(std::uint32_t function) = 0;
  // Frees the port for other processes; afterwards every call fails.
  virtual SysError close() = 0;
};

// Opens ports by device name. The real one is systemSerialPorts(); tests hand in fakes.
class SerialPorts {
 public:
  virtual ~SerialPorts() = default;
  // Opens `deviceName` for reading and writing, exclusively, with nobody else sharing it. On
  // failure returns null and sets `error` (absent, or held by another process).
  virtual std::unique_ptr<SerialDevice> open(std::string_view deviceName, SysError& error) = 0;
};

SerialPorts& systemSerialPorts();

// The device name space in which ports open: "/dev/" on POSIX, "\\.\" on Windows.
std::string_view deviceNamePrefix();

}  // namespace platform
