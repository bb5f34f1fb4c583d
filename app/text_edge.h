#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "platform/cp1251.h"

// The window is where code-page 1251 texts meet Qt's Unicode strings.
namespace app {

inline QString fromCp1251(std::string_view text) {
  return QString::fromStdString(platform::cp1251::toUtf8(text));
}

inline std::string toCp1251(const QString& text) {
  return platform::cp1251::fromUtf8(text.toStdString());
}

}  // namespace app
