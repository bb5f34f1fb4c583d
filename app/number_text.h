#pragma once

#include <cstdint>
#include <stdexcept>
#include <string_view>

namespace app {

// The conversion error that a strict number reading raises; the application shows it.
class EConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The whole text must be one decimal number (optional sign, digits, 32-bit range), else
// EConvertError.
std::int32_t strictDecimal(std::string_view text);

// Leading blanks skipped, optional sign and 0x prefix, reading stops at the first character that
// is not a hexadecimal digit; a text without digits reads as 0.
std::int32_t lenientHex(std::string_view text);

}  // namespace app
