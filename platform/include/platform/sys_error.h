#pragma once

#include <cstdint>
#include <string>

namespace platform {

// The system's error number, taken at the call that failed (errno on POSIX, GetLastError on
// Windows); 0 means the call succeeded. Every platform call returns one, so nobody has to read
// a "last error" later, when another call may already have replaced it.
using SysError = std::uint32_t;

inline constexpr SysError kSuccess = 0;

// The system's own text for an error number, without a trailing line end.
std::string systemErrorText(SysError error);

}  // namespace platform
