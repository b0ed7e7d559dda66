// Internet connection state on Windows: the system's own.
#pragma once

#include "platform/win/windows_api.h"

#include <wininet.h>
