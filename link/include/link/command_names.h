#pragma once

namespace reglink {

// Display name of a register command, in code page 1251; "Неверная команда" for a code the
// register does not define. Never null; the text lives as long as the program.
const char* CommandName(int command);

}  // namespace reglink
