// Window host: events into controls, keyboard pre-processing and the parts' forwards that do more
// than forward.
#include "platform/kernel.h"
#include "platform/user.h"
#include "ui/window/WindowHostShared.h"
#include "ui/window/WindowHostUI.h"

namespace Orvik {

namespace {

// The modifier and button state the keyboard reports, as events carry it.
WORD KeyboardKeyState() {
    WORD wState = 0;
    if (::GetKeyState(VK_LBUTTON) < 0)
        wState |= 0x01;
    if (::GetKeyState(VK_RBUTTON) < 0)
        wState |= 0x02;
    if (::GetKeyState(VK_SHIFT) < 0)
        wState |= 0x04;
    if (::GetKeyState(VK_CONTROL) < 0)
        wState |= 0x08;
    if (::GetKeyState(VK_MENU) < 0)
        wState |= 0x20;
    return wState;
}

}  // namespace

bool CWindowHostUI::IsLive(const CWindowHostUI* pHost) {
    return IsLiveHost(pHost);
}

void CWindowHostUI::FillEvent(ControlEvent& event, int kind, IControlNodeUI* pTarget) const {
    event.kind = kind;
    event.sender = pTarget != nullptr ? pTarget->GetControl() : nullptr;
    event.timestamp = ::GetTickCount();
    event.mousePoint = m_input.GetMousePos();
    event.keyState = KeyboardKeyState();
}

bool CWindowHostUI::Deliver(IControlNodeUI* pTarget, ControlEvent& event) {
    event.sender = pTarget->GetControl();
    return Guarded([&] { pTarget->HandleEvent(event); });
}

void CWindowHostUI::DeliverTimer(IControlNodeUI* pTarget, UINT nTimerKey, LPARAM lParam) {
    ControlEvent event;
    FillEvent(event, UIEVENT_TIMER, pTarget);
    event.wParam = nTimerKey;
    event.lParam = lParam;
    Deliver(pTarget, event);
}

bool CWindowHostUI::TranslateMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (m_notify.RunPreMessageFilters(uMsg, wParam, lParam))
        return true;
    return m_input.TranslateKey(uMsg, wParam, lParam);
}

void CWindowHostUI::ReloadImages(const char* pstrName) {
    m_resources.ReloadImages(pstrName);
    if (Root() != nullptr)
        Root()->Invalidate();
}

}  // namespace Orvik
