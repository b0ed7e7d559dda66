// Window host: binding to a window and the size a skin asks for.
#include "platform/user.h"
#include "ui/window/WindowHostShared.h"
#include "ui/window/WindowHostUI.h"

namespace Orvik {

void CWindowHostUI::Init(HWND hWnd, const char* pstrName) {
    m_tree.ResetIndex();
    m_resources.RemoveAllTables();
    RemoveAllTimers();
    if (pstrName != nullptr)
        m_sName = pstrName;
    if (hWnd == m_hWndPaint)
        return;
    if (m_hDcPaint != nullptr)
        ::ReleaseDC(m_hWndPaint, m_hDcPaint);
    m_hWndPaint = hWnd;
    m_hDcPaint = hWnd != nullptr ? ::GetDC(hWnd) : nullptr;
    m_resources.BindDC(m_hDcPaint);
    CUIPtrArray& live = SharedHostState().m_aLiveHosts;
    if (hWnd != nullptr && live.Find(this) < 0)
        live.Add(this);
}

void CWindowHostUI::SetInitSize(int cx, int cy) {
    m_szInitWindowSize = SIZE{cx, cy};
    // A skin's size is only stored when no window could have it: the
    // surface of a larger one would not fit in memory.
    bool bPlausible = cx >= 0 && cy >= 0 && cx <= MAX_WINDOW_EXTENT && cy <= MAX_WINDOW_EXTENT;
    if (bPlausible && Root() == nullptr && m_hWndPaint != nullptr)
        ::SetWindowPos(m_hWndPaint, nullptr, 0, 0, cx, cy,
                       SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
}

}  // namespace Orvik
