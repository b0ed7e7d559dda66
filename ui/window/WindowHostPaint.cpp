// Window host: binding to a window, invalidation and the paint cycle.
#include "ui/window/WindowHostUI.h"

namespace Orvik {

void CWindowHostUI::Init(HWND hWnd, const char* pstrName) {
    m_mapNameHash.Resize(CUIStringMap::DEFAULT_BUCKETS);
    RemoveAllTables();
    if (pstrName != nullptr)
        m_sName = pstrName;
    if (hWnd != m_hWndPaint)
        m_hWndPaint = hWnd;
}

void CWindowHostUI::Invalidate() {}

void CWindowHostUI::Invalidate(const RECT&) {}

void CWindowHostUI::SetInitSize(int cx, int cy) {
    m_szInitWindowSize = SIZE{cx, cy};
}

void CWindowHostUI::SetOpacity(BYTE nOpacity) {
    m_nOpacity = nOpacity;
}

void CWindowHostUI::SetLayered(bool bLayered) {
    m_bLayered = bLayered;
}

void CWindowHostUI::SetLayeredOpacity(BYTE nOpacity) {
    m_nOpacity = nOpacity;
    m_bLayeredChanged = true;
}

void CWindowHostUI::SetLayeredImage(const char* pstrImage) {
    m_diLayered.SetDescriptor(pstrImage);
}

void CWindowHostUI::ReleaseBuffers() {}

void CWindowHostUI::PaintWindow() {}

void CWindowHostUI::PrintClient(HDC) {}

bool CWindowHostUI::MessageHandler(UINT uMsg, WPARAM, LPARAM, LRESULT& lRes) {
    if (uMsg == WM_HOST_DEFERRED) {
        RunDelayedCleanup();
        lRes = 0;
        return true;
    }
    return false;
}

}  // namespace Orvik
