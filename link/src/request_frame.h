#pragma once

#include <cstddef>
#include <cstdint>

namespace reglink {

// Writes SOH LEN SEQ CMD text ENQ BCC ETX into `frame` (room for length + 10 bytes) for the
// request numbered `sequenceCounter`; returns the frame's length.
std::size_t BuildRequestFrame(char* frame, std::uint8_t sequenceCounter, int command, const char* text,
                              std::size_t length);

}  // namespace reglink
