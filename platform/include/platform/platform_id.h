#pragma once

#include <optional>

namespace platform {

// The platform identifier of the running system, as the Windows VER_PLATFORM_ values.
inline constexpr int kPlatformWindows95 = 1;  // VER_PLATFORM_WIN32_WINDOWS
inline constexpr int kPlatformWindowsNT = 2;  // VER_PLATFORM_WIN32_NT
inline constexpr int kPlatformOther = 0;      // neither Windows family (Linux)

// The identifier in force: the system's, unless set for a test.
int platformId();
// The identifier the system reports.
int systemPlatformId();
// Sets the identifier that platformId() answers, so that code for either Windows family runs
// in tests anywhere; nullopt gives the system's back.
void setPlatformId(std::optional<int> id);

// Sets the identifier for its own lifetime.
class ScopedPlatformId {
 public:
  explicit ScopedPlatformId(int id) { setPlatformId(id); }
  ~ScopedPlatformId() { setPlatformId(std::nullopt); }
  ScopedPlatformId(const ScopedPlatformId&) = delete;
  ScopedPlatformId& operator=(const ScopedPlatformId&) = delete;
};

}  // namespace platform
