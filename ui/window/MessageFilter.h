// Hooks that see a window's messages before the host does.
#pragma once

#include "platform/user.h"

namespace Orvik {

// May set bHandled to stop further processing; the result is then the message's result.
class IMessageFilterUI {
public:
    virtual ~IMessageFilterUI() = default;
    virtual LRESULT FilterMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) = 0;
};

// 0 means translated: the message is not dispatched.
class ITranslateAccelerator {
public:
    virtual ~ITranslateAccelerator() = default;
    virtual LRESULT TranslateAccel(MSG* pMsg) = 0;
};

}  // namespace Orvik
