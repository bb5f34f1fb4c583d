#include "platform/posix/sysfs_port_device_class.h"

#include "platform/ascii_case.h"
#include "platform/indexed_port_device_list.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/serial.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <vector>

namespace platform::posix {

namespace {

constexpr std::string_view kPlaceholderDriver = "serial8250";

struct Entry {
  std::string name;
  SysError error = kSuccess;  // not 0: the entry could not be examined and its key does not open
};

enum class Verdict { Skip, Port, Unreadable };

// realpath(); a missing target is "no such link", anything else an error worth reporting.
SysError resolve(const std::string& path, std::string& resolved) {
  char buffer[PATH_MAX];
  if (::realpath(path.c_str(), buffer) == nullptr) return static_cast<SysError>(errno);
  resolved = buffer;
  return kSuccess;
}

// Reads an integer attribute such as `type`.
SysError readNumber(const std::string& path, int& number) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return static_cast<SysError>(errno);
  char text[32] = {};
  const ssize_t length = ::read(fd, text, sizeof text - 1);
  const int readError = length < 0 ? errno : 0;
  ::close(fd);
  if (readError != 0) return static_cast<SysError>(readError);
  char* end = nullptr;
  const long value = std::strtol(text, &end, 10);
  if (end == text) return EINVAL;
  number = static_cast<int>(value);
  return kSuccess;
}

class SysfsKey : public RegistryKey {
 public:
  explicit SysfsKey(std::string portName) : portName_(std::move(portName)) {}

  SysError queryValue(std::string_view name, std::uint32_t* type, void* data,
                      std::uint32_t& size) override {
    if (!equalsIgnoringCase(name, "portname")) return ENOENT;
    const auto length = static_cast<std::uint32_t>(portName_.size() + 1);
    if (length > size) {
      size = length;
      return EOVERFLOW;
    }
    std::memcpy(data, portName_.c_str(), length);
    size = length;
    if (type != nullptr) *type = REG_SZ;
    return kSuccess;
  }

  // The kernel's device tree is no place for driver settings.
  SysError setValue(std::string_view, std::uint32_t, const void*, std::uint32_t) override {
    return EROFS;
  }

 private:
  std::string portName_;
};

class SysfsList : public IndexedPortDeviceList {
 public:
  SysfsList(std::string ttyDir, std::vector<Entry> entries)
      : ttyDir_(std::move(ttyDir)), entries_(std::move(entries)) {}

  std::size_t deviceCount() const override { return entries_.size(); }

  std::unique_ptr<RegistryKey> openKeyAt(std::size_t index, KeyAccess /*access*/,
                                         SysError& error) override {
    const Entry& entry = entries_[index];
    if (entry.error != kSuccess) {
      error = entry.error;
      return nullptr;
    }
    // The device may have gone (a USB adapter pulled out) since the list was made.
    struct stat status {};
    if (::lstat((ttyDir_ + "/" + entry.name).c_str(), &status) != 0) {
      error = static_cast<SysError>(errno);
      return nullptr;
    }
    return std::make_unique<SysfsKey>(entry.name);
  }

 private:
  std::string ttyDir_;
  std::vector<Entry> entries_;
};

}  // namespace

int probeUartType(std::string_view portName) {
  if (portName.find('/') != std::string_view::npos) return -1;
  const std::string path = "/dev/" + std::string(portName);
  const int fd = ::open(path.c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return -1;
  serial_struct serial{};
  const int result = ::ioctl(fd, TIOCGSERIAL, &serial);
  ::close(fd);
  return result == 0 ? serial.type : -1;
}

SysfsPortDeviceClass::SysfsPortDeviceClass(std::string sysfsRoot, UartTypeProbe probe)
    : root_(std::move(sysfsRoot)), probe_(std::move(probe)) {}

std::unique_ptr<PortDeviceList> SysfsPortDeviceClass::makeList() {
  const std::string ttyDir = root_ + "/class/tty";
  DIR* dir = ::opendir(ttyDir.c_str());
  if (dir == nullptr) return nullptr;

  std::vector<Entry> entries;
  while (const dirent* item = ::readdir(dir)) {
    const std::string name = item->d_name;
    if (name == "." || name == "..") continue;
    const std::string entryDir = ttyDir + "/" + name;

    const auto examine = [&](SysError& error) -> Verdict {
      std::string device;
      error = resolve(entryDir + "/device", device);
      if (error == ENOENT) return Verdict::Skip;  // a virtual terminal has no device link
      if (error != kSuccess) return Verdict::Unreadable;
      if (device.find("/devices/virtual/") != std::string::npos) return Verdict::Skip;
      std::string driver;
      error = resolve(device + "/driver", driver);
      if (error == ENOENT) return Verdict::Skip;  // no driver bound: nothing answers there
      if (error != kSuccess) return Verdict::Unreadable;
      if (driver.substr(driver.rfind('/') + 1) != kPlaceholderDriver) return Verdict::Port;
      // `type` is readable by root only; others ask the driver. An unknown type is a placeholder.
      int uartType = 0;
      if (readNumber(entryDir + "/type", uartType) != kSuccess) uartType = probe_ ? probe_(name) : -1;
      return uartType > 0 ? Verdict::Port : Verdict::Skip;
    };

    SysError error = kSuccess;
    switch (examine(error)) {
      case Verdict::Skip: break;
      case Verdict::Port: entries.push_back(Entry{name, kSuccess}); break;
      case Verdict::Unreadable: entries.push_back(Entry{name, error}); break;
    }
  }
  ::closedir(dir);

  std::sort(entries.begin(), entries.end(),
            [](const Entry& a, const Entry& b) { return naturalLess(a.name, b.name); });
  return std::make_unique<SysfsList>(ttyDir, std::move(entries));
}

bool naturalLess(std::string_view a, std::string_view b) {
  const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < a.size() && j < b.size()) {
    if (isDigit(a[i]) && isDigit(b[j])) {
      std::size_t endA = i;
      std::size_t endB = j;
      while (endA < a.size() && isDigit(a[endA])) ++endA;
      while (endB < b.size() && isDigit(b[endB])) ++endB;
      // Leading zeros do not make a number larger.
      while (i + 1 < endA && a[i] == '0') ++i;
      while (j + 1 < endB && b[j] == '0') ++j;
      const std::string_view numberA = a.substr(i, endA - i);
      const std::string_view numberB = b.substr(j, endB - j);
      if (numberA.size() != numberB.size()) return numberA.size() < numberB.size();
      if (numberA != numberB) return numberA < numberB;
      i = endA;
      j = endB;
    } else {
      if (a[i] != b[j]) return a[i] < b[j];
      ++i;
      ++j;
    }
  }
  return a.size() - i < b.size() - j;
}

}  // namespace platform::posix

namespace platform {

PortDeviceClass& systemPortDeviceClass() {
  static posix::SysfsPortDeviceClass sysfs;
  return sysfs;
}

}  // namespace platform
