#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/memory_registry.h"
#include "platform/port_device_class.h"

namespace platform {

// A "Ports" class held in memory: lists the ports it is given, in the order given, through the
// same path as the machine's class. Demo mode lists its simulated ports with it; tests build
// devices with FIFO values, unreadable keys, or a class that makes no list.
class MemoryPortDeviceClass : public PortDeviceClass {
 public:
  MemoryPortDeviceClass() = default;
  // One device per name, whose key holds only "portname".
  explicit MemoryPortDeviceClass(const std::vector<std::string>& portNames);

  // Adds a device whose key holds "portname" = `portName`; the returned values are the key's.
  std::shared_ptr<MemoryRegistryValues> addPort(const std::string& portName);
  // Adds a device whose key holds exactly `values`.
  void addDevice(std::shared_ptr<MemoryRegistryValues> values);
  // Adds a device whose hardware key does not open, failing with `error`.
  void addUnopenableDevice(SysError error);
  // While set, makeList() makes no list.
  void setListFails(bool fails) { listFails_ = fails; }
  // How many lists made by this class are still alive.
  int liveLists() const { return *liveLists_; }

  std::unique_ptr<PortDeviceList> makeList() override;

 private:
  struct Device {
    std::shared_ptr<MemoryRegistryValues> values;  // null: the key does not open
    SysError openError = kSuccess;
  };
  std::vector<Device> devices_;
  bool listFails_ = false;
  std::shared_ptr<int> liveLists_ = std::make_shared<int>(0);

  class List;
};

}  // namespace platform
