#include "windows_api.h"

#include <string>

#include "platform/sys_error.h"

namespace platform {

std::string systemErrorText(SysError error) {
  char buffer[512] = {};
  // The user's default language; the text comes in the system's ANSI code page.
  const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
                                      MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), buffer, sizeof buffer, nullptr);
  std::string text(buffer, length);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) text.pop_back();
  if (text.empty()) text = "Unknown error " + std::to_string(error);
  return text;
}

}  // namespace platform
