#pragma once

#include <cerrno>
#include <cstddef>

#include "platform/port_device_class.h"

namespace platform {

// A device list held as a sequence: a device's instance is its position.
class IndexedPortDeviceList : public PortDeviceList {
 public:
  bool device(std::uint32_t index, DeviceInstance& instance) final {
    if (index >= deviceCount()) return false;
    instance = index;
    return true;
  }

  std::unique_ptr<RegistryKey> openDeviceKey(DeviceInstance instance, KeyAccess access,
                                             SysError& error) final {
    if (instance >= deviceCount()) {
      error = ENODEV;
      return nullptr;
    }
    return openKeyAt(instance, access, error);
  }

 protected:
  virtual std::size_t deviceCount() const = 0;
  // Opens the key of the device at `index`, which is below deviceCount().
  virtual std::unique_ptr<RegistryKey> openKeyAt(std::size_t index, KeyAccess access,
                                                 SysError& error) = 0;
};

}  // namespace platform
