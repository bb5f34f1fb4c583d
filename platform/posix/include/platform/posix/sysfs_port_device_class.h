#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "platform/port_device_class.h"

namespace platform::posix {

// The UART type of a serial8250 port (0 = unknown, no UART behind it), or -1 when it cannot be
// learnt.
using UartTypeProbe = std::function<int(std::string_view portName)>;

// Asks the driver with TIOCGSERIAL: opens /dev/<portName> without writing a byte and closes it.
int probeUartType(std::string_view portName);

// The "Ports" class over sysfs: every <root>/class/tty/<name> whose `device` link resolves to a
// device with a driver, outside /devices/virtual/. serial8250 registers placeholder ports with
// no UART behind them; those (UART type 0, from the `type` attribute or, where it is missing,
// from `probe`) are left out. Devices come in natural name order (ttyS2 before ttyS10); each
// key holds "portname" = the kernel name, and refuses writes.
// An entry that cannot be examined (a link or attribute that does not read) stays in the list
// as a device whose key does not open.
class SysfsPortDeviceClass : public PortDeviceClass {
 public:
  explicit SysfsPortDeviceClass(std::string sysfsRoot = "/sys",
                                UartTypeProbe probe = probeUartType);

  std::unique_ptr<PortDeviceList> makeList() override;

 private:
  std::string root_;
  UartTypeProbe probe_;
};

// Whether `a` sorts before `b` with runs of digits compared as numbers.
bool naturalLess(std::string_view a, std::string_view b);

}  // namespace platform::posix
