// The window host's input part: hover, pressed control, capture, focus, tooltip and shortcuts.
#pragma once

#include "platform/user.h"
#include "ui/core/UIPtrArray.h"
#include "ui/core/UIString.h"
#include "ui/window/IControlNodeUI.h"

namespace Orvik {

class CWindowHostUI;

// Turns the window's pointer and key messages into control events. Events
// go out through the host, whose guard ends a handler's walk when the
// window went away under it.
class CHostInput {
public:
    explicit CHostInput(CWindowHostUI& host) : m_host(host) {}
    ~CHostInput();
    CHostInput(const CHostInput&) = delete;
    CHostInput& operator=(const CHostInput&) = delete;

    // --- state ---
    IControlNodeUI* FocusNode() const { return m_pFocus; }
    CControlUI* GetFocus() const;
    CControlUI* GetHover() const;
    CControlUI* GetPressed() const;
    const POINT& GetMousePos() const { return m_ptLastMousePos; }
    const CUIString& GetToolTipText() const { return m_sToolTipText; }
    HWND GetToolTipWindow() const { return m_hwndTooltip; }
    bool IsCaptured() const { return m_bMouseCapture; }
    bool IsFocusNeeded() const { return m_bFocusNeeded; }
    void RequestFocus() { m_bFocusNeeded = true; }
    // Forgets focus, hover, pressed and key targets (a new tree).
    void ClearTreeState();
    // Drops every reference to a control being destroyed.
    void Forget(IControlNodeUI* pControl);

    // --- focus ---
    void SetFocus(IControlNodeUI* pControl, bool bFocusWnd);
    bool SetNextTabControl(bool bForward);
    void SetFocusNeeded(IControlNodeUI* pControl);

    // --- capture and registrations ---
    void SetCapture();
    void ReleaseCapture();
    void AddMouseLeaveListener(IControlNodeUI* pControl);
    void RemoveMouseLeaveListener(IControlNodeUI* pControl);
    bool AddNativeWindow(IControlNodeUI* pControl, HWND hChildWnd);
    bool RemoveNativeWindow(HWND hChildWnd);
    void RemoveAllNativeWindows();

    // --- messages ---
    // The pointer point of a message a filter stopped, so it is still known.
    void NoteFilteredPoint(UINT uMsg, LPARAM lParam);
    bool HandlePointerMessage(UINT uMsg, WPARAM wParam, LPARAM lParam);
    bool HandleKeyMessage(UINT uMsg, WPARAM wParam, LPARAM lParam);
    // Tab, system keys and shortcuts before dispatch; true when consumed.
    bool TranslateKey(UINT uMsg, WPARAM wParam, LPARAM lParam);
    void OnKillFocusMessage(HWND hWndNew);
    // False when a handler destroyed the host.
    bool OnCloseMessage();
    bool OnSetCursorMessage(LPARAM lParam);
    void OnContextMenuMessage(WPARAM wParam, LPARAM lParam);
    void DestroyToolTip();

private:
    void OnMouseMove(WPARAM wParam, LPARAM lParam);
    void OnButtonDown(WPARAM wParam, LPARAM lParam);
    void OnButtonUp(WPARAM wParam, LPARAM lParam);
    void OnDoubleClick(WPARAM wParam, LPARAM lParam);
    void OnRightButtonDown(WPARAM wParam, LPARAM lParam);
    void OnMouseWheel(WPARAM wParam, LPARAM lParam);
    bool OnMouseHover(LPARAM lParam);
    void OnMouseLeaveMessage();
    void ChangeHover(IControlNodeUI* pNewHover, WPARAM wParam, LPARAM lParam);
    void TakeNativeFocus();
    // The control under a press, after the window took the focus.
    IControlNodeUI* PressTarget(LPARAM lParam);
    // Presses and focuses the control; false when the focus change destroyed it.
    bool PressAndFocus(IControlNodeUI* pControl);
    // The control under the point when it belongs to this host.
    IControlNodeUI* OwnNodeAt(POINT pt) const;
    // Fills a pointer event from the message and delivers it; false when the
    // handler destroyed the host.
    bool DeliverPointerEvent(IControlNodeUI* pTarget, int kind, WPARAM wParam, LPARAM lParam);
    // False when a handler destroyed the host.
    bool DropFocus(IControlNodeUI* pNewFocus);
    IControlNodeUI* FindTabStop(bool bForward, bool& bWrapped);
    bool HandleShortcut(WPARAM wParam);
    void ShowToolTipFor(IControlNodeUI* pControl);
    void HideToolTip();
    DWORD HoverTimeMs() const;

    CWindowHostUI& m_host;
    POINT m_ptLastMousePos = {-1, -1};
    bool m_bMouseCapture = false;
    bool m_bMouseTracking = false;
    bool m_bFocusNeeded = false;
    IControlNodeUI* m_pFocus = nullptr;
    IControlNodeUI* m_pEventHover = nullptr;
    IControlNodeUI* m_pEventClick = nullptr;
    IControlNodeUI* m_pEventKey = nullptr;
    CUIString m_sToolTipText;
    POINT m_ptLastToolTip = {-1, -1};
    // The tooltip popup, made on the first hover that has a text.
    HWND m_hwndTooltip = nullptr;
    TOOLINFOA m_ToolTip = {};
    CUIPtrArray m_aNeedMouseLeaveNeeded;
    CUIPtrArray m_aNativeWindow;
    CUIPtrArray m_aNativeWindowControl;
};

}  // namespace Orvik
