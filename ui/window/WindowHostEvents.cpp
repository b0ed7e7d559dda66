// Window host: the per-message processing table of event dispatch.
#include "platform/kernel.h"
#include "platform/user.h"
#include "ui/window/WindowHostShared.h"
#include "ui/window/WindowHostUI.h"

namespace Orvik {

namespace {

// Native child controls get their own notifications back under these numbers.
constexpr UINT REFLECT_BASE = 0x2000;
constexpr LRESULT ACTIVATE_NO_FOCUS = 3;

// The header every native child's notification starts with; the sender first.
struct NotifyHeader {
    HWND hwndFrom;
    UINT_PTR idFrom;
    UINT code;
};

}  // namespace

bool CWindowHostUI::MessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lRes) {
    lRes = 0;
    if (m_hWndPaint == nullptr)
        return false;
    if (FilterMessage(uMsg, wParam, lParam, lRes))
        return true;
    if (m_paint.IsLayered() && HandleLayeredFrame(uMsg, wParam, lRes))
        return true;
    if (uMsg >= WM_MOUSEMOVE && uMsg <= WM_MOUSELEAVE)
        return m_input.HandlePointerMessage(uMsg, wParam, lParam);
    if (uMsg >= WM_KEYDOWN && uMsg <= WM_CHAR)
        return m_input.HandleKeyMessage(uMsg, wParam, lParam);
    return HandleWindowMessage(uMsg, wParam, lParam, lRes);
}

// The first message filter that sets handled decides the result.
bool CWindowHostUI::FilterMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lRes) {
    if (!m_notify.RunMessageFilters(uMsg, wParam, lParam, lRes))
        return false;
    m_input.NoteFilteredPoint(uMsg, lParam);
    return true;
}

// A layered window draws its own frame: the native one is never calculated or painted.
bool CWindowHostUI::HandleLayeredFrame(UINT uMsg, WPARAM wParam, LRESULT& lRes) {
    switch (uMsg) {
        case WM_NCCALCSIZE:
        case WM_NCPAINT:
            lRes = 0;
            return true;
        case WM_NCACTIVATE:
            if (::IsIconic(m_hWndPaint))
                return false;
            lRes = wParam == 0 ? 1 : 0;
            return true;
        default:
            return false;
    }
}

bool CWindowHostUI::HandleWindowMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lRes) {
    switch (uMsg) {
        case WM_SIZE:
            OnSizeMessage(wParam, lParam);
            return true;
        case WM_KILLFOCUS:
            m_input.OnKillFocusMessage(reinterpret_cast<HWND>(wParam));
            return false;
        case WM_PAINT:
            PaintWindow();
            return true;
        case WM_CLOSE:
            m_input.OnCloseMessage();
            return false;
        case WM_ERASEBKGND:
            lRes = 1;
            return true;
        case WM_SETCURSOR:
            return m_input.OnSetCursorMessage(lParam);
        case WM_MOUSEACTIVATE:
            if (!m_bNoActivate)
                return false;
            lRes = ACTIVATE_NO_FOCUS;
            return true;
        case WM_GETMINMAXINFO:
            OnMinMaxInfoMessage(lParam);
            return false;
        case WM_NOTIFY:
            return ReflectNotify(wParam, lParam, lRes);
        case WM_COMMAND:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
            return ReflectMessage(uMsg, wParam, lParam, lRes);
        case WM_CONTEXTMENU:
            m_input.OnContextMenuMessage(wParam, lParam);
            return false;
        case WM_TIMER:
            OnTimerMessage(wParam, lParam);
            return false;
        case WM_PRINTCLIENT:
            PrintClient(reinterpret_cast<HDC>(wParam));
            return false;
        case WM_HOST_DEFERRED:
            RunDeferredWork();
            return false;
        default:
            return false;
    }
}

void CWindowHostUI::OnSizeMessage(WPARAM wParam, LPARAM lParam) {
    if (IControlNodeUI* pFocus = m_input.FocusNode()) {
        ControlEvent event;
        FillEvent(event, UIEVENT_WINDOWSIZE, pFocus);
        event.wParam = wParam;
        event.lParam = lParam;
        Deliver(pFocus, event);
    }
    if (Root() != nullptr)
        Root()->RequestLayout();
    if (m_paint.IsLayered())
        Invalidate();
}

void CWindowHostUI::OnMinMaxInfoMessage(LPARAM lParam) {
    auto* pInfo = reinterpret_cast<MINMAXINFO*>(lParam);
    if (pInfo == nullptr)
        return;
    if (m_szMinWindow.cx > 0)
        pInfo->ptMinTrackSize.x = m_szMinWindow.cx;
    if (m_szMinWindow.cy > 0)
        pInfo->ptMinTrackSize.y = m_szMinWindow.cy;
    if (m_szMaxWindow.cx > 0)
        pInfo->ptMaxTrackSize.x = m_szMaxWindow.cx;
    if (m_szMaxWindow.cy > 0)
        pInfo->ptMaxTrackSize.y = m_szMaxWindow.cy;
}

bool CWindowHostUI::ReflectMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lRes) {
    if (lParam == 0)
        return false;
    lRes = ::SendMessageA(reinterpret_cast<HWND>(lParam), REFLECT_BASE + uMsg, wParam, lParam);
    return true;
}

// Without a header there is no child to hand it to; it still counts as handled.
bool CWindowHostUI::ReflectNotify(WPARAM wParam, LPARAM lParam, LRESULT& lRes) {
    if (lParam == 0)
        return true;
    HWND hChild = reinterpret_cast<const NotifyHeader*>(lParam)->hwndFrom;
    lRes = ::SendMessageA(hChild, REFLECT_BASE + WM_NOTIFY, wParam, lParam);
    return true;
}

}  // namespace Orvik
