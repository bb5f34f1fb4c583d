#include "platform/fake/fake_serial_device.h"

#include <algorithm>
#include <cerrno>
#include <limits>
#include <optional>

namespace platform::fake {

FakeSerialDevice::FakeSerialDevice() = default;

void FakeSerialDevice::expect(std::string_view request, std::vector<Piece> answer) {
  expectations_.push_back({std::string(request), std::move(answer)});
}

void FakeSerialDevice::expect(std::string_view request, std::string_view answer, Clock delay) {
  expect(request, std::vector<Piece>{{delay, std::string(answer)}});
}

void FakeSerialDevice::arrive(std::string_view bytes, Clock after) {
  schedule({{after, std::string(bytes)}});
}

void FakeSerialDevice::failAt(Call call, int use, SysError error, bool fromThenOn) {
  failures_.push_back({call, use, error, fromThenOn});
}

void FakeSerialDevice::disconnect(SysError error) {
  disconnected_ = true;
  disconnectError_ = error;
}

std::size_t FakeSerialDevice::inputQueued() const {
  return static_cast<std::size_t>(std::count_if(input_.begin() + static_cast<std::ptrdiff_t>(head_), input_.end(),
                                                [this](const Arrival& a) { return a.at <= now_; }));
}

char FakeSerialDevice::takeByte() {
  const char byte = input_[head_++].byte;
  if (inputEmpty()) {
    input_.clear();
    head_ = 0;
  }
  return byte;
}

SysError FakeSerialDevice::use(Call call) {
  const int n = ++uses_[static_cast<std::size_t>(call)];
  for (const Failure& f : failures_) {
    if (f.call == call && (n == f.use || (f.fromThenOn && n > f.use))) return f.error;
  }
  if (closed_) return EBADF;
  if (disconnected_ && call != Call::Close) return disconnectError_;
  return kSuccess;
}

void FakeSerialDevice::schedule(const std::vector<Piece>& answer) {
  Clock at = now_;
  for (const Piece& piece : answer) {
    at += piece.after;
    for (char byte : piece.bytes) {
      // Keep the queue ordered by arrival; pieces scheduled later may interleave earlier ones.
      auto pos = std::upper_bound(input_.begin() + static_cast<std::ptrdiff_t>(head_), input_.end(), at,
                                  [](Clock t, const Arrival& a) { return t < a.at; });
      input_.insert(pos, Arrival{at, byte});
    }
  }
}

void FakeSerialDevice::matchWritten(std::string_view bytes) {
  pendingRequest_.append(bytes);
  if (expectations_.empty()) {
    if (keepRecords_) unexpected_.push_back(pendingRequest_);
    pendingRequest_.clear();
    return;
  }
  const std::string& request = expectations_.front().request;
  if (pendingRequest_ == request) {
    schedule(expectations_.front().answer);
    expectations_.pop_front();
    pendingRequest_.clear();
  } else if (request.compare(0, pendingRequest_.size(), pendingRequest_) != 0) {
    unexpected_.push_back(pendingRequest_);
    pendingRequest_.clear();
  }
}

SysError FakeSerialDevice::setupComm(std::uint32_t, std::uint32_t) { return use(Call::SetupComm); }

SysError FakeSerialDevice::getCommState(LineSettings& settings) {
  const SysError error = use(Call::GetCommState);
  if (error == kSuccess) settings = settings_;
  return error;
}

SysError FakeSerialDevice::setCommState(const LineSettings& settings) {
  const SysError error = use(Call::SetCommState);
  if (error == kSuccess) settings_ = settings;
  return error;
}

SysError FakeSerialDevice::setCommTimeouts(const CommTimeouts& timeouts) {
  const SysError error = use(Call::SetCommTimeouts);
  if (error == kSuccess) timeouts_ = timeouts;
  return error;
}

SysError FakeSerialDevice::read(void* buffer, std::uint32_t count, std::uint32_t& received) {
  received = 0;
  if (const SysError error = use(Call::Read)) return error;
  auto* out = static_cast<char*>(buffer);
  const Clock start = now_;
  constexpr std::uint32_t kMaxDword = std::numeric_limits<std::uint32_t>::max();
  const bool atOnce = timeouts_.ReadIntervalTimeout == kMaxDword &&
                      timeouts_.ReadTotalTimeoutMultiplier == 0 &&
                      timeouts_.ReadTotalTimeoutConstant == 0;
  const auto total = static_cast<std::int64_t>(timeouts_.ReadTotalTimeoutMultiplier) * count +
                     timeouts_.ReadTotalTimeoutConstant;
  const bool useInterval = timeouts_.ReadIntervalTimeout != 0 && timeouts_.ReadIntervalTimeout != kMaxDword;
  Clock lastByte = start;

  auto takeReady = [&] {
    while (received < count && byteReady()) {
      out[received++] = takeByte();
      lastByte = now_;
    }
  };
  takeReady();
  while (received < count && !atOnce) {
    std::optional<Clock> limit;
    if (total != 0) limit = start + Clock{total};
    if (useInterval && received > 0) {
      const Clock intervalEnd = lastByte + Clock{timeouts_.ReadIntervalTimeout};
      limit = limit ? std::min(*limit, intervalEnd) : intervalEnd;
    }
    const bool nextInTime = !inputEmpty() && (!limit || input_[head_].at <= *limit);
    if (!nextInTime) {
      // A read with no limit and nothing scheduled would block for ever; give back what there is.
      if (limit) now_ = std::max(now_, *limit);
      break;
    }
    now_ = std::max(now_, input_[head_].at);
    takeReady();
  }
  if (keepRecords_ && now_ > start) waits_.push_back(now_ - start);
  return kSuccess;
}

SysError FakeSerialDevice::write(const void* buffer, std::uint32_t count, std::uint32_t& written) {
  written = 0;
  if (const SysError error = use(Call::Write)) return error;
  const std::string_view bytes(static_cast<const char*>(buffer), count);
  written = count;
  if (keepRecords_) {
    written_.append(bytes);
    writeCalls_.emplace_back(bytes);
  }
  matchWritten(bytes);
  return kSuccess;
}

SysError FakeSerialDevice::transmitChar(char byte) {
  if (const SysError error = use(Call::TransmitChar)) return error;
  if (keepRecords_) written_.push_back(byte);
  matchWritten(std::string_view(&byte, 1));
  return kSuccess;
}

SysError FakeSerialDevice::flush() { return use(Call::Flush); }

SysError FakeSerialDevice::purge(std::uint32_t mask) {
  if (const SysError error = use(Call::Purge)) return error;
  if (keepRecords_) purges_.push_back(mask);
  if (mask & (PURGE_RXCLEAR | PURGE_RXABORT)) {
    while (byteReady()) takeByte();
  }
  return kSuccess;
}

SysError FakeSerialDevice::clearCommError(std::uint32_t& errors, CommStatus& status) {
  if (const SysError error = use(Call::ClearCommError)) return error;
  errors = lineErrors_;
  lineErrors_ = 0;
  status.inQueue = static_cast<std::uint32_t>(inputQueued());
  status.outQueue = 0;
  return kSuccess;
}

SysError FakeSerialDevice::escape(std::uint32_t function) {
  if (const SysError error = use(Call::Escape)) return error;
  if (keepRecords_) escapes_.push_back(function);
  return kSuccess;
}

SysError FakeSerialDevice::close() {
  const SysError error = use(Call::Close);
  if (error == kSuccess) closed_ = true;
  return error;
}

}  // namespace platform::fake
