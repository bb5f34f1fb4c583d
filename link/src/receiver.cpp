#include <cstdint>

#include "link/register_link.h"
#include "receiver_code.h"

namespace reglink {
namespace {

constexpr std::uint8_t SOH = 0x01;
constexpr std::uint8_t ETX = 0x03;
constexpr std::uint8_t EOT = 0x04;
constexpr std::uint8_t ENQ = 0x05;
constexpr std::uint8_t NAK = 0x15;
constexpr std::uint8_t SYN = 0x16;
constexpr std::uint8_t SEPARATOR = ';';

void OnIdle(LinkState& s, std::uint8_t b) {
  if (b == SOH) s.RxState = RX_LEN;
  s.RxSum = 0;
}

void OnLen(LinkState& s, std::uint8_t b) {
  if (b < 0x30) {
    s.RxState = RX_IDLE;
    return;
  }
  s.RxDataLength = static_cast<std::uint8_t>(b - 0x30);
  s.RxSum += b;
  s.RxState = RX_SEQ;
}

void OnSeq(LinkState& s, std::uint8_t b) {
  if (b < 0x20) {
    s.RxState = RX_IDLE;
    return;
  }
  s.RxSum += b;
  s.RxState = RX_CMD;
}

void OnCmd(LinkState& s, std::uint8_t b) {
  s.RxCount = 0;
  s.RxSum += b;
  s.RxData[0] = '\0';
  s.RxCode[0] = '\0';
  s.RxCodePos = 0;
  s.RxState = RX_CODE;
}

void OnCode(LinkState& s, std::uint8_t b) {
  s.RxSum += b;
  if (b == SEPARATOR) {
    s.RxCode[s.RxCodePos] = '\0';
    s.RxCodePos = 0;
    s.RxState = s.RxDataLength != 0 ? RX_DATA : RX_EOT;
    return;
  }
  // A code longer than the buffer keeps its first characters; the rest is dropped.
  if (s.RxCodePos < static_cast<std::int32_t>(sizeof s.RxCode) - 1) {
    s.RxCode[s.RxCodePos++] = static_cast<char>(b);
    s.RxCode[s.RxCodePos] = '\0';
  }
}

void OnData(LinkState& s, std::uint8_t b) {
  if (s.RxCount < s.RxDataLength) {
    s.RxData[s.RxCount++] = static_cast<char>(b);
    s.RxData[s.RxCount] = '\0';
    s.RxSum += b;
  }
  if (s.RxCount == s.RxDataLength) s.RxState = RX_EOT;
}

void OnEot(LinkState& s, std::uint8_t b) {
  if (b != EOT) {
    s.RxState = RX_IDLE;
    return;
  }
  s.RxCount = 0;
  s.RxSum += b;
  s.RxState = RX_STATUS;
}

void OnStatus(LinkState& s, std::uint8_t b) {
  if (s.RxCount < sizeof s.RxStatus) {
    s.RxStatus[s.RxCount++] = b;
    s.RxSum += b;
  }
  if (s.RxCount == sizeof s.RxStatus) s.RxState = RX_ENQ;
}

void OnEnq(LinkState& s, std::uint8_t b) {
  if (b != ENQ) {
    s.RxState = RX_IDLE;
    return;
  }
  s.RxCount = 0;
  s.RxChecksum = 0;
  s.RxSum += b;
  s.RxState = RX_BCC;
}

void OnBcc(LinkState& s, std::uint8_t b) {
  // No check that b is a digit character: a letter simply breaks the comparison.
  if (s.RxCount < 4) {
    s.RxChecksum = s.RxChecksum * 16 + b - 0x30;
    ++s.RxCount;
  }
  if (s.RxCount == 4) s.RxState = RX_ETX;
}

void OnEtx(LinkState& s, std::uint8_t b) {
  s.RxState = RX_IDLE;
  if (b == ETX) s.LinkReady = true;
}

using RxHandler = void (*)(LinkState&, std::uint8_t);
constexpr RxHandler kRxHandlers[kRxStateCount] = {
    OnIdle, OnLen, OnSeq, OnCmd, OnCode, OnData, OnEot, OnStatus, OnEnq, OnBcc, OnEtx,
};

}  // namespace

int RegisterLink::ReceiveByte() {
  std::uint8_t byte = 0;
  std::uint32_t received = 0;
  const platform::SysError error =
      device_ ? device_->read(&byte, 1, received) : platform::SysError{1};
  if (received != 1) {
    if (error != platform::kSuccess) {
      // A failing port abandons the frame; a plain time-out lets a frame pause.
      if (device_) {
        std::uint32_t lineErrors = 0;
        platform::CommStatus status;
        device_->clearCommError(lineErrors, status);
      }
      state_.RxState = RX_IDLE;
    }
    return 0;
  }
  state_.SilenceCount = 0;
  TakeByte(byte);
  return 1;
}

void RegisterLink::TakeByte(std::uint8_t b) {
  if (b != SYN && state_.RawPos < static_cast<std::int32_t>(sizeof result_.RawAnswer) - 1) {
    result_.RawAnswer[state_.RawPos++] = static_cast<char>(b);
    result_.RawAnswer[state_.RawPos] = '\0';
    result_.RawAnswerLength = static_cast<std::uint32_t>(state_.RawPos);
  }
  // SOH, ETX and NAK mean the same wherever they come.
  switch (b) {
    case SOH:
      state_.RxState = RX_IDLE;
      break;
    case ETX:
      if (state_.RxState != RX_ETX) state_.LinkError = LINK_ERROR_EARLY_ETX;
      state_.RxState = RX_ETX;
      break;
    case NAK:
      state_.RxState = RX_IDLE;
      state_.LinkError = LINK_ERROR_NAK;
      state_.LinkReady = true;
      return;
    default:
      break;
  }
  kRxHandlers[state_.RxState](state_, b);
}

const void* ReceiverCodeStart() { return reinterpret_cast<const void*>(&OnIdle); }

}  // namespace reglink
