#pragma once

#include <cstddef>

namespace reglink {

// Where the byte-by-byte receive code begins, and how much of it to keep resident.
const void* ReceiverCodeStart();
inline constexpr std::size_t kReceiverCodeSize = 8192;

}  // namespace reglink
