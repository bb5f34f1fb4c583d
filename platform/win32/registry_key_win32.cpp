#include "registry_key_win32.h"

#include <algorithm>
#include <string>
#include <vector>

namespace platform::win32 {

SysError Win32RegistryKey::queryValue(std::string_view name, std::uint32_t* type, void* data, std::uint32_t& size) {
  // Read into room of our own: the system may leave part of a value that did not fit in the
  // caller's buffer, and the caller is promised nothing is copied then.
  std::vector<BYTE> room(size + 1);  // never empty, so never a null buffer
  DWORD length = size;
  DWORD valueType = REG_NONE;
  const LSTATUS status =
      RegQueryValueExA(key_, std::string(name).c_str(), nullptr, &valueType, room.data(), &length);
  if (status != ERROR_SUCCESS) return static_cast<SysError>(status);
  std::copy(room.begin(), room.begin() + length, static_cast<BYTE*>(data));
  size = length;
  if (type != nullptr) *type = valueType;
  return kSuccess;
}

SysError Win32RegistryKey::setValue(std::string_view name, std::uint32_t type, const void* data, std::uint32_t size) {
  return static_cast<SysError>(
      RegSetValueExA(key_, std::string(name).c_str(), 0, type, static_cast<const BYTE*>(data), size));
}

}  // namespace platform::win32
