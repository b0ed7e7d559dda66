// A named notification a control sends to the window's listeners.
#pragma once

#include "platform/win32_types.h"
#include "ui/core/UIString.h"

namespace Orvik {

class CControlUI;

struct NotifyRecord {
    CUIString type;
    // The sender's virtual window when the host stamps notifications.
    CUIString virtualWindow;
    // Null when the sender was destroyed while the notification waited.
    CControlUI* sender = nullptr;
    DWORD timestamp = 0;
    POINT mousePoint = {0, 0};
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

// Receives every notification of the host it is registered with.
class INotifyUI {
public:
    virtual ~INotifyUI() = default;
    virtual void HandleNotify(NotifyRecord& msg) = 0;
};

}  // namespace Orvik
