#include "platform/platform_id.h"
#include "windows_api.h"

namespace platform {

int systemPlatformId() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
  // Every system this program runs on is of the NT family; the answer matters for the tests
  // that set the other family.
  if (!GetVersionExA(&info)) return kPlatformWindowsNT;
  return static_cast<int>(info.dwPlatformId);
}

}  // namespace platform
