#pragma once

#include <QPixmap>
#include <QString>
#include <functional>

#include "designtime/design_registry.h"
#include "standin/component_icon.h"

namespace designerplugin {

// The widget that carries a non-visual component class onto a form.
struct StandIn {
  designtime::TComponentClass componentClass;
  QString widgetClass;  // the class a form stores and a generated form creates
  QString includeFile;
  QPixmap (*glyph)(int size);
  std::function<TComponentIcon*(QWidget* parent)> create;
};

// The stand-in of a component class, or null when the plugin knows none.
const StandIn* standInFor(designtime::TComponentClass componentClass);

}  // namespace designerplugin
