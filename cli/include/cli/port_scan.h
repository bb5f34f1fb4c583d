#pragma once

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "cli/link_session.h"
#include "cli/reports.h"
#include "link/reglink.h"
#include "platform/serial_device.h"

namespace cli {

// What one answer to the diagnostic command (80h) means for the search.
enum class AnswerVerdict {
  NoAnswer,   // silence at this speed: try the next one
  Incorrect,  // a register is there, but its answer is an error or unsound
  Found,
};

// Judges an answer as the window's search does: no answer first, then the verdict of
// ComposeErrorText. A rejected request or a bad checksum also makes the answer incorrect, so a
// corrupted identity is never shown as a found register. `message` (code page 1251) is set for
// an incorrect answer.
AnswerVerdict judgeDiagnosticAnswer(const reglink::TCommandResult& result, std::string& message);

struct ScanSettings {
  std::span<const int> speeds{reglink::kSearchSpeeds};  // tried in this order
  std::string password = reglink::kRegisterPassword;
  ExchangeObserver onExchange;                                              // may be empty
  std::function<void(const std::string& port, int attempt, int speed)> onAttempt;  // 1-based
  std::function<void(const PortReport& report)> onPortDone;                 // may be empty
};

// Tries the speeds on one port until a register answers or the port cannot be opened; each
// attempt opens and closes the link.
PortReport scanPort(reglink::RegisterLink& link, const std::string& port,
                    const ScanSettings& settings);

// Scans every port with a link of its own: in parallel each on its own thread, so that many
// ports cost the time of the slowest, or one after the other. Reports come in the order given.
std::vector<PortReport> scanPorts(platform::SerialPorts& serialPorts,
                                  const std::vector<std::string>& ports,
                                  const ScanSettings& settings, bool parallel);

}  // namespace cli
