#include "designtime/device_name_property.h"

#include "portcontrol/port_control.h"

namespace designtime {

TPropertyAttributes TDeviceNameProperty::GetAttributes() { return paValueList; }

void TDeviceNameProperty::GetValues(const TGetStrProc& Proc) {
  // A listing begun elsewhere is left alone: ending it here would cut it short.
  if (TPortControl::BeginEnumeratePorts() == -27) return;
  for (;;) {
    const std::string name = TPortControl::EnumeratePorts();
    if (name.empty() || name == "0") break;
    Proc(name);
  }
  TPortControl::EndEnumeratePorts();
}

}  // namespace designtime
