#pragma once

#include <ostream>

namespace cli {

// Exit statuses of speedconf-cli.
inline constexpr int kExitDone = 0;
inline constexpr int kExitNothingFound = 1;  // no register found, or the register refused
inline constexpr int kExitUsage = 2;         // bad usage or bad input

// Runs speedconf-cli on its arguments and returns its exit status. Results go to `out`; errors,
// progress (only when `errIsTerminal`) and the trace go to `err`. Never throws.
int runCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
                   bool errIsTerminal);

}  // namespace cli
