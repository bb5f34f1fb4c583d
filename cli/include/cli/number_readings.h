#pragma once

#include <optional>
#include <string_view>

namespace cli {

// A whole decimal number in the strict reading: the whole text must form it (an optional sign,
// then digits, nothing else) and it must fit an int. The register's decimal parameter fields and
// the speeds typed by the user are read this way.
std::optional<int> readDecimal(std::string_view text);

// A hexadecimal number in the lenient reading: leading blanks are skipped, a sign and a "0x"
// prefix are accepted, reading stops at the first character that is not a hexadecimal digit, and
// a text without digits reads as 0. Values beyond an int saturate. The register's hexadecimal
// parameter fields are read this way, so a field such as "1A " or "" never fails.
int readHexLenient(std::string_view text);

}  // namespace cli
