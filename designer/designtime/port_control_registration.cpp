#include "designtime/port_control_registration.h"

#include "designtime/device_name_property.h"
#include "designtime/port_editor.h"
#include "portcontrol/port_control.h"

namespace designtime {

void Register(TDesignRegistry& Designer) {
  // The registration names the property's type by a type record made here, as the 8-bit
  // string type has no record of its own to point at.
  auto ansiString =
      std::make_unique<const TTypeInfo>(TTypeInfo{TTypeKind::tkLString, "AnsiString"});
  Designer.RegisterPropertyEditor(std::move(ansiString), &TPortControl::staticMetaObject, "Port",
                                  [](QObject* component, const std::string& name) {
                                    return std::make_unique<TDeviceNameProperty>(component, name);
                                  });
  Designer.RegisterComponents("Communications", {&TPortControl::staticMetaObject});
  Designer.RegisterComponentEditor(&TPortControl::staticMetaObject, [](QObject* component) {
    return std::make_unique<TPortEditor>(component);
  });
}

}  // namespace designtime
