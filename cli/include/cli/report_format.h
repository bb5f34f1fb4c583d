#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <vector>

#include "cli/reports.h"

namespace cli {

// Everything here turns code page 1251 texts into UTF-8: this is the terminal's and JSON's edge.

std::string_view outcomeName(Outcome outcome);  // "found", "incorrect", "busy", "silent"

// {"port":..., "outcome":..., and per outcome "speed", "fields" or "error_code", "message"}.
nlohmann::json portJson(const PortReport& report);
// {"ports":[portJson...]} in the order given.
nlohmann::json scanJson(const std::vector<PortReport>& reports);
// {"port":..., "speed":..., "to":..., "ok":..., and "message" on failure}.
nlohmann::json speedChangeJson(const SpeedChangeReport& report);
// One line of JSON; a byte that is not UTF-8 (say, in a port name typed by the user) becomes U+FFFD.
std::string dumpJson(const nlohmann::json& json);

// A table with a line per port: port, outcome, speed, then the model or the error.
std::string scanText(const std::vector<PortReport>& reports);
// The eleven identity fields of a found register under the window's labels, with port and speed.
std::string infoText(const PortReport& report);
// Why a register was not shown: "pts/3: no answer at 9600 baud", and so on.
std::string attemptFailureText(const PortReport& report, int speed);
// "pts/3: 9600 -> 38400 done", or the failure message.
std::string speedChangeText(const SpeedChangeReport& report);

}  // namespace cli
