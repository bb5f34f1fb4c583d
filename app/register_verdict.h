#pragma once

#include <string>

namespace reglink {
struct TCommandResult;
}

namespace app {

// True when the register answered and reported success. A rejected answer (NAK) or one that
// failed its checksum is never taken as success, whatever its result code says: its fields are
// not the register's.
bool answeredWell(const reglink::TCommandResult& result);

// Answer field `index` as text; a field that the answer does not carry is empty.
std::string answerField(const reglink::TCommandResult& result, int index);

}  // namespace app
