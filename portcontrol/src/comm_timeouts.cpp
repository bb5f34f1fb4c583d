#include "portcontrol/port_control.h"

T1CommTimeouts::T1CommTimeouts(QObject* parent) : TPersistent(parent), ReadTotalTimeoutConstant(1000) {}

void T1CommTimeouts::Assign(const T1CommTimeouts& source) {
  ReadIntervalTimeout = source.ReadIntervalTimeout;
  ReadTotalTimeoutMultiplier = source.ReadTotalTimeoutMultiplier;
  ReadTotalTimeoutConstant = source.ReadTotalTimeoutConstant;
  WriteTotalTimeoutMultiplier = source.WriteTotalTimeoutMultiplier;
  WriteTotalTimeoutConstant = source.WriteTotalTimeoutConstant;
}

platform::CommTimeouts T1CommTimeouts::ToCommTimeouts() const {
  return {static_cast<std::uint32_t>(ReadIntervalTimeout),
          static_cast<std::uint32_t>(ReadTotalTimeoutMultiplier),
          static_cast<std::uint32_t>(ReadTotalTimeoutConstant),
          static_cast<std::uint32_t>(WriteTotalTimeoutMultiplier),
          static_cast<std::uint32_t>(WriteTotalTimeoutConstant)};
}
