#include "link/register_link.h"

#include <cstring>

#include "bounded_copy.h"
#include "platform/memory_lock.h"
#include "receiver_code.h"
#include "request_frame.h"

namespace reglink {
namespace {

// The device name buffer of the original link held 32 bytes with a 4-byte prefix.
constexpr std::size_t kMaxPortName = 27;
// Ten silent reads of 100 ms: a second of silence ends the wait.
constexpr std::int32_t kSilentReadsBeforeGivingUp = 10;
constexpr platform::CommTimeouts kOneByteTimeouts{0, 0, 100, 0, 0};

}  // namespace

RegisterLink::RegisterLink(platform::SerialPorts& ports) : ports_(ports) {}

RegisterLink::~RegisterLink() { CloseLink(); }

int RegisterLink::OpenLink(const char* portName, int baud) {
  // Keep the byte-by-byte receive code resident, so no page fault stalls a read; best effort.
  platform::lockMemory(ReceiverCodeStart(), kReceiverCodeSize);
  CloseLink();
  state_.LinkReady = true;

  const std::size_t nameLength = portName == nullptr ? 0 : std::strlen(portName);
  if (portName == nullptr || nameLength > kMaxPortName) return -1;
  char deviceName[64];
  const std::string_view prefix = platform::deviceNamePrefix();
  std::memcpy(deviceName, prefix.data(), prefix.size());
  std::memcpy(deviceName + prefix.size(), portName, nameLength);

  platform::SysError error = platform::kSuccess;
  device_ = ports_.open(std::string_view(deviceName, prefix.size() + nameLength), error);
  if (!device_) return -1;

  // Only the handle counts; a port that refuses a setting simply brings no answer later.
  device_->setupComm(1024, 1024);
  platform::LineSettings settings;
  device_->getCommState(settings);
  settings.baudRate = static_cast<std::uint32_t>(baud);
  settings.byteSize = 8;
  settings.parity = 0;
  settings.stopBits = 0;
  device_->setCommState(settings);
  device_->setCommTimeouts(kOneByteTimeouts);
  device_->purge(platform::PURGE_TXABORT | platform::PURGE_RXABORT | platform::PURGE_TXCLEAR |
                 platform::PURGE_RXCLEAR);
  return ++openCount_;
}

void RegisterLink::CloseLink() {
  if (!device_) return;
  device_->flush();
  device_->purge(platform::PURGE_TXABORT | platform::PURGE_RXABORT | platform::PURGE_TXCLEAR |
                 platform::PURGE_RXCLEAR);
  device_->close();
  device_.reset();
}

TCommandResult* RegisterLink::SendCommand(int command, const char* text) {
  if (!state_.LinkReady) return &result_;  // no link was ever opened
  if (text == nullptr) text = "";
  const std::size_t length = std::strlen(text);

  CopyTruncated(sentText_, sizeof sentText_, text);
  state_.CurrentCommand = command;
  result_.Command = command;

  std::memset(state_.RxStatus, 0, sizeof state_.RxStatus);
  state_.LinkError = 0;
  state_.RxData[0] = '\0';
  // An exchange that ends without a frame must not report the previous answer's code.
  state_.RxCode[0] = '\0';
  state_.RxCodePos = 0;
  result_.RawAnswer[0] = '\0';
  result_.RawAnswerLength = 0;
  state_.RawPos = 0;

  if (length > kMaxParameterText) {
    // LEN cannot describe it: send nothing, and let the finishing step report no answer.
    result_.RequestFrame[0] = '\0';
    state_.LinkReady = false;
  } else {
    ++state_.SequenceCounter;
    state_.LinkReady = false;
    const std::size_t frameLength = BuildRequestFrame(frame_, state_.SequenceCounter, command, text, length);
    std::memcpy(result_.RequestFrame, frame_, frameLength);
    result_.RequestFrame[frameLength] = '\0';

    if (device_) {
      // What is still queued goes out, and nothing stale stays in the input queue.
      device_->flush();
      device_->purge(platform::PURGE_TXCLEAR | platform::PURGE_RXCLEAR);
      std::uint32_t written = 0;
      device_->write(frame_, static_cast<std::uint32_t>(frameLength), written);
    }
    WaitForAnswer();
  }

  FinishExchange();
  state_.LinkReady = true;
  state_.RawPos = 0;
  return &result_;
}

void RegisterLink::WaitForAnswer() {
  // The end of a frame shows only at the first silent read after it; any byte, SYN too,
  // restarts the count of silent reads.
  state_.SilenceCount = 0;
  while (state_.SilenceCount < kSilentReadsBeforeGivingUp) {
    if (ReceiveByte() != 0) continue;
    if (state_.LinkReady) break;
    ++state_.SilenceCount;
  }
}

}  // namespace reglink
