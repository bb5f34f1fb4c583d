#include "platform/memory_port_device_class.h"

#include "platform/indexed_port_device_list.h"

namespace platform {

class MemoryPortDeviceClass::List : public IndexedPortDeviceList {
 public:
  List(std::vector<Device> devices, std::shared_ptr<int> liveLists)
      : devices_(std::move(devices)), liveLists_(std::move(liveLists)) {
    ++*liveLists_;
  }
  ~List() override { --*liveLists_; }
  List(const List&) = delete;
  List& operator=(const List&) = delete;

  std::size_t deviceCount() const override { return devices_.size(); }

  std::unique_ptr<RegistryKey> openKeyAt(std::size_t index, KeyAccess /*access*/,
                                         SysError& error) override {
    const Device& device = devices_[index];
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
