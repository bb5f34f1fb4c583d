#include "link/register_link.h"

namespace reglink {

RegisterLink& defaultLink() {
  static RegisterLink link;
  return link;
}

int OpenLink(const char* portName, int baud) { return defaultLink().OpenLink(portName, baud); }

void CloseLink() { defaultLink().CloseLink(); }

TCommandResult* SendCommand(int command, const char* text) { return defaultLink().SendCommand(command, text); }

TCommandResult* GetDiagnosticInfo(const char* password, int* status) {
  return defaultLink().GetDiagnosticInfo(password, status);
}

TCommandResult* GetRegisterParams(const char* password, int* status) {
  return defaultLink().GetRegisterParams(password, status);
}

TCommandResult* SetRegisterParams(const char* password, int speed, int p2, int p3, int p4, int p5, int p6,
                                  int p7, int* status) {
  return defaultLink().SetRegisterParams(password, speed, p2, p3, p4, p5, p6, p7, status);
}

}  // namespace reglink
