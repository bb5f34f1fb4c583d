#include "frames.h"

namespace sim {

namespace {

unsigned int sumOf(std::string_view bytes) {
  unsigned int sum = 0;
  for (char c : bytes) sum += static_cast<unsigned char>(c);
  return sum;
}

}  // namespace

std::string checksumDigits(unsigned int sum) {
  std::string digits(4, '0');
  for (int i = 3; i >= 0; --i, sum >>= 4) digits[static_cast<std::size_t>(i)] = static_cast<char>(0x30 + (sum & 0xF));
  return digits;
}

FrameCheck takeRequest(std::string& pending, Request& request) {
  const auto start = pending.find(kSoh);
  if (start == std::string::npos) {
    pending.clear();
    return FrameCheck::Incomplete;
  }
  pending.erase(0, start);
  if (pending.size() < 2) return FrameCheck::Incomplete;
  const auto len = static_cast<unsigned char>(pending[1]);
  if (len < 0x24) {  // shorter than LEN SEQ CMD ENQ
    pending.erase(0, 2);
    return FrameCheck::Bad;
  }
  const std::size_t enq = len - 0x20u;  // LEN counts the bytes from itself through ENQ
  const std::size_t total = enq + 6;    // then BCC and ETX
  if (pending.size() < total) return FrameCheck::Incomplete;
  const std::string frame = pending.substr(0, total);
  pending.erase(0, total);
  const std::string_view covered = std::string_view(frame).substr(1, enq);
  if (frame[enq] != kEnq || frame[total - 1] != kEtx ||
      frame.compare(enq + 1, 4, checksumDigits(sumOf(covered))) != 0) {
    return FrameCheck::Bad;
  }
  request.seq = static_cast<std::uint8_t>(frame[2]);
  request.command = static_cast<std::uint8_t>(frame[3]);
  request.text = frame.substr(4, enq - 4);
  return FrameCheck::Good;
}

std::string buildAnswer(std::uint8_t seq, std::uint8_t command, std::string_view code,
                        std::string_view data, const std::array<std::uint8_t, 6>& status,
                        bool spoilChecksum) {
  std::string frame(1, kSoh);
  frame += static_cast<char>(0x30 + data.size());
  frame += static_cast<char>(seq);
  frame += static_cast<char>(command);
  frame += code;
  frame += ';';
  frame += data;
  frame += kEot;
  for (std::uint8_t s : status) frame += static_cast<char>(s);
  frame += kEnq;
  frame += checksumDigits(sumOf(std::string_view(frame).substr(1)) + (spoilChecksum ? 1 : 0));
  frame += kEtx;
  return frame;
}

}  // namespace sim
