#include "platform/port_device_class.h"

#include <array>
#include <cerrno>
#include <cstring>

#include "platform/ascii_case.h"
#include "platform/platform_id.h"

namespace platform {

namespace {
PortDeviceClass* replacementClass = nullptr;

}  // namespace

PortDeviceClass& portDeviceClass() {
  return replacementClass != nullptr ? *replacementClass : systemPortDeviceClass();
}

void setPortDeviceClass(PortDeviceClass* replacement) { replacementClass = replacement; }

SysError readPortName(RegistryKey& key, std::string& name) {
  std::array<char, kPortNameCapacity> buffer{};
  std::uint32_t size = kPortNameCapacity;
  if (const SysError error = key.queryValue("portname", nullptr, buffer.data(), size);
      error != kSuccess) {
    return error;
  }
  const void* zero = std::memchr(buffer.data(), 0, size);
  if (size == kPortNameCapacity && zero == nullptr) return EOVERFLOW;
  // A value stored without its zero still ends at the zeroed rest of the buffer.
  name.assign(buffer.data(), ::strnlen(buffer.data(), size));
  return kSuccess;
}

bool isSerialPortName(const std::string& name) {
  const int id = platformId();
  if (id == kPlatformWindows95 || id == kPlatformWindowsNT) return startsWithIgnoringCase(name, "com");
  return !name.empty();
}

std::vector<std::string> listSerialPortNames() {
  std::vector<std::string> names;
  const std::unique_ptr<PortDeviceList> list = portDeviceClass().makeList();
  if (!list) return names;
  DeviceInstance instance = 0;
  for (std::uint32_t index = 0; list->device(index, instance); ++index) {
    SysError error = kSuccess;
    const std::unique_ptr<RegistryKey> key = list->openDeviceKey(instance, KeyAccess::Query, error);
    std::string name;
    if (key && readPortName(*key, name) == kSuccess && isSerialPortName(name)) {
      names.push_back(std::move(name));
    }
  }
  return names;
}

}  // namespace platform
