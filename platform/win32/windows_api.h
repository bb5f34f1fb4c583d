#pragma once

// <windows.h> for the backend. It defines the serial constants as macros, which would clobber
// the typed constants of the same names and values in platform/serial_device.h and
// platform/registry_key.h: they go.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#undef PURGE_TXABORT
#undef PURGE_RXABORT
#undef PURGE_TXCLEAR
#undef PURGE_RXCLEAR
#undef SETXOFF
#undef SETXON
#undef SETRTS
#undef CLRRTS
#undef SETDTR
#undef CLRDTR
#undef SETBREAK
#undef CLRBREAK
#undef CE_RXOVER
#undef CE_OVERRUN
#undef CE_RXPARITY
#undef CE_FRAME
#undef CE_BREAK
#undef REG_NONE
#undef REG_SZ
#undef REG_BINARY
#undef REG_DWORD
