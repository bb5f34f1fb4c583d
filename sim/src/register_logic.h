#pragma once

#include <string>

#include "frames.h"
#include "sim/register_config.h"

namespace sim {

struct Reply {
  std::string code;  // "0000" on success
  std::string data;  // answer fields, each followed by ";"
  int newSpeed = 0;  // after a successful 27h: the speed to switch to once the answer is out
};

// What a sound register answers to a well-formed request. A successful 27h stores the new
// parameters in `config`.
Reply answerRequest(const Request& request, RegisterConfig& config, int currentSpeed);

}  // namespace sim
