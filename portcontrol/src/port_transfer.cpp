#include <cerrno>

#include "description_texts.h"
#include "portcontrol/port_control.h"

namespace {

constexpr std::uint32_t kPurgeBothQueues = platform::PURGE_TXABORT | platform::PURGE_RXABORT |
                                           platform::PURGE_TXCLEAR | platform::PURGE_RXCLEAR;
constexpr std::size_t kLockedCodeSize = 2000;

// The error a bad argument reports, as the system would for a bad buffer.
#ifdef _WIN32
constexpr platform::SysError kInvalidArgument = 87;  // ERROR_INVALID_PARAMETER
#else
constexpr platform::SysError kInvalidArgument = EINVAL;
#endif
constexpr platform::SysError kNoSuchDevice = ENOENT;  // ERROR_FILE_NOT_FOUND has the same number

// The bodies of the two transfer operations, whose code a session keeps resident.
int writeBytes(platform::SerialDevice& device, bool buffering, const char* buffer,
               std::uint32_t count, std::uint32_t& written, platform::SysError& error) {
  if (buffering) {
    error = device.write(buffer, count, written);
    return error == platform::kSuccess ? 0 : -18;
  }
  for (written = 0; written < count; ++written) {
    error = device.transmitChar(buffer[written]);
    if (error != platform::kSuccess) return -18;
  }
  return 0;
}

int readBytes(platform::SerialDevice& device, bool waitEndChar, char endChar, char* buffer,
              std::uint32_t count, std::uint32_t& received, platform::SysError& error) {
  if (!waitEndChar) {
    error = device.read(buffer, count, received);
    return error == platform::kSuccess ? 0 : -17;
  }
  // One read per byte, so that the time-outs apply to every byte anew.
  for (std::uint32_t i = 0; i < count; ++i) {
    std::uint32_t got = 0;
    error = device.read(buffer + i, 1, got);
    if (error != platform::kSuccess) return -17;
    if (got == 0) return -19;
    ++received;
    if (buffer[i] == endChar) return 0;
  }
  return -19;
}

const void* lowerTransferEntry() {
  const auto* write = reinterpret_cast<const char*>(&writeBytes);
  const auto* read = reinterpret_cast<const char*>(&readBytes);
  return write < read ? write : read;
}

}  // namespace

// Which state each operation needs, and its own wording when it is not there.
enum class TPortControl::Operation {
  ClosePort, StartSession, EndSession, WriteData, ReadData, ClearError,
  SetPortTimeouts, EscapeCommFunction, ClearBuffers,
};

int TPortControl::CheckState(Operation operation) {
  struct Needs {
    Operation operation;
    const char* portNotOpen;
    const char* sessionNotOpen;  // null: no session needed
  };
  static constexpr Needs kNeeds[] = {
      {Operation::ClosePort, descr::kPortNotOpened, nullptr},
      {Operation::StartSession, descr::kPortNotOpened, nullptr},
      {Operation::EndSession, descr::kPortNotOpened, descr::kSessionNotOpenedEnd},
      {Operation::WriteData, descr::kPortNotOpenedWrite, descr::kSessionNotOpened},
      {Operation::ReadData, descr::kPortNotOpened, descr::kSessionNotOpenedRead},
      {Operation::ClearError, descr::kPortNotOpened, descr::kSessionNotOpenedClearError},
      {Operation::SetPortTimeouts, descr::kPortNotOpened, nullptr},
      {Operation::EscapeCommFunction, descr::kPortNotOpened, descr::kSessionNotOpened},
      {Operation::ClearBuffers, descr::kPortNotOpened, descr::kSessionNotOpened},
  };
  for (const Needs& needs : kNeeds) {
    if (needs.operation != operation) continue;
    if (!FHandle) return FailFixed(-1, needs.portNotOpen);
    if (needs.sessionNotOpen != nullptr && !FSessionOpen) return FailFixed(-21, needs.sessionNotOpen);
  }
  return 0;
}

int TPortControl::OpenPort() {
  if (FHandle) {
    // The error of the failure that may have left the port open stays readable.
    if (FEnableDescr) FDescr = descr::kPortOpened;
    return -20;
  }
  platform::SysError error = kNoSuchDevice;
  // In the device name space, so that every name the port name rule takes opens as it stands.
  if (!FPort.empty()) FHandle = Ports().open(std::string(platform::deviceNamePrefix()) + FPort, error);
  if (!FHandle) return FailSystem(-2, error);
  if (error = FHandle->getCommState(FDCB); error != platform::kSuccess) return FailSystem(-3, error);
  FDCB.baudRate = BaudRateValue(FBaudRate);
  FDCB.byteSize = static_cast<std::uint8_t>(5 + FDataBits);
  FDCB.parity = ParityValue(FParity);
  FDCB.stopBits = FStopBits;
  FDCB.dtrControl = FDTR;
  FDCB.rtsControl = FRTS;
  if (error = FHandle->setCommState(FDCB); error != platform::kSuccess) return FailSystem(-4, error);
  if (error = FHandle->getCommState(FDCB); error != platform::kSuccess) return FailSystem(-3, error);
  FCommTimeouts = FTimeout->ToCommTimeouts();
  if (error = FHandle->setCommTimeouts(FCommTimeouts); error != platform::kSuccess) {
    return FailSystem(-5, error);
  }
  return Succeed();
}

