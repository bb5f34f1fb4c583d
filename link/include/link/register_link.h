#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "link/command_result.h"
#include "platform/serial_device.h"

namespace reglink {

// Receiver states, one handler each.
enum RxStateId : std::uint8_t {
  RX_IDLE,
  RX_LEN,
  RX_SEQ,
  RX_CMD,
  RX_CODE,
  RX_DATA,
  RX_EOT,
  RX_STATUS,
  RX_ENQ,
  RX_BCC,
  RX_ETX,
};
inline constexpr std::size_t kRxStateCount = RX_ETX + 1;

// LinkError bits.
inline constexpr std::uint8_t LINK_ERROR_CHECKSUM = 0x01;
inline constexpr std::uint8_t LINK_ERROR_NAK = 0x04;
inline constexpr std::uint8_t LINK_ERROR_EARLY_ETX = 0x08;

// Everything an exchange and its receiver keep between bytes. Readable for tests and traces.
struct LinkState {
  bool LinkReady = false;        // an exchange may start; the receiver sets it at ETX or NAK
  std::uint8_t SequenceCounter = 0;  // requests built, modulo 256
  std::int32_t CurrentCommand = 0;
  std::int32_t SilenceCount = 0;     // reads in a row without a byte

  std::uint8_t RxState = RX_IDLE;
  std::uint32_t RxSum = 0;       // sum of the bytes the checksum covers
  std::uint32_t RxChecksum = 0;  // value of the four BCC characters
  std::uint8_t RxCount = 0;      // position within DATA, STATUS or BCC
  std::uint8_t RxDataLength = 0;
  char RxCode[20] = {};
  std::int32_t RxCodePos = 0;
  char RxData[300] = {};  // room for 207 data bytes, and for the comma some commands insert
  std::uint8_t RxStatus[6] = {};
  std::uint8_t LinkError = 0;
  std::int32_t RawPos = 0;  // next write position in the result's RawAnswer
};

// The access password the tools send.
inline constexpr const char* kRegisterPassword = "538164";
// Line speeds at which a register is searched for, slowest first.
inline constexpr int kSearchSpeeds[6] = {4800, 9600, 19200, 38400, 57600, 115200};
// LEN is one byte: 20h + text + 4 must stay below 100h.
inline constexpr std::size_t kMaxParameterText = 0xFF - 0x20 - 4;

// One register link on one serial port: one exchange at a time, blocking the caller. Separate
// links share nothing, so each may run on its own thread. Nothing is allocated per exchange.
class RegisterLink {
 public:
  explicit RegisterLink(platform::SerialPorts& ports = platform::systemSerialPorts());
  ~RegisterLink();
  RegisterLink(const RegisterLink&) = delete;
  RegisterLink& operator=(const RegisterLink&) = delete;

  // Opens `portName` (a kernel or COM name, at most 27 characters) at `baud`, 8N1. Returns a
  // handle number, or -1 when the port is absent, held by another process or the name too long.
  // A port this link still holds is closed first.
  int OpenLink(const char* portName, int baud);
  // Sends what is queued, empties both queues, closes the port.
  void CloseLink();
  // One exchange: writes the request for `command` with parameter text `text` and waits until
  // the answer ends, the register rejects it, or a second of silence passes. Always returns the
  // link's result; a text too long to frame sends nothing and reports CR_NO_ANSWER.
  TCommandResult* SendCommand(int command, const char* text);

  // 80h, 28h and 27h with the password as the first field; `*status` is set to 0.
  TCommandResult* GetDiagnosticInfo(const char* password, int* status);
  TCommandResult* GetRegisterParams(const char* password, int* status);
  TCommandResult* SetRegisterParams(const char* password, int speed, int p2, int p3, int p4, int p5,
                                    int p6, int p7, int* status);

  const LinkState& state() const { return state_; }
  const TCommandResult& result() const { return result_; }

 private:
  int ReceiveByte();
  void TakeByte(std::uint8_t byte);
  void FinishExchange();
  void WaitForAnswer();

  platform::SerialPorts& ports_;
  std::unique_ptr<platform::SerialDevice> device_;
  int openCount_ = 0;

  LinkState state_;
  TCommandResult result_{};
  char sentText_[300] = {};
  char answerCopy_[129] = {};
  char parameterText_[300] = {};
  char frame_[300] = {};
};

// The module-wide link that the functions below use.
RegisterLink& defaultLink();

int OpenLink(const char* portName, int baud);
void CloseLink();
TCommandResult* SendCommand(int command, const char* text);
TCommandResult* GetDiagnosticInfo(const char* password, int* status);
TCommandResult* GetRegisterParams(const char* password, int* status);
TCommandResult* SetRegisterParams(const char* password, int speed, int p2, int p3, int p4, int p5,
                                  int p6, int p7, int* status);

}  // namespace reglink
