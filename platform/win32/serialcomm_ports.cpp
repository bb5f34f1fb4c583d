#include "serialcomm_ports.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "platform/registry_key.h"
#include "windows_api.h"

namespace platform::win32 {

namespace {

// Trailing numbers compare by value, so that COM10 follows COM9.
bool naturalLess(const std::string& a, const std::string& b) {
  const auto split = [](const std::string& name) {
    std::size_t digits = name.size();
    while (digits > 0 && std::isdigit(static_cast<unsigned char>(name[digits - 1]))) --digits;
    return std::pair{name.substr(0, digits), name.size() - digits};
  };
  const auto [stemA, lengthA] = split(a);
  const auto [stemB, lengthB] = split(b);
  if (stemA != stemB) return a < b;
  if (lengthA != lengthB) return lengthA < lengthB;
  return a < b;
}

}  // namespace

std::vector<std::string> serialCommPortNames() {
  std::vector<std::string> names;
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_QUERY_VALUE, &key) !=
      ERROR_SUCCESS) {
    return names;
  }
  for (DWORD index = 0;; ++index) {
    std::array<char, 256> valueName{};
    std::array<char, 256> data{};
    DWORD nameLength = valueName.size();
    DWORD dataLength = data.size() - 1;  // room for a terminating zero the value may lack
    DWORD type = REG_NONE;
    const LSTATUS status = RegEnumValueA(key, index, valueName.data(), &nameLength, nullptr, &type,
                                         reinterpret_cast<BYTE*>(data.data()), &dataLength);
    if (status == ERROR_NO_MORE_ITEMS) break;
    if (status != ERROR_SUCCESS || type != REG_SZ) continue;
    std::string name(data.data());
    if (!name.empty()) names.push_back(std::move(name));
  }
  RegCloseKey(key);
  std::sort(names.begin(), names.end(), naturalLess);
  return names;
}

}  // namespace platform::win32
