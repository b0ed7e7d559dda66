// Window host: key events, keyboard pre-processing, Tab and shortcuts, accelerators.
#include <cctype>
#include <cstring>

#include "platform/user.h"
#include "ui/window/WindowHostShared.h"
#include "ui/window/WindowHostUI.h"

namespace Orvik {

namespace {

// The first enabled, visible control at or after a matching shortcut that is
// not a label: a label's shortcut selects the control that follows it.
struct ShortcutWalk {
    char chKey = 0;
    bool bFound = false;
    IControlNodeUI* pAnswer = nullptr;
};

CControlUI* VisitShortcut(IControlNodeUI* pNode, LPVOID pData) {
    auto* pWalk = static_cast<ShortcutWalk*>(pData);
    if (!pNode->IsVisible())
        return nullptr;
    char chShortcut =
        static_cast<char>(std::toupper(static_cast<unsigned char>(pNode->GetShortcut())));
    if (chShortcut != 0 && chShortcut == pWalk->chKey)
        pWalk->bFound = true;
    if (pWalk->bFound && std::strstr(pNode->GetTypeName(), "Label") == nullptr) {
        pWalk->pAnswer = pNode;
        return pNode->GetControl();
    }
    return nullptr;
}

}  // namespace

bool CWindowHostUI::HandleKeyMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (m_pRoot == nullptr)
        return false;
    ControlEvent event;
    IControlNodeUI* pTarget = nullptr;
    if (uMsg == WM_KEYDOWN || uMsg == WM_CHAR) {
        pTarget = m_pFocus;
        if (uMsg == WM_KEYDOWN)
            m_pEventKey = m_pFocus;
    } else if (uMsg == WM_KEYUP) {
        pTarget = m_pEventKey;
        m_pEventKey = nullptr;
    }
    if (pTarget == nullptr)
        return false;
    int kind = uMsg == WM_KEYDOWN ? UIEVENT_KEYDOWN
               : uMsg == WM_KEYUP ? UIEVENT_KEYUP
                                  : UIEVENT_CHAR;
    FillEvent(event, kind, pTarget);
    event.keyChar = static_cast<BYTE>(wParam);
    event.wParam = wParam;
    event.lParam = lParam;
    Deliver(pTarget, event);
    return false;
}

bool CWindowHostUI::TranslateMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
    CUIPtrArray filters(m_aPreMessageFilters);
    for (int i = 0; i < filters.GetSize(); ++i) {
        bool bHandled = false;
        static_cast<IMessageFilterUI*>(filters[i])->FilterMessage(uMsg, wParam, lParam, bHandled);
        if (bHandled)
            return true;
        if (m_hWndPaint != nullptr && !IsLiveHost(this))
            return true;  // a filter closed the window
    }
    switch (uMsg) {
        case WM_KEYDOWN:
            if (wParam != VK_TAB)
                return false;
            if (m_pFocus != nullptr && m_pFocus->IsVisible() && m_pFocus->IsEnabled() &&
                std::strstr(m_pFocus->GetTypeName(), "RichEdit") != nullptr &&
                (m_pFocus->GetInputFlags() & 4) != 0)
                return false;
            SetNextTabControl(::GetKeyState(VK_SHIFT) >= 0);
            return true;
        case WM_SYSKEYDOWN:
            if (m_pFocus != nullptr) {
                ControlEvent event;
                FillEvent(event, UIEVENT_SYSKEY, m_pFocus);
                event.keyChar = static_cast<BYTE>(wParam);
                event.wParam = wParam;
                event.lParam = lParam;
                Deliver(m_pFocus, event);
            }
            return false;
        case WM_SYSCHAR:
            return HandleShortcut(wParam);
        default:
            return false;
    }
}

bool CWindowHostUI::HandleShortcut(WPARAM wParam) {
    if (m_pRoot == nullptr)
        return false;
    ShortcutWalk walk;
    walk.chKey = static_cast<char>(std::toupper(static_cast<unsigned char>(wParam)));
    // Document order, not top-most first: "the control after the label" is
    // the next one in the skin, which a reversed walk would turn around.
    m_pRoot->FindControl(VisitShortcut, &walk, UIFIND_ENABLED | UIFIND_ME_FIRST);
    if (walk.pAnswer == nullptr)
        return false;
    IControlNodeUI* pAnswer = walk.pAnswer;
    bool bBound = m_hWndPaint != nullptr;
    SetFocus(pAnswer, true);
    if (bBound && !IsLiveHost(this))
        return true;
    if (m_pFocus == pAnswer)
        pAnswer->Activate();
    return true;
}

bool CWindowHostUI::TranslateAccel(LPMSG pMsg) {
    CUIPtrArray accels(m_aTranslateAccelerators);
    for (int i = 0; i < accels.GetSize(); ++i) {
        if (static_cast<ITranslateAccelerator*>(accels[i])->TranslateAccel(pMsg) == 0)
            return true;
    }
    return false;
}

}  // namespace Orvik
