#include <memory>
#include <string>
#include <string_view>

#include "last_error.h"
#include "platform/serial_device.h"

namespace platform {

namespace {

using win32::lastError;
using win32::resultOf;

class Win32SerialDevice final : public SerialDevice {
 public:
  explicit Win32SerialDevice(HANDLE handle) : handle_(handle) {}
  ~Win32SerialDevice() override { close(); }
  Win32SerialDevice(const Win32SerialDevice&) = delete;
  Win32SerialDevice& operator=(const Win32SerialDevice&) = delete;

  SysError setupComm(std::uint32_t inQueue, std::uint32_t outQueue) override {
    if (!isOpen()) return ERROR_INVALID_HANDLE;
    return resultOf(SetupComm(handle_, inQueue, outQueue));
  }

  SysError getCommState(LineSettings& settings) override {
    DCB dcb{};
    if (const SysError error = readDcb(dcb)) return error;
    settings.baudRate = dcb.BaudRate;
    settings.byteSize = dcb.ByteSize;
    settings.parity = dcb.Parity;
    settings.stopBits = dcb.StopBits;
    settings.dtrControl = static_cast<std::uint8_t>(dcb.fDtrControl);
    settings.rtsControl = static_cast<std::uint8_t>(dcb.fRtsControl);
    return kSuccess;
  }

  // Read, change only what LineSettings names, write back: the driver keeps every other field.
  SysError setCommState(const LineSettings& settings) override {
    DCB dcb{};
    if (const SysError error = readDcb(dcb)) return error;
    dcb.BaudRate = settings.baudRate;
    dcb.ByteSize = settings.byteSize;
    dcb.Parity = settings.parity;
    dcb.StopBits = settings.stopBits;
    dcb.fDtrControl = settings.dtrControl & 0x3u;
    dcb.fRtsControl = settings.rtsControl & 0x3u;
    return resultOf(SetCommState(handle_, &dcb));
  }

  SysError setCommTimeouts(const CommTimeouts& timeouts) override {
    if (!isOpen()) return ERROR_INVALID_HANDLE;
    COMMTIMEOUTS native{timeouts.ReadIntervalTimeout, timeouts.ReadTotalTimeoutMultiplier,
                        timeouts.ReadTotalTimeoutConstant, timeouts.WriteTotalTimeoutMultiplier,
                        timeouts.WriteTotalTimeoutConstant};
    return resultOf(SetCommTimeouts(handle_, &native));
  }

  SysError read(void* buffer, std::uint32_t count, std::uint32_t& received) override {
    received = 0;
    if (!isOpen()) return ERROR_INVALID_HANDLE;
    DWORD got = 0;
    const BOOL ok = ReadFile(handle_, buffer, count, &got, nullptr);
    const SysError error = resultOf(ok);
    received = got;
    return error;
  }

  SysError write(const void* buffer, std::uint32_t count, std::uint32_t& written) override {
    written = 0;
    if (!isOpen()) return ERROR_INVALID_HANDLE;
    DWORD put = 0;
    const BOOL ok = WriteFile(handle_, buffer, count, &put, nullptr);
    const SysError error = resultOf(ok);
    written = put;
    return error;
  }

  SysError transmitChar(char byte) override {
    if (!isOpen()) return ERROR_INVALID_HANDLE;
    return resultOf(TransmitCommChar(handle_, byte));
  }

  SysError flush() override {
    if (!isOpen()) return ERROR_INVALID_HANDLE;
    return resultOf(FlushFileBuffers(handle_));
  }

  SysError purge(std::uint32_t mask) override {
    if (!isOpen()) return ERROR_INVALID_HANDLE;
    return resultOf(PurgeComm(handle_, mask));
  }

  SysError clearCommError(std::uint32_t& errors, CommStatus& status) override {
    if (!isOpen()) return ERROR_INVALID_HANDLE;
    DWORD nativeErrors = 0;
    COMSTAT comStat{};
    if (!ClearCommError(handle_, &nativeErrors, &comStat)) return lastError();
    errors = nativeErrors;
    status.inQueue = comStat.cbInQue;
    status.outQueue = comStat.cbOutQue;
    return kSuccess;
  }

  SysError escape(std::uint32_t function) override {
    if (!isOpen()) return ERROR_INVALID_HANDLE;
    return resultOf(EscapeCommFunction(handle_, function));
  }

  SysError close() override {
    if (!isOpen()) return ERROR_INVALID_HANDLE;
    const BOOL ok = CloseHandle(handle_);
    const SysError error = resultOf(ok);
    // The handle is gone either way: a second CloseHandle could close a reused handle value.
    handle_ = INVALID_HANDLE_VALUE;
    return error;
  }

 private:
  // A closed device fails without reaching the system: INVALID_HANDLE_VALUE doubles as the
  // current-process pseudo-handle, which some calls would accept.
  bool isOpen() const { return handle_ != INVALID_HANDLE_VALUE; }

  SysError readDcb(DCB& dcb) {
    if (!isOpen()) return ERROR_INVALID_HANDLE;
    dcb.DCBlength = sizeof dcb;
    return resultOf(GetCommState(handle_, &dcb));
  }

  HANDLE handle_;
};

class Win32SerialPorts final : public SerialPorts {
 public:
  std::unique_ptr<SerialDevice> open(std::string_view deviceName, SysError& error) override {
    const std::string name(deviceName);
    // No sharing, synchronous I/O: the port belongs to this handle alone.
    HANDLE handle = CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
      error = lastError();
      return nullptr;
    }
    error = kSuccess;
    return std::make_unique<Win32SerialDevice>(handle);
  }
};

}  // namespace

SerialPorts& systemSerialPorts() {
  static Win32SerialPorts ports;
  return ports;
}

std::string_view deviceNamePrefix() { return "\\\\.\\"; }

}  // namespace platform
