#pragma once

#include "platform/sys_error.h"
#include "windows_api.h"

namespace platform::win32 {

// The error of the call that just failed, read at once. A failure never reads as success,
// even from a driver that forgot to set the last error.
inline SysError lastError() {
  const DWORD error = GetLastError();
  return error != ERROR_SUCCESS ? error : ERROR_GEN_FAILURE;
}

inline SysError resultOf(BOOL ok) { return ok ? kSuccess : lastError(); }

}  // namespace platform::win32
