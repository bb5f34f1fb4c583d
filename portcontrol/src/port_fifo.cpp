#include <algorithm>
#include <array>
#include <climits>
#include <cstring>

#include "platform/platform_id.h"
#include "portcontrol/port_control.h"

namespace {

constexpr int kNotWindows = -24;
constexpr int kRegistryFailed = -25;
constexpr int kSizeNotAllowed = -26;

constexpr std::uint32_t kReceiveLevels[] = {1, 4, 8, 14};

// The 95 family keeps the settings in single bytes of the value "settings".
constexpr std::size_t kSettingsCapacity = 100;
constexpr std::size_t kSwitchByte = 0;
constexpr std::size_t kTransmitByte = 1;
constexpr std::size_t kReceiveByte = 3;
constexpr std::uint8_t kFifoOnBit = 0x02;

struct SizeCode {
  std::uint32_t size;
  std::uint8_t code;
};
constexpr SizeCode kTransmitCodes[] = {{1, 1}, {4, 6}, {8, 11}, {16, 16}};
constexpr SizeCode kReceiveCodes[] = {{1, 0x00}, {4, 0x40}, {8, 0x80}, {14, 0xC0}};

const SizeCode* byCode(bool receive, std::uint8_t code) {
  const auto& table = receive ? kReceiveCodes : kTransmitCodes;
  const auto* found = std::find_if(std::begin(table), std::end(table), [&](const SizeCode& c) { return c.code == code; });
  return found == std::end(table) ? nullptr : found;
}

const SizeCode* bySize(bool receive, std::uint32_t size) {
  const auto& table = receive ? kReceiveCodes : kTransmitCodes;
  const auto* found = std::find_if(std::begin(table), std::end(table), [&](const SizeCode& c) { return c.size == size; });
  return found == std::end(table) ? nullptr : found;
}

bool allowedOnNt(bool receive, std::uint32_t size) {
  if (!receive) return size >= 1 && size <= 16;
  return std::find(std::begin(kReceiveLevels), std::end(kReceiveLevels), size) != std::end(kReceiveLevels);
}

const char* ntValueName(bool receive) { return receive ? "RxFIFO" : "TxFIFO"; }

// The "settings" value of the 95 family, read whole and written back with its type and length.
struct Settings {
  std::array<std::uint8_t, kSettingsCapacity> bytes{};
  std::uint32_t type = 0;
  std::uint32_t size = kSettingsCapacity;

  bool read(platform::RegistryKey& key) {
    return key.queryValue("settings", &type, bytes.data(), size) == platform::kSuccess;
  }
  bool write(platform::RegistryKey& key) const {
    return key.setValue("settings", type, bytes.data(), size) == platform::kSuccess;
  }
  // A byte the value does not hold is not read as a made-up zero nor added on write.
  bool holds(std::size_t index) const { return index < size; }
};

bool writeDword(platform::RegistryKey& key, const char* name, std::uint32_t number) {
  return key.setValue(name, platform::REG_DWORD, &number, sizeof number) == platform::kSuccess;
}

// A stored number as a result; one that would read as a negative code is not a valid setting.
int readDword(platform::RegistryKey& key, const char* name) {
  std::uint32_t number = 0;
  std::uint32_t size = sizeof number;
  if (key.queryValue(name, nullptr, &number, size) != platform::kSuccess) return kRegistryFailed;
  return number > static_cast<std::uint32_t>(INT_MAX) ? kRegistryFailed : static_cast<int>(number);
}

// The key of the port's device and the platform family, or the code that ends the operation.
struct DeviceKey {
  std::unique_ptr<platform::RegistryKey> key;
  int family = 0;
  int failure = 0;
};

DeviceKey deviceKeyOf(const std::string& port) {
  DeviceKey result;
  result.key = TPortControl::GetDeviceKey(port);
  if (!result.key) {
    result.failure = kRegistryFailed;
    return result;
  }
  result.family = platform::platformId();
  if (result.family != platform::kPlatformWindowsNT && result.family != platform::kPlatformWindows95) {
    result.key.reset();
    result.failure = kNotWindows;
  }
  return result;
}

}  // namespace

int TPortControl::EnableFIFO(bool Enable) {
  DeviceKey device = deviceKeyOf(FPort);
  if (device.failure != 0) return device.failure;
  if (device.family == platform::kPlatformWindowsNT) {
    return writeDword(*device.key, "ForceFifoEnable", Enable ? 1 : 0) ? 0 : kRegistryFailed;
  }
  Settings settings;
  if (!settings.read(*device.key) || !settings.holds(kSwitchByte)) return kRegistryFailed;
  std::uint8_t& fifoSwitch = settings.bytes[kSwitchByte];
  fifoSwitch = Enable ? static_cast<std::uint8_t>(fifoSwitch | kFifoOnBit)
                      : static_cast<std::uint8_t>(fifoSwitch & ~kFifoOnBit);
  return settings.write(*device.key) ? 0 : kRegistryFailed;
}

int TPortControl::SetFIFOSize(bool Receive, std::uint32_t Size) {
  DeviceKey device = deviceKeyOf(FPort);
  if (device.failure != 0) return device.failure;
  if (device.family == platform::kPlatformWindowsNT) {
    if (!allowedOnNt(Receive, Size)) return kSizeNotAllowed;
    return writeDword(*device.key, ntValueName(Receive), Size) ? 0 : kRegistryFailed;
  }
  const SizeCode* code = bySize(Receive, Size);
  if (code == nullptr) return kSizeNotAllowed;
  Settings settings;
  const std::size_t index = Receive ? kReceiveByte : kTransmitByte;
  if (!settings.read(*device.key) || !settings.holds(index)) return kRegistryFailed;
  settings.bytes[index] = code->code;
  return settings.write(*device.key) ? 0 : kRegistryFailed;
}

int TPortControl::IsFIFOEnable() {
  DeviceKey device = deviceKeyOf(FPort);
  if (device.failure != 0) return device.failure;
  if (device.family == platform::kPlatformWindowsNT) return readDword(*device.key, "ForceFifoEnable");
  Settings settings;
  const bool read = settings.read(*device.key);
  device.key.reset();
  if (!read || !settings.holds(kSwitchByte)) return kRegistryFailed;
  switch (settings.bytes[kSwitchByte]) {
    case kFifoOnBit: return 1;
    case 0x00: return 0;
    default: return kRegistryFailed;
  }
}

int TPortControl::GetFIFOSize(bool Receive) {
  DeviceKey device = deviceKeyOf(FPort);
  if (device.failure != 0) return device.failure;
  if (device.family == platform::kPlatformWindowsNT) return readDword(*device.key, ntValueName(Receive));
  Settings settings;
  const bool read = settings.read(*device.key);
  device.key.reset();
  const std::size_t index = Receive ? kReceiveByte : kTransmitByte;
  if (!read || !settings.holds(index)) return kRegistryFailed;
  const SizeCode* code = byCode(Receive, settings.bytes[index]);
  return code == nullptr ? kRegistryFailed : static_cast<int>(code->size);
}
