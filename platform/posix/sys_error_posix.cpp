#include <cstring>

#include "platform/sys_error.h"

namespace platform {

std::string systemErrorText(SysError error) {
  char buffer[256] = {};
  // GNU strerror_r may return a static text instead of filling the buffer.
  const char* text = strerror_r(static_cast<int>(error), buffer, sizeof buffer);
  return text;
}

}  // namespace platform
