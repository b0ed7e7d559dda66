// Button: pointer, keyboard, focus, cursor and fade-timer events.
#include "ui/controls/ButtonUI.h"
#include "ui/controls/TreeRect.h"
#include "ui/window/WindowHostUI.h"

namespace Orvik {

bool CButtonUI::IsInside(POINT pt) const {
    return PointInRect(m_rcItem, pt);
}

void CButtonUI::StartFade() {
    if (m_uFadeAlphaDelta != 0 && m_pHost != nullptr)
        m_pHost->SetTimer(this, TIMER_KEY_BUTTON_FADE, FADE_INTERVAL_MS);
}

void CButtonUI::OnMouseEnter(ControlEvent& event) {
    if (IsInside(event.mousePoint) && IsEnabled() && (m_uButtonState & UISTATE_HOT) == 0) {
        m_uButtonState |= UISTATE_HOT;
        Invalidate();
    }
    StartFade();
}

bool CButtonUI::OnMouseLeave(ControlEvent& event) {
    if (IsInside(event.mousePoint)) {
        // Onto a child or an overlay: stay hot until the pointer really leaves.
        if (m_pHost != nullptr)
            m_pHost->AddMouseLeaveListener(this);
        return false;
    }
    if (IsEnabled())
        m_uButtonState &= ~UISTATE_HOT;
    Invalidate();
    if (m_pHost != nullptr)
        m_pHost->RemoveMouseLeaveListener(this);
    StartFade();
    return true;
}

void CButtonUI::OnFadeTick() {
    bool bHot = (m_uButtonState & UISTATE_HOT) != 0;
    bool bDone = bHot ? m_uFadeAlpha <= m_uFadeAlphaDelta : 255 - m_uFadeAlpha <= m_uFadeAlphaDelta;
    if (bDone) {
        m_uFadeAlpha = bHot ? 0 : 255;
        if (m_pHost != nullptr)
            m_pHost->KillTimer(this, TIMER_KEY_BUTTON_FADE);
    } else {
        m_uFadeAlpha = static_cast<BYTE>(bHot ? m_uFadeAlpha - m_uFadeAlphaDelta
                                              : m_uFadeAlpha + m_uFadeAlphaDelta);
    }
    Invalidate();
}

// Move, press and release; true when the event ends here.
bool CButtonUI::OnPointerEvent(ControlEvent& event) {
    bool bInside = IsInside(event.mousePoint);
    switch (event.kind) {
        case UIEVENT_MOUSEMOVE:
            if ((m_uButtonState & UISTATE_CAPTURED) != 0) {
                m_uButtonState =
                    bInside ? m_uButtonState | UISTATE_PUSHED : m_uButtonState & ~UISTATE_PUSHED;
                Invalidate();
            }
            return true;
        case UIEVENT_BUTTONDOWN:
        case UIEVENT_DBLCLICK:
            if (bInside && IsEnabled()) {
                m_uButtonState |= UISTATE_CAPTURED | UISTATE_PUSHED;
                Invalidate();
            }
            return true;
        case UIEVENT_BUTTONUP:
            if ((m_uButtonState & UISTATE_CAPTURED) == 0)
                return true;
            // The state is settled before the click: a listener may delete
            // the button, so nothing of it is touched after Activate.
            m_uButtonState &= ~(UISTATE_CAPTURED | UISTATE_PUSHED);
            Invalidate();
            if (bInside && IsEnabled())
                Activate();
            return true;
        default:
            return false;
    }
}

void CButtonUI::ProcessEvent(ControlEvent& event) {
    bool bMouse = event.kind >= UIEVENT_MOUSE_FIRST && event.kind <= UIEVENT_MOUSE_LAST;
    if (!IsMouseEnabled() && bMouse) {
        if (m_pParent != nullptr)
            m_pParent->ProcessEvent(event);
        else
            CLabelUI::ProcessEvent(event);
        return;
    }
    switch (event.kind) {
        case UIEVENT_SETFOCUS:
        case UIEVENT_KILLFOCUS:
            Invalidate();
            break;
        case UIEVENT_KEYDOWN:
            if (IsKeyboardEnabled() && IsEnabled() &&
                (event.keyChar == VK_SPACE || event.keyChar == VK_RETURN)) {
                Activate();
                return;
            }
            break;
        case UIEVENT_MOUSEENTER:
            OnMouseEnter(event);
            break;
        case UIEVENT_MOUSELEAVE:
            if (!OnMouseLeave(event))
                return;
            break;
        case UIEVENT_SETCURSOR:
            ::SetCursor(::LoadCursorA(nullptr, IDC_HAND));
            return;
        case UIEVENT_TIMER:
            if (event.wParam == TIMER_KEY_BUTTON_FADE) {
                OnFadeTick();
                return;
            }
            break;
        case UIEVENT_CONTEXTMENU:
            if (!IsMenuEnabled())
                break;
            // A disabled button offers no menu either.
            if (IsEnabled() && m_pHost != nullptr)
                m_pHost->SendNotify(this, "menu", event.wParam, event.lParam);
            return;
        default:
            if (OnPointerEvent(event))
                return;
            break;
    }
    CLabelUI::ProcessEvent(event);
}

}  // namespace Orvik
