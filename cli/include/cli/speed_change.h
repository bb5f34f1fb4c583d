#pragma once

#include <optional>
#include <string>

#include "cli/link_session.h"
#include "cli/reports.h"
#include "link/reglink.h"

namespace cli {

// The register's own settings from its answer to 28h, read as the window reads them: fields 1
// and 6 strictly as decimal numbers, fields 2 to 5 leniently as hexadecimal; a field the answer
// does not carry reads as an empty text. On a failed decimal reading the result is empty and
// `error` holds the conversion error (code page 1251, it quotes the field).
std::optional<RegisterParams> readRegisterParams(const reglink::TCommandResult& answer,
                                                 std::string& error);

// The exchange of one step of the speed change.
enum class SpeedChangeStep { ReadParams, WriteParams };

// Empty when the answer is sound (it ended, was not rejected, passed its checksum and carries
// "0000"); otherwise the window's message for that step (code page 1251).
std::optional<std::string> stepFailure(SpeedChangeStep step, const reglink::TCommandResult& answer);

// Reprograms the register on `port`, now answering at `speed`, to the line speed `to`: reads its
// parameters with 28h and writes them back with 27h and the new speed. Nothing is written when
// the port does not open, the 28h answer is not sound or its parameters do not read.
SpeedChangeReport changeSpeed(reglink::RegisterLink& link, const std::string& port, int speed,
                              int to, const std::string& password,
                              const ExchangeObserver& onExchange);

}  // namespace cli
