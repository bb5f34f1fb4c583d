#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry_key.h"

namespace platform {

struct RegistryValue {
  std::uint32_t type = REG_NONE;
  std::vector<std::uint8_t> data;
  friend bool operator==(const RegistryValue&, const RegistryValue&) = default;
};

// Value names compare without regard to case, as in the registry.
struct ValueNameLess {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const;
};

// The values of one in-memory key. Keys opened on it share it, so whoever made it sees what
// they wrote after they are closed.
struct MemoryRegistryValues {
  std::map<std::string, RegistryValue, ValueNameLess> values;
  // When set, every write fails with this error number (a key without write access).
  SysError writeError = kSuccess;

  void setString(const std::string& name, const std::string& text);  // REG_SZ with its zero
  void setDword(const std::string& name, std::uint32_t number);
  void setBinary(const std::string& name, std::vector<std::uint8_t> bytes);
};

// A registry key held in memory: the keys of listed-by-name port devices (demo mode) and of
// the devices that tests make.
class MemoryRegistryKey : public RegistryKey {
 public:
  explicit MemoryRegistryKey(std::shared_ptr<MemoryRegistryValues> values);

  SysError queryValue(std::string_view name, std::uint32_t* type, void* data,
                      std::uint32_t& size) override;
  SysError setValue(std::string_view name, std::uint32_t type, const void* data,
                    std::uint32_t size) override;

 private:
  std::shared_ptr<MemoryRegistryValues> values_;
};

}  // namespace platform
