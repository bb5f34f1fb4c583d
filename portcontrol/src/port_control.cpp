#include "portcontrol/port_control.h"

#include <array>
#include <cstdio>

#include "platform/cp1251.h"
#include "platform/platform_id.h"
#include "platform/sys_error.h"
#include "portcontrol/port_name_rule.h"

TPortControl::TPortControl(TComponent* AOwner)
    : TComponent(AOwner), FTimeout(new T1CommTimeouts(this)), ports_(nullptr),
      process_(platform::systemProcessControl()) {}

TPortControl::TPortControl(TComponent* AOwner, platform::SerialPorts& ports,
                           platform::ProcessControl& process)
    : TComponent(AOwner), FTimeout(new T1CommTimeouts(this)), ports_(&ports), process_(process) {}

TPortControl::~TPortControl() {
  // The saved priorities die with the component; nobody could give them back later.
  if (FSessionOpen) RestoreSession();
}

platform::SerialPorts& TPortControl::Ports() const {
  return ports_ != nullptr ? *ports_ : platform::systemSerialPorts();
}

void TPortControl::SetTimeout(T1CommTimeouts* Value) {
  if (Value != nullptr && Value != FTimeout) FTimeout->Assign(*Value);
}

void TPortControl::SetNumPort(const std::string& Value) {
  if (FHandle) return;
  if (std::optional<std::string> name = acceptedPortName(Value, platform::platformId())) {
    FPort = std::move(*name);
  }
}

QString TPortControl::PortText() const {
  return QString::fromStdString(platform::cp1251::toUtf8(FPort));
}

void TPortControl::SetPortText(const QString& text) {
  SetNumPort(platform::cp1251::fromUtf8(text.toStdString()));
}

std::uint32_t TPortControl::BaudRateValue(speed value) {
  static constexpr std::array<std::uint32_t, 15> kRates = {
      256000, 128000, 115200, 57600, 56000, 38400, 19200, 11400,
      9600,   4800,   2400,   1200,  600,   300,   110};
  return kRates.at(value);
}

std::uint8_t TPortControl::ParityValue(parity value) {
  static constexpr std::array<std::uint8_t, 4> kParities = {0, 2, 3, 1};  // NO, EVEN, MARK, ODD
  return kParities.at(value);
}

int TPortControl::Succeed() {
  FLastError = 0;
  FDescr.clear();
  return 0;
}

int TPortControl::FailFixed(int code, const char* text) {
  FLastError = 0;
  if (FEnableDescr) FDescr = text;
  return code;
}

int TPortControl::FailSystem(int code, platform::SysError error) {
  FLastError = error;
  if (FEnableDescr) ErrorString(FLastError);
  return code;
}

void TPortControl::ErrorString(std::uint32_t Code) {
  // An HRESULT of FACILITY_WINDOWS carries the system code in its low 16 bits.
  constexpr std::uint32_t kFacilityWindows = 8;
  if (((Code >> 16) & 0x1FFFu) == kFacilityWindows) Code &= 0xFFFFu;
  char code[32];
  std::snprintf(code, sizeof code, "%lx", static_cast<unsigned long>(Code));
  // The system's own message ends in a line end; the code goes on a line of its own below it.
  FDescr = platform::systemErrorText(Code) + "\r\n\nError = 0x" + code;
}
