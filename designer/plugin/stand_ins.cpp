#include "stand_ins.h"

#include <vector>

#include "portcontrol/port_control.h"
#include "standin/port_control_glyph.h"
#include "standin/port_control_icon.h"

namespace designerplugin {

const StandIn* standInFor(designtime::TComponentClass componentClass) {
  static const std::vector<StandIn> standIns = {
      {&TPortControl::staticMetaObject, QStringLiteral("TPortControlIcon"),
       QStringLiteral("standin/port_control_icon.h"), &standin::portControlGlyph,
       [](QWidget* parent) { return new TPortControlIcon(parent); }},
  };
  for (const StandIn& standIn : standIns) {
    if (standIn.componentClass == componentClass) return &standIn;
  }
  return nullptr;
}

}  // namespace designerplugin
