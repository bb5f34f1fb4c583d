#include "platform/memory_registry.h"

#include <cerrno>
#include <cstring>

#include "platform/ascii_case.h"

namespace platform {

bool ValueNameLess::operator()(std::string_view a, std::string_view b) const {
  return lessIgnoringCase(a, b);
}

void MemoryRegistryValues::setString(const std::string& name, const std::string& text) {
  RegistryValue& value = values[name];
  value.type = REG_SZ;
  value.data.assign(text.begin(), text.end());
  value.data.push_back(0);
}

void MemoryRegistryValues::setDword(const std::string& name, std::uint32_t number) {
  RegistryValue& value = values[name];
  value.type = REG_DWORD;
  value.data.resize(sizeof number);
  std::memcpy(value.data.data(), &number, sizeof number);
}

void MemoryRegistryValues::setBinary(const std::string& name, std::vector<std::uint8_t> bytes) {
  values[name] = RegistryValue{REG_BINARY, std::move(bytes)};
}

MemoryRegistryKey::MemoryRegistryKey(std::shared_ptr<MemoryRegistryValues> values)
    : values_(std::move(values)) {}

SysError MemoryRegistryKey::queryValue(std::string_view name, std::uint32_t* type, void* data,
                                       std::uint32_t& size) {
  const auto found = values_->values.find(name);
  if (found == values_->values.end()) return ENOENT;
  const RegistryValue& value = found->second;
  const auto length = static_cast<std::uint32_t>(value.data.size());
  if (length > size) {
    size = length;
    return EOVERFLOW;
  }
  if (length > 0) std::memcpy(data, value.data.data(), length);
  size = length;
  if (type != nullptr) *type = value.type;
  return kSuccess;
}

SysError MemoryRegistryKey::setValue(std::string_view name, std::uint32_t type, const void* data,
                                     std::uint32_t size) {
  if (values_->writeError != kSuccess) return values_->writeError;
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  values_->values[std::string(name)] = RegistryValue{type, {bytes, bytes + size}};
  return kSuccess;
}

}  // namespace platform
