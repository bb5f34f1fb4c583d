#include "platform/memory_port_device_class.h"

#include <cerrno>

namespace platform {

class MemoryPortDeviceClass::List : public PortDeviceList {
 public:
  List(std::vector<Device> devices, std::shared_ptr<int> liveLists)
      : devices_(std::move(devices)), liveLists_(std::move(liveLists)) {
    ++*liveLists_;
  }
  ~List() override { --*liveLists_; }
  List(const List&) = delete;
  List& operator=(const List&) = delete;

  bool device(std::uint32_t index, DeviceInstance& instance) override {
    if (index >= devices_.size()) return false;
    instance = index;
    return true;
  }

  std::unique_ptr<RegistryKey> openDeviceKey(DeviceInstance instance, KeyAccess /*access*/,
                                             SysError& error) override {
    if (instance >= devices_.size()) {
      error = ENODEV;
      return nullptr;
    }
    const Device& device = devices_[instance];
    if (!device.values) {
      error = device.openError;
      return nullptr;
    }
    return std::make_unique<MemoryRegistryKey>(device.values);
  }

 private:
  std::vector<Device> devices_;
  std::shared_ptr<int> liveLists_;
};

MemoryPortDeviceClass::MemoryPortDeviceClass(const std::vector<std::string>& portNames) {
  for (const std::string& name : portNames) addPort(name);
}

std::shared_ptr<MemoryRegistryValues> MemoryPortDeviceClass::addPort(const std::string& portName) {
  auto values = std::make_shared<MemoryRegistryValues>();
  values->setString("portname", portName);
  addDevice(values);
  return values;
}

void MemoryPortDeviceClass::addDevice(std::shared_ptr<MemoryRegistryValues> values) {
  devices_.push_back(Device{std::move(values), kSuccess});
}

void MemoryPortDeviceClass::addUnopenableDevice(SysError error) {
  devices_.push_back(Device{nullptr, error});
}

std::unique_ptr<PortDeviceList> MemoryPortDeviceClass::makeList() {
  if (listFails_) return nullptr;
  return std::make_unique<List>(devices_, liveLists_);
}

}  // namespace platform
