#pragma once

#include <cstdint>
#include <string>

namespace designtime {

// The kind of a type information record, numbered as component streaming numbers them; a
// property editor is registered for the properties of one type.
enum class TTypeKind : std::uint8_t {
  tkLString = 10,  // long 8-bit string (AnsiString)
};

// The type information record a property editor registration names.
struct TTypeInfo {
  TTypeKind Kind;
  std::string Name;
};

}  // namespace designtime
