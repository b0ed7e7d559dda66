// Container: routing events, keyboard and wheel scrolling.
#include "ui/controls/ContainerUI.h"
#include "ui/controls/ScrollBarUI.h"
#include "ui/controls/TreeRect.h"

// Virtual key codes of the paging keys, until the platform's keyboard header has them.
#ifndef VK_PRIOR
#define VK_PRIOR 0x21
#define VK_NEXT 0x22
#define VK_END 0x23
#define VK_HOME 0x24
#define VK_UP 0x26
#define VK_DOWN 0x28
#endif

namespace Orvik {

namespace {

bool BarTakesInput(const CScrollBarUI* pBar) {
    return pBar != nullptr && pBar->IsVisible() && pBar->IsEnabled();
}

}  // namespace

bool CContainerUI::ScrollKey(ControlEvent& event) {
    typedef void (CContainerUI::*ScrollFn)();
    struct KeyMap {
        BYTE key;
        ScrollFn vertical;
        ScrollFn horizontal;
    };
    static const KeyMap s_keys[] = {
        {VK_PRIOR, &CContainerUI::ScrollPageUp, &CContainerUI::ScrollPageLeft},
        {VK_NEXT, &CContainerUI::ScrollPageDown, &CContainerUI::ScrollPageRight},
        {VK_END, &CContainerUI::ScrollToBottom, &CContainerUI::ScrollToRight},
        {VK_HOME, &CContainerUI::ScrollToTop, &CContainerUI::ScrollToLeft},
        {VK_UP, &CContainerUI::ScrollLineUp, &CContainerUI::ScrollLineLeft},
        {VK_DOWN, &CContainerUI::ScrollLineDown, &CContainerUI::ScrollLineRight},
    };
    bool bVertical = BarTakesInput(m_pVerticalScrollBar);
    if (!bVertical && !BarTakesInput(m_pHorizontalScrollBar))
        return false;
    for (const KeyMap& k : s_keys)
        if (k.key == event.keyChar) {
            (this->*(bVertical ? k.vertical : k.horizontal))();
            return true;
        }
    return false;
}

bool CContainerUI::ScrollWheel(ControlEvent& event) {
    bool bDown = event.wParam != 0;
    if (BarTakesInput(m_pHorizontalScrollBar) &&
        PointInRect(m_pHorizontalScrollBar->GetBounds(), event.mousePoint)) {
        bDown ? ScrollLineRight() : ScrollLineLeft();
        return true;
    }
    if (BarTakesInput(m_pVerticalScrollBar)) {
        bDown ? ScrollLineDown() : ScrollLineUp();
        return true;
    }
    if (BarTakesInput(m_pHorizontalScrollBar)) {
        bDown ? ScrollLineRight() : ScrollLineLeft();
        return true;
    }
    return false;
}

void CContainerUI::ProcessEvent(ControlEvent& event) {
    bool bMouse = event.kind >= UIEVENT_MOUSE_FIRST && event.kind <= UIEVENT_MOUSE_LAST;
    if (!IsMouseEnabled() && bMouse) {
        if (m_pParent != nullptr)
            m_pParent->ProcessEvent(event);
        else
            CControlUI::ProcessEvent(event);
        return;
    }
    if (event.kind == UIEVENT_SETFOCUS || event.kind == UIEVENT_KILLFOCUS) {
        m_bFocused = event.kind == UIEVENT_SETFOCUS;
        return;
    }
    if (event.kind == UIEVENT_KEYDOWN && IsKeyboardEnabled() && IsEnabled() && ScrollKey(event))
        return;
    if (event.kind == UIEVENT_SCROLLWHEEL && ScrollWheel(event))
        return;
    CControlUI::ProcessEvent(event);
}

}  // namespace Orvik
