#pragma once

#include <string>

#include "link/command_result.h"

namespace reglink {

// True when the command succeeded (code "0000") and `text` is then empty. Otherwise false, and
// `text` holds the message for the result code (code page 1251; it may be empty); no answer at
// all gives "Device timeout! Error!".
bool ComposeErrorText(std::string& text, const TCommandResult& result);

}  // namespace reglink
