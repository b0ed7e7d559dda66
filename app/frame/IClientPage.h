// What the main window hands the client page: the messages it may act on.
#pragma once

#include "platform/win32_types.h"

class IClientPage {
public:
    virtual ~IClientPage() = default;
    virtual int HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) = 0;
};
