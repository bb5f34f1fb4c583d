#pragma once

#include <cstddef>
#include <cstring>

namespace reglink {

// Copies at most `room` - 1 characters of `text` and terminates the copy.
inline void CopyTruncated(char* destination, std::size_t room, const char* text) {
  const std::size_t length = ::strnlen(text, room - 1);
  std::memcpy(destination, text, length);
  destination[length] = '\0';
}

}  // namespace reglink
