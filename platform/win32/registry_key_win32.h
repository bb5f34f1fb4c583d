#pragma once

#include "platform/registry_key.h"
#include "windows_api.h"

namespace platform::win32 {

// An open registry key; destroying it closes the key.
class Win32RegistryKey final : public RegistryKey {
 public:
  explicit Win32RegistryKey(HKEY key) : key_(key) {}
  ~Win32RegistryKey() override { RegCloseKey(key_); }
  Win32RegistryKey(const Win32RegistryKey&) = delete;
  Win32RegistryKey& operator=(const Win32RegistryKey&) = delete;

  SysError queryValue(std::string_view name, std::uint32_t* type, void* data, std::uint32_t& size) override;
  SysError setValue(std::string_view name, std::uint32_t type, const void* data, std::uint32_t size) override;

 private:
  HKEY key_;
};

}  // namespace platform::win32
