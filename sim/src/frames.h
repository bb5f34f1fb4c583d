#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace sim {

inline constexpr char kSoh = 0x01, kEtx = 0x03, kEot = 0x04, kEnq = 0x05, kNak = 0x15, kSyn = 0x16;

struct Request {
  std::uint8_t seq = 0;
  std::uint8_t command = 0;
  std::string text;  // the parameter text, fields each followed by ";"
};

enum class FrameCheck { Incomplete, Good, Bad };

// Takes the first request frame out of `pending`, dropping anything before its SOH. Bad: the
// frame had a wrong length, end byte or checksum; it is consumed all the same.
FrameCheck takeRequest(std::string& pending, Request& request);

// SOH LEN SEQ CMD CODE ; DATA EOT S0..S5 ENQ BCC ETX. `spoilChecksum` sends a BCC one off.
std::string buildAnswer(std::uint8_t seq, std::uint8_t command, std::string_view code,
                        std::string_view data, const std::array<std::uint8_t, 6>& status,
                        bool spoilChecksum = false);

// The low 16 bits of `sum` as four characters 30h + digit, most significant first.
std::string checksumDigits(unsigned int sum);

}  // namespace sim
