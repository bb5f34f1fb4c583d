#pragma once

#include <array>
#include <string>
#include <string_view>

namespace cli {

// How a port ends up after the search, in the window's four kinds.
enum class Outcome {
  Found,      // a register answered soundly: its identity fields are known
  Incorrect,  // a register answered, but with an error (or an unsound answer)
  Busy,       // the port could not be opened: held by another process, or gone
  Silent,     // no answer at any speed tried
};

inline constexpr std::size_t kIdentityFieldCount = 11;

// One port's result. Texts are code page 1251, as the register sent them.
struct PortReport {
  std::string port;
  Outcome outcome = Outcome::Silent;
  int speed = 0;  // Found, Incorrect: the speed at which the register answered
  std::array<std::string, kIdentityFieldCount> fields;  // Found: model first; missing ones empty
  std::string errorCode;                                // Incorrect: the code as received
  std::string message;                                  // Incorrect: what the code means
};

// A register counts as present when it answered at all, soundly or not, as in the window.
inline bool registerAnswered(const PortReport& report) {
  return report.outcome == Outcome::Found || report.outcome == Outcome::Incorrect;
}

// One speed change. `message` (code page 1251) says why it failed.
struct SpeedChangeReport {
  std::string port;
  int speed = 0;
  int to = 0;
  bool ok = false;
  std::string message;
};

}  // namespace cli
