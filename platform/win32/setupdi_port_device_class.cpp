#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "last_error.h"  // <windows.h> before the device installation headers
#include <setupapi.h>
#include <cfgmgr32.h>
#include "platform/ascii_case.h"
#include "platform/indexed_port_device_list.h"
#include "platform/memory_registry.h"
#include "platform/port_device_class.h"
#include "registry_key_win32.h"
#include "serialcomm_ports.h"

namespace platform {

namespace {

using OpenDevNodeKeyFunction = CONFIGRET(WINAPI*)(DEVINST, REGSAM, ULONG, REGDISPOSITION, PHKEY, ULONG);

// Taken from "cfgmgr32" at run time: a system without the entry still lists its SERIALCOMM ports.
OpenDevNodeKeyFunction openDevNodeKeyFunction() {
  static const OpenDevNodeKeyFunction function = [] {
    HMODULE module = LoadLibraryA("cfgmgr32");
    return module != nullptr
               ? reinterpret_cast<OpenDevNodeKeyFunction>(
                     reinterpret_cast<void*>(GetProcAddress(module, "CM_Open_DevNode_Key")))
               : nullptr;
  }();
  return function;
}

SysError errorOfConfigRet(CONFIGRET result) {
  switch (result) {
    case CR_NO_SUCH_REGISTRY_KEY: return ERROR_FILE_NOT_FOUND;
    case CR_ACCESS_DENIED: return ERROR_ACCESS_DENIED;
    case CR_OUT_OF_MEMORY: return ERROR_NOT_ENOUGH_MEMORY;
    default: return ERROR_GEN_FAILURE;
  }
}

// The present devices of the "Ports" class; the set made for the last class GUID that gives one.
HDEVINFO makePortsDeviceSet() {
  GUID guids[20];
  DWORD count = 0;
  if (!SetupDiClassGuidsFromNameA("Ports", guids, 20, &count)) return INVALID_HANDLE_VALUE;
  HDEVINFO kept = INVALID_HANDLE_VALUE;
  for (DWORD i = 0; i < std::min<DWORD>(count, 20); ++i) {
    HDEVINFO set = SetupDiGetClassDevsA(&guids[i], nullptr, nullptr, DIGCF_PRESENT);
    if (set == INVALID_HANDLE_VALUE) continue;
    if (kept != INVALID_HANDLE_VALUE) SetupDiDestroyDeviceInfoList(kept);
    kept = set;
  }
  return kept;
}

std::unique_ptr<RegistryKey> openDeviceHardwareKey(DEVINST devInst, KeyAccess access, SysError& error) {
  const OpenDevNodeKeyFunction open = openDevNodeKeyFunction();
  if (open == nullptr) {
    error = ERROR_PROC_NOT_FOUND;
    return nullptr;
  }
  const REGSAM rights = access == KeyAccess::Query ? KEY_QUERY_VALUE : KEY_WRITE | KEY_QUERY_VALUE;
  HKEY key = nullptr;
  const CONFIGRET result = open(devInst, rights, 0, RegDisposition_OpenExisting, &key, CM_REGISTRY_HARDWARE);
  if (result != CR_SUCCESS) {
    error = errorOfConfigRet(result);
    return nullptr;
  }
  error = kSuccess;
  return std::make_unique<win32::Win32RegistryKey>(key);
}

// One entry of the list: a device of the class, or a port that only SERIALCOMM names. Such a
// port has no device key of its own; it gets a read-only key holding its "portname".
struct PortEntry {
  DEVINST devInst = 0;
  std::string serialCommName;  // empty for a device of the class
};

// A device's instance is its entry's position, so SERIALCOMM ports need no made-up DEVINST.
class SetupDiPortDeviceList final : public IndexedPortDeviceList {
 public:
  SetupDiPortDeviceList(HDEVINFO set, std::vector<PortEntry> entries) : set_(set), entries_(std::move(entries)) {}
  ~SetupDiPortDeviceList() override {
    if (set_ != INVALID_HANDLE_VALUE) SetupDiDestroyDeviceInfoList(set_);
  }
  SetupDiPortDeviceList(const SetupDiPortDeviceList&) = delete;
  SetupDiPortDeviceList& operator=(const SetupDiPortDeviceList&) = delete;

 protected:
  std::size_t deviceCount() const override { return entries_.size(); }

  std::unique_ptr<RegistryKey> openKeyAt(std::size_t index, KeyAccess access, SysError& error) override {
    const PortEntry& entry = entries_[index];
    if (!entry.serialCommName.empty()) return serialCommKey(entry.serialCommName, access, error);
    return openDeviceHardwareKey(entry.devInst, access, error);
  }

 private:
  // A port without a device has no driver settings to write.
  static std::unique_ptr<RegistryKey> serialCommKey(const std::string& name, KeyAccess access, SysError& error) {
    if (access != KeyAccess::Query) {
      error = ERROR_ACCESS_DENIED;
      return nullptr;
    }
    auto values = std::make_shared<MemoryRegistryValues>();
    values->setString("portname", name);
    values->writeError = ERROR_ACCESS_DENIED;
    error = kSuccess;
    return std::make_unique<MemoryRegistryKey>(std::move(values));
  }

  HDEVINFO set_;
  std::vector<PortEntry> entries_;
};

class SetupDiPortDeviceClass final : public PortDeviceClass {
 public:
  std::unique_ptr<PortDeviceList> makeList() override {
    const HDEVINFO set = makePortsDeviceSet();
    std::vector<PortEntry> entries;
    std::vector<std::string> deviceNames;
    SP_DEVINFO_DATA info{};
    info.cbSize = sizeof info;
    for (DWORD index = 0; set != INVALID_HANDLE_VALUE && SetupDiEnumDeviceInfo(set, index, &info); ++index) {
      entries.push_back({info.DevInst, {}});
      deviceNames.push_back(devicePortName(info.DevInst));
    }
    // SERIALCOMM also names the class's own ports: each port is listed once.
    for (std::string& name : win32::serialCommPortNames()) {
      const bool listed = std::any_of(deviceNames.begin(), deviceNames.end(),
                                      [&](const std::string& known) { return equalsIgnoringCase(known, name); });
      if (!listed) entries.push_back({0, std::move(name)});
    }
    if (set == INVALID_HANDLE_VALUE && entries.empty()) return nullptr;
    return std::make_unique<SetupDiPortDeviceList>(set, std::move(entries));
  }

 private:
  static std::string devicePortName(DEVINST devInst) {
    SysError error = kSuccess;
    std::string name;
    if (auto key = openDeviceHardwareKey(devInst, KeyAccess::Query, error)) readPortName(*key, name);
    return name;
  }
};

}  // namespace

PortDeviceClass& systemPortDeviceClass() {
  static SetupDiPortDeviceClass portClass;
  return portClass;
}

}  // namespace platform
