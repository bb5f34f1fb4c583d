#pragma once

#include <cstdint>
#include <string_view>

#include "platform/sys_error.h"

namespace platform {

// Value types, as the Windows REG_ constants.
inline constexpr std::uint32_t REG_NONE = 0;
inline constexpr std::uint32_t REG_SZ = 1;
inline constexpr std::uint32_t REG_BINARY = 3;
inline constexpr std::uint32_t REG_DWORD = 4;

// An open registry key: a device's hardware key, or an in-memory stand-in. Destroying it closes
// the key. Calls return kSuccess or the system's error number taken at the failing call.
class RegistryKey {
 public:
  virtual ~RegistryKey() = default;

  // Reads value `name` into `data`, which has room for `size` bytes. On success `size` becomes
  // the value's length and `*type` (when `type` is not null) its type. A value longer than
  // `size` fails (ERROR_MORE_DATA on Windows, EOVERFLOW elsewhere) and nothing is copied; a
  // missing value fails with ERROR_FILE_NOT_FOUND / ENOENT.
  virtual SysError queryValue(std::string_view name, std::uint32_t* type, void* data,
                              std::uint32_t& size) = 0;
  // Creates or replaces value `name` with `size` bytes of `data`.
  virtual SysError setValue(std::string_view name, std::uint32_t type, const void* data,
                            std::uint32_t size) = 0;
};

}  // namespace platform
