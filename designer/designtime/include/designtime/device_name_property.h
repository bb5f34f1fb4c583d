#pragma once

#include "designtime/property_editor.h"

namespace designtime {

// The editor of TPortControl's Port: the machine's serial ports as a list of values.
class TDeviceNameProperty : public TStringProperty {
 public:
  using TStringProperty::TStringProperty;

  TPropertyAttributes GetAttributes() override;
  void GetValues(const TGetStrProc& Proc) override;
};

}  // namespace designtime
