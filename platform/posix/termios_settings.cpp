// termios2 (asm/termbits.h) carries any whole speed; it cannot share a file with <termios.h>.
#include <asm/termbits.h>
#include <sys/ioctl.h>

#include <cerrno>
#include <cstdint>

#include "platform/posix/termios_settings.h"

namespace platform::posix {

namespace {

struct StandardSpeed {
  std::uint32_t baud;
  unsigned int code;
};

// Speeds with their own Bxxx code; every other speed goes as BOTHER with the number itself.
constexpr StandardSpeed kStandardSpeeds[] = {
    {50, B50},           {75, B75},           {110, B110},         {134, B134},
    {150, B150},         {200, B200},         {300, B300},         {600, B600},
    {1200, B1200},       {1800, B1800},       {2400, B2400},       {4800, B4800},
    {9600, B9600},       {19200, B19200},     {38400, B38400},     {57600, B57600},
    {115200, B115200},   {230400, B230400},   {460800, B460800},   {500000, B500000},
    {576000, B576000},   {921600, B921600},   {1000000, B1000000}, {1152000, B1152000},
    {1500000, B1500000}, {2000000, B2000000}, {2500000, B2500000}, {3000000, B3000000},
    {3500000, B3500000}, {4000000, B4000000},
};

unsigned int speedCode(std::uint32_t baud) {
  for (const auto& speed : kStandardSpeeds) {
    if (speed.baud == baud) return speed.code;
  }
  return BOTHER;
}

constexpr unsigned int kSizeFlags[] = {CS5, CS6, CS7, CS8};  // for 5..8 data bits

// Indexed by the parity setting: none, odd, even, mark, space.
constexpr unsigned int kParityFlags[] = {0, PARENB | PARODD, PARENB, PARENB | PARODD | CMSPAR,
                                         PARENB | CMSPAR};

bool isValid(const LineSettings& s) {
  if (s.baudRate == 0) return false;  // speed 0 would hang the line up
  if (s.byteSize < 5 || s.byteSize > 8 || s.parity > 4 || s.stopBits > 2) return false;
  // One and a half stop bits exist only with five data bits, and two only with more.
  if (s.stopBits == 1 && s.byteSize != 5) return false;
  if (s.stopBits == 2 && s.byteSize == 5) return false;
  return true;
}

SysError getTermios(int fd, termios2& tio) {
  return ioctl(fd, TCGETS2, &tio) == 0 ? kSuccess : static_cast<SysError>(errno);
}

}  // namespace

SysError readLineSettings(int fd, LineSettings& settings) {
  termios2 tio{};
  if (const SysError error = getTermios(fd, tio)) return error;
  // The kernel keeps the actual number in c_ospeed for Bxxx codes and BOTHER alike.
  settings.baudRate = tio.c_ospeed;
  for (unsigned int bits = 0; bits < 4; ++bits) {
    if ((tio.c_cflag & CSIZE) == kSizeFlags[bits]) settings.byteSize = static_cast<std::uint8_t>(5 + bits);
  }
  const unsigned int parity = tio.c_cflag & (PARENB | PARODD | CMSPAR);
  settings.parity = 0;
  for (std::uint8_t p = 1; p < 5; ++p) {
    if (parity == kParityFlags[p]) settings.parity = p;
  }
  settings.stopBits = (tio.c_cflag & CSTOPB) == 0 ? 0 : settings.byteSize == 5 ? 1 : 2;
  if ((tio.c_cflag & CRTSCTS) != 0) settings.rtsControl = 2;
  return kSuccess;
}

SysError applyLineSettings(int fd, const LineSettings& settings) {
  if (!isValid(settings)) return EINVAL;
  termios2 tio{};
  if (const SysError error = getTermios(fd, tio)) return error;
  // Input speed follows output speed when CIBAUD is clear.
  tio.c_cflag &= ~static_cast<unsigned int>(CBAUD | CIBAUD | CSIZE | PARENB | PARODD | CMSPAR |
                                            CSTOPB | CRTSCTS);
  tio.c_cflag |= speedCode(settings.baudRate);
  tio.c_ispeed = tio.c_ospeed = settings.baudRate;
  tio.c_cflag |= kSizeFlags[settings.byteSize - 5] | kParityFlags[settings.parity];
  if (settings.stopBits != 0) tio.c_cflag |= CSTOPB;
  if (settings.rtsControl == 2) tio.c_cflag |= CRTSCTS;
  return ioctl(fd, TCSETS2, &tio) == 0 ? kSuccess : static_cast<SysError>(errno);
}

}  // namespace platform::posix