int TPortControl::ClosePort() {
  if (const int failed = CheckState(Operation::ClosePort)) return failed;
  platform::SysError error = FHandle->flush();
  if (error != platform::kSuccess) return FailSystem(-6, error);
  if (error = FHandle->purge(kPurgeBothQueues); error != platform::kSuccess) return FailSystem(-15, error);
  if (error = FHandle->close(); error != platform::kSuccess) return FailSystem(-7, error);
  FHandle.reset();
  return Succeed();
}

int TPortControl::StartSession(bool Purge) {
  if (const int failed = CheckState(Operation::StartSession)) return failed;
  if (FSessionOpen) return FailFixed(-16, descr::kSessionOpened);

  // Each step is taken back when a later one fails, so a refused session leaves the process as
  // it was and there is nothing for EndSession to undo.
  platform::SysError error = process_.getPriorityClass(FSavedPriorityClass);
  if (error != platform::kSuccess) return FailSystem(-8, error);
  if (error = process_.getThreadPriority(FSavedThreadPriority); error != platform::kSuccess) {
    return FailSystem(-10, error);
  }
  if (error = process_.setPriorityClass(process_.realtimePriorityClass()); error != platform::kSuccess) {
    return FailSystem(-9, error);
  }
  if (error = process_.setThreadPriority(process_.timeCriticalThreadPriority());
      error != platform::kSuccess) {
    process_.setPriorityClass(FSavedPriorityClass);
    return FailSystem(-11, error);
  }
  FLockAddress = lowerTransferEntry();
  if (error = process_.lockMemory(FLockAddress, kLockedCodeSize); error != platform::kSuccess) {
    process_.setThreadPriority(FSavedThreadPriority);
    process_.setPriorityClass(FSavedPriorityClass);
    return FailSystem(-12, error);
  }
  if (Purge) {
    if (error = FHandle->purge(kPurgeBothQueues); error != platform::kSuccess) {
      RestoreSession();
      return FailSystem(-15, error);
    }
  }
  FSessionOpen = true;
  return Succeed();
}

void TPortControl::RestoreSession() {
  process_.unlockMemory(FLockAddress, kLockedCodeSize);
  process_.setThreadPriority(FSavedThreadPriority);
  process_.setPriorityClass(FSavedPriorityClass);
}

int TPortControl::EndSession(bool Purge) {
  if (const int failed = CheckState(Operation::EndSession)) return failed;
  platform::SysError error = process_.setPriorityClass(FSavedPriorityClass);
  if (error != platform::kSuccess) return FailSystem(-9, error);
  if (error = process_.setThreadPriority(FSavedThreadPriority); error != platform::kSuccess) {
    return FailSystem(-11, error);
  }
  if (error = process_.unlockMemory(FLockAddress, kLockedCodeSize); error != platform::kSuccess) {
    return FailSystem(-13, error);
  }
  if (Purge) {
    if (error = FHandle->purge(kPurgeBothQueues); error != platform::kSuccess) return FailSystem(-15, error);
  }
  FSessionOpen = false;
  return Succeed();
}

int TPortControl::WriteData(const char* Buffer, std::uint32_t Count, std::uint32_t* Written) {
  if (const int failed = CheckState(Operation::WriteData)) return failed;
  if (Written == nullptr || (Buffer == nullptr && Count > 0)) return FailSystem(-18, kInvalidArgument);
  platform::SysError error = platform::kSuccess;
  if (const int failed = writeBytes(*FHandle, FBuffering, Buffer, Count, *Written, error)) {
    return FailSystem(failed, error);
  }
  if (error = FHandle->flush(); error != platform::kSuccess) return FailSystem(-6, error);
  return Succeed();
}

int TPortControl::ReadData(char* Buffer, std::uint32_t Count, std::uint32_t* Received) {
  if (const int failed = CheckState(Operation::ReadData)) return failed;
  if (Received == nullptr || (Buffer == nullptr && Count > 0)) return FailSystem(-17, kInvalidArgument);
  *Received = 0;
  platform::SysError error = platform::kSuccess;
  const int result = readBytes(*FHandle, FWaitEndChar, FEndChar, Buffer, Count, *Received, error);
  if (result == -19) return FailFixed(-19, descr::kEndCharAbsent);
  if (result != 0) return FailSystem(result, error);
  return Succeed();
}

int TPortControl::ClearError() {
  if (const int failed = CheckState(Operation::ClearError)) return failed;
  platform::SysError error = FHandle->clearCommError(FCommErrors, FComStat);
  if (error != platform::kSuccess) return FailSystem(-14, error);
  if (error = FHandle->purge(kPurgeBothQueues); error != platform::kSuccess) return FailSystem(-15, error);
  return Succeed();
}

int TPortControl::SetPortTimeouts() {
  if (const int failed = CheckState(Operation::SetPortTimeouts)) return failed;
  FCommTimeouts = FTimeout->ToCommTimeouts();
  if (const platform::SysError error = FHandle->setCommTimeouts(FCommTimeouts); error != platform::kSuccess) {
    return FailSystem(-5, error);
  }
  return Succeed();
}

int TPortControl::EscapeCommFunction(std::uint32_t Func) {
  if (const int failed = CheckState(Operation::EscapeCommFunction)) return failed;
  if (const platform::SysError error = FHandle->escape(Func); error != platform::kSuccess) {
    return FailSystem(-22, error);
  }
  return Succeed();
}

int TPortControl::ClearBuffers(std::uint32_t PurgeMask) {
  if (const int failed = CheckState(Operation::ClearBuffers)) return failed;
  if (const platform::SysError error = FHandle->purge(PurgeMask); error != platform::kSuccess) {
    return FailSystem(-23, error);
  }
  return Succeed();
}
