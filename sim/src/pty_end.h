#pragma once

#include <string>

namespace sim {

// The register's end of a fresh pseudo-terminal. It keeps a descriptor of the slave side open
// too, so the line and its settings live between the tool's opens and the master never reads
// as hung up while no tool has the port.
class PtyEnd {
 public:
  PtyEnd();  // throws std::system_error when the system has no pseudo-terminal to give
  ~PtyEnd();
  PtyEnd(const PtyEnd&) = delete;
  PtyEnd& operator=(const PtyEnd&) = delete;

  int master() const { return master_; }
  const std::string& name() const { return name_; }
  // Closes both sides: the tool's end of the line hangs up.
  void vanish();

 private:
  int master_ = -1;
  int slave_ = -1;
  std::string name_;
};

}  // namespace sim
