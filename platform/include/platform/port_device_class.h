#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/registry_key.h"

namespace platform {

// Access asked for when a device's hardware key opens.
enum class KeyAccess {
  Query,       // KEY_QUERY_VALUE
  QueryWrite,  // KEY_WRITE | KEY_QUERY_VALUE
};

// Identifies one device of a list while the list lives (a DEVINST on Windows).
using DeviceInstance = std::uint32_t;

// A snapshot of the present devices of the serial "Ports" class (a device information set on
// Windows). Destroying it releases the set.
class PortDeviceList {
 public:
  virtual ~PortDeviceList() = default;
  // The device at `index`, counted from 0 (SetupDiEnumDeviceInfo); false when there is none.
  virtual bool device(std::uint32_t index, DeviceInstance& instance) = 0;
  // Opens the device's hardware key (CM_Open_DevNode_Key, CM_REGISTRY_HARDWARE). On failure
  // returns null and sets `error`. The key outlives the list.
  virtual std::unique_ptr<RegistryKey> openDeviceKey(DeviceInstance instance, KeyAccess access,
                                                     SysError& error) = 0;
};

// The serial "Ports" device class of the machine. Its devices' keys hold the value
// "portname", the name under which the port opens (COM3, ttyUSB0).
class PortDeviceClass {
 public:
  virtual ~PortDeviceClass() = default;
  // Lists the present devices (SetupDiClassGuidsFromName "Ports" + SetupDiGetClassDevs with
  // DIGCF_PRESENT); null when no list can be made.
  virtual std::unique_ptr<PortDeviceList> makeList() = 0;
};

// The machine's own class: sysfs on Linux, the device installation services on Windows.
PortDeviceClass& systemPortDeviceClass();

// The class that port listings use: the system's unless replaced.
PortDeviceClass& portDeviceClass();
// Replaces the class that port listings use (demo mode, tests); null gives the system's back.
// The caller keeps `replacement` alive while it is in use.
void setPortDeviceClass(PortDeviceClass* replacement);

// Replaces the class for its own lifetime.
class ScopedPortDeviceClass {
 public:
  explicit ScopedPortDeviceClass(PortDeviceClass& replacement) { setPortDeviceClass(&replacement); }
  ~ScopedPortDeviceClass() { setPortDeviceClass(nullptr); }
  ScopedPortDeviceClass(const ScopedPortDeviceClass&) = delete;
  ScopedPortDeviceClass& operator=(const ScopedPortDeviceClass&) = delete;
};

// Room for a port name read from a device key, its terminating zero included.
inline constexpr std::uint32_t kPortNameCapacity = 200;

// Reads the "portname" value of a device key. A value that does not fit, or that fills all of
// kPortNameCapacity with no terminating zero, is a failed read (EOVERFLOW / ERROR_MORE_DATA).
SysError readPortName(RegistryKey& key, std::string& name);

// Whether a "portname" names a serial port: on the Windows families the class also holds
// printer ports, so only names beginning with "com" (any case) count; elsewhere the class
// holds serial ports only and every non-empty name counts.
bool isSerialPortName(const std::string& name);

// The serial port names of the class in use, in its order. A device whose key or name cannot
// be read is passed over, so one broken device does not hide the ports after it.
std::vector<std::string> listSerialPortNames();

}  // namespace platform
