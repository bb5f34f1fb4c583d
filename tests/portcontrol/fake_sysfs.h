#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

// A sysfs tree in a temporary folder, laid out as the kernel does for ttys.
class FakeSysfs {
 public:
  FakeSysfs() {
    std::string pattern = (fs::temp_directory_path() / "sysfs.XXXXXX").string();
    root_ = ::mkdtemp(pattern.data());
    fs::create_directories(root_ / "class/tty");
  }
  ~FakeSysfs() { fs::remove_all(root_); }
  FakeSysfs(const FakeSysfs&) = delete;
  FakeSysfs& operator=(const FakeSysfs&) = delete;

  std::string root() const { return root_.string(); }

  // A tty whose device sits at devices/<devicePath>, bound to `driver` when that is not empty.
  fs::path tty(const std::string& name, const std::string& devicePath, const std::string& driver) {
    const fs::path device = root_ / "devices" / devicePath;
    fs::create_directories(device);
    if (!driver.empty()) {
      const fs::path driverDir = root_ / "bus/drivers" / driver;
      fs::create_directories(driverDir);
      if (!fs::exists(device / "driver")) fs::create_directory_symlink(driverDir, device / "driver");
    }
    const fs::path entry = root_ / "class/tty" / name;
    fs::create_directories(entry);
    fs::create_directory_symlink(device, entry / "device");
    return entry;
  }

  // A port of the 8250 driver; `type` is its UART type attribute, none when negative.
  void uart8250(const std::string& name, int type) {
    const fs::path entry = tty(name, "platform/serial8250", "serial8250");
    if (type >= 0) std::ofstream(entry / "type") << type << "\n";
  }

  // A terminal of the kernel's own, with no device link.
  void virtualTerminal(const std::string& name) { fs::create_directories(root_ / "class/tty" / name); }

  // An entry whose device link cannot be followed (ELOOP), readable whoever runs the test.
  void unreadable(const std::string& name) {
    const fs::path entry = root_ / "class/tty" / name;
    fs::create_directories(entry);
    fs::create_symlink(entry / "device", entry / "device");
  }

  void remove(const std::string& name) { fs::remove_all(root_ / "class/tty" / name); }

 private:
  fs::path root_;
};
