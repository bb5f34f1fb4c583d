#include "platform/ascii_case.h"
#include "platform/port_device_class.h"
#include "portcontrol/port_control.h"

namespace {

// One listing at a time in the whole program, as the class-wide operations share it.
bool EnumeratingPorts = false;
std::unique_ptr<platform::PortDeviceList> PortDeviceList;
std::uint32_t PortListIndex = 0;

}  // namespace

int TPortControl::BeginEnumeratePorts() {
  if (EnumeratingPorts) return -27;
  PortListIndex = 0;
  PortDeviceList = platform::portDeviceClass().makeList();
  EnumeratingPorts = PortDeviceList != nullptr;
  return EnumeratingPorts ? 0 : -27;
}

std::string TPortControl::EnumeratePorts() {
  while (PortDeviceList) {
    platform::DeviceInstance device = 0;
    if (!PortDeviceList->device(PortListIndex, device)) {
      PortDeviceList.reset();
      break;
    }
    platform::SysError error = platform::kSuccess;
    const auto key = PortDeviceList->openDeviceKey(device, platform::KeyAccess::Query, error);
    std::string name;
    // The index stays put, so a caller that went on would meet the same device again.
    if (!key || platform::readPortName(*key, name) != platform::kSuccess) return "0";
    ++PortListIndex;
    if (platform::isSerialPortName(name)) return name;
  }
  return {};
}

int TPortControl::EndEnumeratePorts() {
  EnumeratingPorts = false;
  PortListIndex = 0;
  PortDeviceList.reset();
  return 0;
}

std::unique_ptr<platform::RegistryKey> TPortControl::GetDeviceKey(const std::string& PortName) {
  if (EnumeratingPorts) return nullptr;
  // A list of its own: a key search never disturbs the state of a listing.
  const auto list = platform::portDeviceClass().makeList();
  if (!list) return nullptr;
  platform::DeviceInstance device = 0;
  for (std::uint32_t index = 0; list->device(index, device); ++index) {
    platform::SysError error = platform::kSuccess;
    auto key = list->openDeviceKey(device, platform::KeyAccess::QueryWrite, error);
    std::string name;
    if (!key || platform::readPortName(*key, name) != platform::kSuccess) return nullptr;
    if (platform::equalsIgnoringCase(name, PortName)) return key;
  }
  return nullptr;
}
