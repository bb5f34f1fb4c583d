#include "request_frame.h"

#include <cstring>

namespace reglink {
namespace {

constexpr char SOH = 0x01;
constexpr char ENQ = 0x05;
constexpr char ETX = 0x03;

}  // namespace

std::size_t BuildRequestFrame(char* frame, std::uint8_t sequenceCounter, int command, const char* text,
                              std::size_t length) {
  frame[0] = SOH;
  frame[1] = static_cast<char>(0x20 + length + 4);
  // SEQ stays printable: 20h..7Eh.
  frame[2] = static_cast<char>(0x20 + sequenceCounter % 95);
  frame[3] = static_cast<char>(command & 0xFF);
  std::memcpy(frame + 4, text, length);
  frame[4 + length] = ENQ;

  std::uint32_t sum = 0;
  for (std::size_t i = 1; i <= 4 + length; ++i) sum += static_cast<std::uint8_t>(frame[i]);
  // Four 4-bit digits as 30h + digit: '0'..'9', then ':'..'?' (never letters).
  for (int digit = 0; digit < 4; ++digit) {
    frame[5 + length + digit] = static_cast<char>(0x30 + ((sum >> (12 - 4 * digit)) & 0x0F));
  }
  frame[9 + length] = ETX;
  return length + 10;
}

}  // namespace reglink
