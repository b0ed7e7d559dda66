// Internet connection state.
#pragma once

#ifdef _WIN32
// The real API, with the project's own extras.
#include "platform/win/wininet_win.h"
#else

#include "platform/win32_types.h"

#define INTERNET_CONNECTION_MODEM 0x01
#define INTERNET_CONNECTION_LAN 0x02
#define INTERNET_CONNECTION_PROXY 0x04
#define INTERNET_CONNECTION_OFFLINE 0x20
#define INTERNET_CONNECTION_CONFIGURED 0x40

// TRUE when an interface other than loopback is up and has an address; the
// flags then say LAN. The reserved value must be 0.
BOOL InternetGetConnectedState(LPDWORD lpdwFlags, DWORD dwReserved);

#endif  // _WIN32
