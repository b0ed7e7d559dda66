// Scroll bar: pressing the parts, dragging the thumb, the repeat timer, hover and leave.
#include "ui/controls/ContainerUI.h"
#include "ui/controls/ScrollBarUI.h"
#include "ui/controls/TreeRect.h"
#include "ui/window/WindowHostUI.h"

namespace Orvik {

void CScrollBarUI::ForwardEvent(ControlEvent& event) {
    if (m_pOwner != nullptr)
        m_pOwner->ProcessEvent(event);
    else
        CControlUI::ProcessEvent(event);
}

void CScrollBarUI::LineBack() {
    if (m_pOwner == nullptr)
        SetScrollPos(m_nScrollPos - GetLineSize());
    else if (m_bHorizontal)
        m_pOwner->ScrollLineLeft();
    else
        m_pOwner->ScrollLineUp();
}

void CScrollBarUI::LineForward() {
    if (m_pOwner == nullptr)
        SetScrollPos(m_nScrollPos + GetLineSize());
    else if (m_bHorizontal)
        m_pOwner->ScrollLineRight();
    else
        m_pOwner->ScrollLineDown();
}

void CScrollBarUI::PageBack() {
    int nPage = m_bHorizontal ? m_rcItem.GetWidth() : m_rcItem.GetHeight();
    if (m_pOwner == nullptr)
        SetScrollPos(m_nScrollPos - nPage);
    else if (m_bHorizontal)
        m_pOwner->ScrollPageLeft();
    else
        m_pOwner->ScrollPageUp();
}

void CScrollBarUI::PageForward() {
    int nPage = m_bHorizontal ? m_rcItem.GetWidth() : m_rcItem.GetHeight();
    if (m_pOwner == nullptr)
        SetScrollPos(m_nScrollPos + nPage);
    else if (m_bHorizontal)
        m_pOwner->ScrollPageRight();
    else
        m_pOwner->ScrollPageDown();
}

void CScrollBarUI::PageTowards(POINT pt) {
    LONG p = AlongAxis(pt);
    LONG nFrom = m_bHorizontal ? m_rcThumb.left : m_rcThumb.top;
    LONG nTo = m_bHorizontal ? m_rcThumb.right : m_rcThumb.bottom;
    if (p < nFrom)
        PageBack();
    else if (p >= nTo)
        PageForward();
}

void CScrollBarUI::OnMouseMove(POINT pt) {
    if ((m_thumb.uState & UISTATE_CAPTURED) != 0) {
        int nLength = m_bHorizontal ? m_rcItem.GetWidth() : m_rcItem.GetHeight();
        int nThumb = m_bHorizontal ? m_rcThumb.GetWidth() : m_rcThumb.GetHeight();
        int nTrack = nLength - nThumb - (m_bShowButton1 ? Thickness() : 0) -
                     (m_bShowButton2 ? Thickness() : 0);
        if (nTrack == 0)
            return;
        LONG nMoved = AlongAxis(pt) - AlongAxis(m_ptDragAnchor);
        m_nDragDelta = static_cast<int>(static_cast<long long>(nMoved) * m_nRange / nTrack);
        return;
    }
    bool bOverThumb = PointInRect(m_rcThumb, pt);
    if ((m_thumb.uState & UISTATE_HOT) != 0 && !bOverThumb) {
        m_thumb.uState &= ~UISTATE_HOT;
        Invalidate();
    } else if ((m_thumb.uState & UISTATE_HOT) == 0 && bOverThumb && IsEnabled()) {
        m_thumb.uState |= UISTATE_HOT;
        Invalidate();
    }
}

void CScrollBarUI::OnButtonDown(POINT pt) {
    if (!IsEnabled())
        return;
    m_nDragDelta = 0;
    m_nRepeatCount = 0;
    if (m_pHost != nullptr)
        m_pHost->SetTimer(this, TIMER_KEY_SCROLL_REPEAT, REPEAT_INTERVAL_MS);
    if (m_bShowButton1 && PointInRect(m_rcButton1, pt)) {
        m_button1.uState |= UISTATE_PUSHED;
        LineBack();
    } else if (m_bShowButton2 && PointInRect(m_rcButton2, pt)) {
        m_button2.uState |= UISTATE_PUSHED;
        LineForward();
    } else if (PointInRect(m_rcThumb, pt)) {
        m_thumb.uState |= UISTATE_CAPTURED | UISTATE_PUSHED;
        m_ptDragAnchor = pt;
        m_nDragStartPos = m_nScrollPos;
    } else {
        PageTowards(pt);
    }
    Invalidate();
}

void CScrollBarUI::ApplyDragPosition() {
    int nPos = m_nDragStartPos + m_nDragDelta;
    if (m_pOwner == nullptr) {
        SetScrollPos(nPos);
        return;
    }
    SIZE sz = m_pOwner->GetScrollPos();
    if (m_bHorizontal)
        sz.cx = nPos;
    else
        sz.cy = nPos;
    m_pOwner->SetScrollPos(sz);
}

void CScrollBarUI::OnButtonUp() {
    m_nRepeatCount = 0;
    if (m_pHost != nullptr)
        m_pHost->KillTimer(this, TIMER_KEY_SCROLL_REPEAT);
    bool bPressed = true;
    if ((m_thumb.uState & UISTATE_CAPTURED) != 0) {
        // A release between two ticks still lands where the pointer let go.
        ApplyDragPosition();
        m_thumb.uState &= ~(UISTATE_CAPTURED | UISTATE_PUSHED);
    } else if ((m_button1.uState & UISTATE_PUSHED) != 0) {
        m_button1.uState &= ~UISTATE_PUSHED;
    } else if ((m_button2.uState & UISTATE_PUSHED) != 0) {
        m_button2.uState &= ~UISTATE_PUSHED;
    } else {
        bPressed = false;
    }
    m_nDragDelta = 0;
    if (bPressed)
        Invalidate();
}

void CScrollBarUI::OnRepeatTick() {
    ++m_nRepeatCount;
    if ((m_thumb.uState & UISTATE_CAPTURED) != 0) {
        ApplyDragPosition();
        Invalidate();
        return;
    }
    if (m_nRepeatCount <= REPEAT_DELAY_TICKS)
        return;
    if ((m_button1.uState & UISTATE_PUSHED) != 0)
        LineBack();
    else if ((m_button2.uState & UISTATE_PUSHED) != 0)
        LineForward();
    else if (m_pHost != nullptr)
        PageTowards(m_pHost->GetMousePos());
}

void CScrollBarUI::OnMouseEnter(POINT pt) {
    if (!PointInRect(m_rcItem, pt) || !IsEnabled())
        return;
    m_button1.uState |= UISTATE_HOT;
    m_button2.uState |= UISTATE_HOT;
    if (PointInRect(m_rcThumb, pt))
        m_thumb.uState |= UISTATE_HOT;
    Invalidate();
}

bool CScrollBarUI::OnMouseLeave(POINT pt) {
    if (PointInRect(m_rcItem, pt)) {
        if (m_pHost != nullptr)
            m_pHost->AddMouseLeaveListener(this);
        return false;
    }
    if (IsEnabled()) {
        m_button1.uState &= ~UISTATE_HOT;
        m_button2.uState &= ~UISTATE_HOT;
        m_thumb.uState &= ~UISTATE_HOT;
        Invalidate();
    }
    if (m_pHost != nullptr)
        m_pHost->RemoveMouseLeaveListener(this);
    return true;
}

void CScrollBarUI::ProcessEvent(ControlEvent& event) {
    bool bMouse = event.kind >= UIEVENT_MOUSE_FIRST && event.kind <= UIEVENT_MOUSE_LAST;
    if (!IsMouseEnabled() && bMouse) {
        ForwardEvent(event);
        return;
    }
    switch (event.kind) {
        case UIEVENT_MOUSEMOVE:
            OnMouseMove(event.mousePoint);
            return;
        case UIEVENT_BUTTONDOWN:
        case UIEVENT_DBLCLICK:
            OnButtonDown(event.mousePoint);
            return;
        case UIEVENT_BUTTONUP:
            OnButtonUp();
            return;
        case UIEVENT_CONTEXTMENU:
        case UIEVENT_SETFOCUS:
        case UIEVENT_KILLFOCUS:
            return;
        case UIEVENT_TIMER:
            if (event.wParam == TIMER_KEY_SCROLL_REPEAT) {
                OnRepeatTick();
                return;
            }
            break;
        case UIEVENT_MOUSEENTER:
            OnMouseEnter(event.mousePoint);
            break;
        case UIEVENT_MOUSELEAVE:
            if (!OnMouseLeave(event.mousePoint))
                return;
            break;
        default:
            break;
    }
    ForwardEvent(event);
}

}  // namespace Orvik
