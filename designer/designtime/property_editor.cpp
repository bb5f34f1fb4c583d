#include "designtime/property_editor.h"

#include <QObject>
#include <QVariant>

#include "platform/cp1251.h"

namespace designtime {

std::string TStringProperty::GetValue() {
  const QVariant value = Component()->property(PropertyName().c_str());
  return platform::cp1251::fromUtf8(value.toString().toStdString());
}

}  // namespace designtime
