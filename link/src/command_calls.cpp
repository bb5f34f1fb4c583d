#include <cstdio>

#include "link/register_link.h"

namespace reglink {
namespace {

constexpr int kDiagnosticInfo = 0x80;
constexpr int kGetRegisterParams = 0x28;
constexpr int kSetRegisterParams = 0x27;

const char* OrEmpty(const char* text) { return text != nullptr ? text : ""; }

void ClearStatus(int* status) {
  if (status != nullptr) *status = 0;
}

}  // namespace

TCommandResult* RegisterLink::GetDiagnosticInfo(const char* password, int* status) {
  std::snprintf(parameterText_, sizeof parameterText_, "%s;", OrEmpty(password));
  ClearStatus(status);
  return SendCommand(kDiagnosticInfo, parameterText_);
}

TCommandResult* RegisterLink::GetRegisterParams(const char* password, int* status) {
  std::snprintf(parameterText_, sizeof parameterText_, "%s;", OrEmpty(password));
  ClearStatus(status);
  return SendCommand(kGetRegisterParams, parameterText_);
}

TCommandResult* RegisterLink::SetRegisterParams(const char* password, int speed, int p2, int p3, int p4,
                                                int p5, int p6, int p7, int* status) {
  std::snprintf(parameterText_, sizeof parameterText_, "%s;%i;%i;%04X;%02X;%02X;%02X;%02i;", OrEmpty(password), speed,
                p2, static_cast<unsigned>(p3), static_cast<unsigned>(p4), static_cast<unsigned>(p5),
                static_cast<unsigned>(p6), p7);
  ClearStatus(status);
  return SendCommand(kSetRegisterParams, parameterText_);
}

}  // namespace reglink
