#pragma once

#include <string>
#include <vector>

namespace platform::win32 {

// The port names listed under HKLM\HARDWARE\DEVICEMAP\SERIALCOMM, in natural order (COM2 before
// COM10). Virtual ports appear only there, and so do all ports under Wine.
std::vector<std::string> serialCommPortNames();

}  // namespace platform::win32
