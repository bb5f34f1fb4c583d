#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/serial_device.h"

namespace platform::fake {

// The calls of SerialDevice, for counting uses and injecting failures.
enum class Call : std::size_t {
  SetupComm,
  GetCommState,
  SetCommState,
  SetCommTimeouts,
  Read,
  Write,
  TransmitChar,
  Flush,
  Purge,
  ClearCommError,
  Escape,
  Close,
};
inline constexpr std::size_t kCallCount = static_cast<std::size_t>(Call::Close) + 1;

// A serial device on a virtual clock. Nothing here sleeps: a read that waits for bytes moves the
// clock forward instead (to the next scripted byte or to the read's time-out, by the Windows
// read time-out rules), so a second of silence costs microseconds of real time.
//
// A protocol test scripts the exchange: "when these request bytes have been written, answer
// these bytes after this delay". Every byte written is recorded, and any call can be made to
// fail at its n-th use, or all calls from a disconnect on.
class FakeSerialDevice : public SerialDevice {
 public:
  using Clock = std::chrono::milliseconds;  // virtual time since the device was made

  // One piece of an answer: `bytes` arrive `after` the previous piece (or the request).
  struct Piece {
    Clock after{0};
    std::string bytes;
  };

  struct Failure {
    Call call;
    int use;          // 1-based use of that call that fails
    SysError error;
    bool fromThenOn;  // every later use fails too
  };

  FakeSerialDevice();

  // --- Script -----------------------------------------------------------------------------
  // When the bytes written since the last matched request equal `request`, the answer's pieces
  // are scheduled from the current virtual time. Expectations are met in the order given.
  void expect(std::string_view request, std::vector<Piece> answer);
  void expect(std::string_view request, std::string_view answer, Clock delay = Clock{0});
  // Bytes that arrive `after` from now, unasked.
  void arrive(std::string_view bytes, Clock after = Clock{0});
  // Expectations not yet met.
  std::size_t pendingExpectations() const { return expectations_.size(); }
  // Written bytes that matched no expectation (each run of them, as written).
  const std::vector<std::string>& unexpectedWrites() const { return unexpected_; }

  // --- Failures ---------------------------------------------------------------------------
  // The `use`-th call (1-based) of `call` fails with `error`; with fromThenOn, every later one too.
  void failAt(Call call, int use, SysError error, bool fromThenOn = false);
  // From now on every call fails with `error`; a read brings nothing and returns at once.
  void disconnect(SysError error);

  // --- Clock ------------------------------------------------------------------------------
  Clock now() const { return now_; }
  void advance(Clock by) { now_ += by; }

  // --- Record -----------------------------------------------------------------------------
  // Off: written bytes, write calls, waits and purges are not kept, so that a long run (a
  // benchmark counting allocations) costs no memory per call. On by default.
  void keepRecords(bool keep) { keepRecords_ = keep; }
  const std::string& written() const { return written_; }                  // write + transmitChar
  const std::vector<std::string>& writeCalls() const { return writeCalls_; }  // one per write
  const std::vector<Clock>& waits() const { return waits_; }  // virtual time each read waited
  const std::vector<std::uint32_t>& purges() const { return purges_; }
  const std::vector<std::uint32_t>& escapes() const { return escapes_; }
  int uses(Call call) const { return uses_[static_cast<std::size_t>(call)]; }
  const LineSettings& lineSettings() const { return settings_; }
  const CommTimeouts& timeouts() const { return timeouts_; }
  bool isClosed() const { return closed_; }
  // Bytes that have arrived and were not read or purged.
  std::size_t inputQueued() const;
  // Line error bits the next clearCommError reports (and clears).
  void setLineErrors(std::uint32_t errors) { lineErrors_ = errors; }
  // Opens a closed device again (FakeSerialPorts does this on open); a fresh device is open.
  void reopen() { closed_ = false; }

  // --- SerialDevice -----------------------------------------------------------------------
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
  friend class FakeSerialPorts;  // keeps a device closed until someone opens it

  struct Arrival {
    Clock at;
    char byte;
  };
  struct Expectation {
    std::string request;
    std::vector<Piece> answer;
  };

  // Counts the use of `call`; returns the error it must fail with, or kSuccess.
  SysError use(Call call);
  void schedule(const std::vector<Piece>& answer);
  void matchWritten(std::string_view bytes);
  bool inputEmpty() const { return head_ == input_.size(); }
  bool byteReady() const { return !inputEmpty() && input_[head_].at <= now_; }
  char takeByte();

  Clock now_{0};
  // In order of arrival time, read from head_ on; the storage is reused once all is read.
  std::vector<Arrival> input_;
  std::size_t head_ = 0;
  std::deque<Expectation> expectations_;
  std::string pendingRequest_;
  std::vector<std::string> unexpected_;
  std::vector<Failure> failures_;
  std::array<int, kCallCount> uses_{};
  bool disconnected_ = false;
  SysError disconnectError_ = kSuccess;
  bool closed_ = false;

  std::string written_;
  std::vector<std::string> writeCalls_;
  std::vector<Clock> waits_;
  std::vector<std::uint32_t> purges_;
  std::vector<std::uint32_t> escapes_;
  LineSettings settings_;
  CommTimeouts timeouts_;
  std::uint32_t lineErrors_ = 0;
  bool keepRecords_ = true;
};

// Hands out named fake devices. A device stays owned here across opens, so a test keeps
// scripting and inspecting it while the code under test holds it open; opening a device that
// is already open fails with EBUSY, as another process's port would.
class FakeSerialPorts : public SerialPorts {
 public:
  // Adds (or returns) the device opened under `deviceName`, the full name with its prefix.
  FakeSerialDevice& add(const std::string& deviceName);
  // Opening `deviceName` fails with `error` (the device need not exist).
  void failOpen(const std::string& deviceName, SysError error);
  // Every name open() was asked for, in order.
  const std::vector<std::string>& openRequests() const { return openRequests_; }
  bool isOpen(const std::string& deviceName) const;

  std::unique_ptr<SerialDevice> open(std::string_view deviceName, SysError& error) override;

 private:
  std::map<std::string, std::unique_ptr<FakeSerialDevice>, std::less<>> devices_;
  std::map<std::string, SysError, std::less<>> openFailures_;
  std::vector<std::string> openRequests_;
};

}  // namespace platform::fake
