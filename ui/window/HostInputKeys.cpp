// The input part: key events, keyboard pre-processing, Tab and shortcuts, accelerators.
#include <cctype>
#include <cstring>

#include "platform/user.h"
#include "ui/window/HostInput.h"
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

bool CHostInput::HandleKeyMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (m_host.Root() == nullptr)
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
    m_host.FillEvent(event, kind, pTarget);
    event.keyChar = static_cast<BYTE>(wParam);
    event.wParam = wParam;
    event.lParam = lParam;
    m_host.Deliver(pTarget, event);
    return false;
}

bool CHostInput::TranslateKey(UINT uMsg, WPARAM wParam, LPARAM lParam) {
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
                m_host.FillEvent(event, UIEVENT_SYSKEY, m_pFocus);
                event.keyChar = static_cast<BYTE>(wParam);
                event.wParam = wParam;
                event.lParam = lParam;
                m_host.Deliver(m_pFocus, event);
            }
            return false;
        case WM_SYSCHAR:
            return HandleShortcut(wParam);
        default:
            return false;
    }
}

bool CHostInput::HandleShortcut(WPARAM wParam) {
    if (m_host.Root() == nullptr)
        return false;
    ShortcutWalk walk;
    walk.chKey = static_cast<char>(std::toupper(static_cast<unsigned char>(wParam)));
    // Document order, not top-most first: "the control after the label" is
    // the next one in the skin, which a reversed walk would turn around.
    m_host.Root()->FindControl(VisitShortcut, &walk, UIFIND_ENABLED | UIFIND_ME_FIRST);
    if (walk.pAnswer == nullptr)
        return false;
    IControlNodeUI* pAnswer = walk.pAnswer;
    if (!m_host.Guarded([&] { SetFocus(pAnswer, true); }))
        return true;
    if (m_pFocus == pAnswer)
        pAnswer->Activate();
    return true;
}

}  // namespace Orvik
