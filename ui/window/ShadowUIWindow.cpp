// Drop shadow: the shadow window, the hook on its parent and the picture it presents.
#include <algorithm>
#include <map>
#include <vector>

#include "ui/markup/SkinStore.h"
#include "ui/render/DrawEngine.h"
#include "ui/window/ShadowUI.h"
#include "ui/window/WindowHostUI.h"

namespace Orvik {

namespace {

// A shadowed parent: its shadow (null once the shadow is gone but the hook
// could not be taken out) and the procedure the hook replaced.
struct ParentHook {
    CShadowUI* pShadow;
    WNDPROC pfnProc;
};

std::map<HWND, ParentHook>& ShadowMap() {
    static auto* map = new std::map<HWND, ParentHook>();  // outlives every window
    return *map;
}

// Beyond this a picture is not built: no real window needs it.
constexpr int MAX_PICTURE_EXTENT = CWindowHostUI::MAX_WINDOW_EXTENT + 200;

std::vector<ShadowSpan> WindowRows(HWND hParent, int cx, int cy) {
    std::vector<ShadowSpan> aRows(size_t(cy), ShadowSpan{0, cx - 1});
    HRGN hRgn = CreateRectRgn(0, 0, 0, 0);
    if (GetWindowRgn(hParent, hRgn) != ERROR) {
        for (int y = 0; y < cy; ++y) {
            ShadowSpan& span = aRows[size_t(y)];
            while (span.nLeft < cx && !PtInRegion(hRgn, span.nLeft, y))
                ++span.nLeft;
            while (span.nRight >= span.nLeft && !PtInRegion(hRgn, span.nRight, y))
                --span.nRight;
        }
    }
    DeleteObject(hRgn);
    return aRows;
}

}  // namespace

bool CShadowUI::RegisterShadowClass() {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = CSkinStore::GetProgramModule();
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = CLASS_NAME;
    return RegisterClassExA(&wc) != 0;
}

void CShadowUI::Create(CWindowHostUI* pHost) {
    if (!m_bIsShowShadow || pHost == nullptr || m_hWnd != nullptr)
        return;
    HWND hParent = pHost->GetHWND();
    if (hParent == nullptr || ShadowMap().count(hParent) != 0)
        return;
    RegisterShadowClass();  // the first window registers it
    m_pHost = pHost;
    m_hParent = hParent;
    DWORD dwParentStyle = DWORD(GetWindowLongPtrA(hParent, GWL_STYLE));
    m_hWnd = CreateWindowExA(WS_EX_LAYERED | WS_EX_TRANSPARENT, CLASS_NAME, nullptr,
                             WS_POPUP | WS_BORDER | WS_SYSMENU | (dwParentStyle & WS_DLGFRAME),
                             CW_USEDEFAULT, 0, 0, 0, hParent, nullptr,
                             CSkinStore::GetProgramModule(), nullptr);
    if (m_hWnd == nullptr)
        return;
    m_pfnParentProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hParent, GWLP_WNDPROC));
    ShadowMap()[hParent] = ParentHook{this, m_pfnParentProc};
    if ((dwParentStyle & WS_VISIBLE) == 0) {
        m_Status = STATUS_ACTIVE;
    } else if ((dwParentStyle & (WS_MINIMIZE | WS_MAXIMIZE)) != 0) {
        m_Status = STATUS_ACTIVE | STATUS_PARENT_VISIBLE;
    } else {
        m_Status = STATUS_ACTIVE | STATUS_PARENT_VISIBLE;
        m_bShowAfterPaint = true;
        m_bUpdate = true;
    }
    SetWindowLongPtrA(hParent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CShadowUI::ParentProc));
}

CShadowUI::~CShadowUI() {
    Unhook();
    if (m_hWnd != nullptr && IsWindow(m_hWnd))
        DestroyWindow(m_hWnd);
}

// A host that dies before its window must not leave the window calling into it.
void CShadowUI::Unhook() {
    auto it = ShadowMap().find(m_hParent);
    if (m_hParent == nullptr || it == ShadowMap().end() || it->second.pShadow != this)
        return;
    WNDPROC pfnHook = &CShadowUI::ParentProc;
    if (IsWindow(m_hParent) &&
        GetWindowLongPtrA(m_hParent, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(pfnHook)) {
        SetWindowLongPtrA(m_hParent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnParentProc));
        ShadowMap().erase(it);
    } else {
        it->second.pShadow = nullptr;  // hooked over by someone else: keep passing messages on
    }
}

void CShadowUI::ShowShadow(bool bShow) {
    m_bIsShowShadow = bShow;
    if (m_hWnd == nullptr)
        return;
    if (!bShow) {
        m_Status = 0;
        ShowWindow(m_hWnd, SW_HIDE);
        return;
    }
    // Only a visible, normal parent shows its shadow; a hidden one gets it on showing.
    DWORD dwStyle = DWORD(GetWindowLongPtrA(m_hParent, GWL_STYLE));
    m_Status = STATUS_ACTIVE;
    if ((dwStyle & WS_VISIBLE) != 0)
        m_Status |= STATUS_PARENT_VISIBLE;
    if ((dwStyle & WS_VISIBLE) != 0 && (dwStyle & (WS_MINIMIZE | WS_MAXIMIZE)) == 0) {
        m_Status |= STATUS_SHOWN;
        ShowWindowBelowParent();
        Update();  // the parent may have moved while the shadow was off
    }
}

LRESULT CALLBACK CShadowUI::ParentProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    auto it = ShadowMap().find(hWnd);
    if (it == ShadowMap().end())
        return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    // The parent's own procedure may delete the shadow: nothing of it is used after the call.
    ParentHook hook = it->second;
    if (uMsg == WM_PAINT) {
        LRESULT lResult = CallWindowProcA(hook.pfnProc, hWnd, uMsg, wParam, lParam);
        it = ShadowMap().find(hWnd);  // the paint may have taken the shadow away
        if (it != ShadowMap().end() && it->second.pShadow != nullptr)
            it->second.pShadow->OnParentPainted();
        return lResult;
    }
    if (hook.pShadow != nullptr)
        hook.pShadow->OnParentMessage(uMsg, wParam, lParam);
    if (uMsg == WM_NCDESTROY)
        ShadowMap().erase(hWnd);
    return CallWindowProcA(hook.pfnProc, hWnd, uMsg, wParam, lParam);
}

void CShadowUI::OnParentMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
        case WM_DESTROY:
            if (m_hWnd != nullptr && IsWindow(m_hWnd))
                DestroyWindow(m_hWnd);
            m_hWnd = nullptr;
            m_Status = 0;
            break;
        case WM_MOVE:
            if ((m_Status & STATUS_SHOWN) != 0) {
                RECT rc{};
                GetWindowRect(m_hParent, &rc);
                POINT pt = ShadowOrigin(rc);
                SetWindowPos(m_hWnd, nullptr, pt.x, pt.y, 0, 0,
                             SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOZORDER);
            }
            break;
        case WM_SIZE:
            OnParentSize(wParam, lParam);
            break;
        case WM_SHOWWINDOW:
            OnParentShow(wParam != 0);
            break;
        case WM_EXITSIZEMOVE:
            UpdateIfShown();
            break;
        case WM_ACTIVATE:
            // A window raised on activation takes its shadow along.
            if (LOWORD(wParam) != WA_INACTIVE && (m_Status & STATUS_SHOWN) != 0)
                ShowWindowBelowParent();
            break;
        case WM_NCDESTROY:
            m_hParent = nullptr;
            break;
        default:
            break;
    }
}

void CShadowUI::OnParentSize(WPARAM wParam, LPARAM lParam) {
    if ((m_Status & STATUS_ACTIVE) == 0)
        return;
    if (wParam == SIZE_MINIMIZED || wParam == SIZE_MAXIMIZED) {
        ShowWindow(m_hWnd, SW_HIDE);
        m_Status &= ~STATUS_SHOWN;
        m_bShowAfterPaint = false;
    } else if ((m_Status & STATUS_PARENT_VISIBLE) != 0) {
        // Growing waits for the parent to paint its new area first, and so does a shadow not
        // yet shown.
        if (LOWORD(lParam) > m_wLastWidth || HIWORD(lParam) > m_wLastHeight || m_bShowAfterPaint)
            m_bUpdate = true;
        else
            Update();
        if ((m_Status & STATUS_SHOWN) == 0 && !m_bShowAfterPaint) {
            ShowWindowBelowParent();
            m_Status |= STATUS_SHOWN;
        }
    }
    m_wLastWidth = LOWORD(lParam);
    m_wLastHeight = HIWORD(lParam);
}

void CShadowUI::OnParentShow(bool bShowing) {
    if ((m_Status & STATUS_ACTIVE) == 0)
        return;
    if (bShowing) {
        if ((m_Status & STATUS_PARENT_VISIBLE) != 0)
            return;
        m_bUpdate = true;
        m_Status |= STATUS_PARENT_VISIBLE;
        if (!m_bParentPainted) {
            m_bShowAfterPaint = true;
            return;
        }
        ShowWindowBelowParent();
        m_Status |= STATUS_SHOWN;
    } else {
        ShowWindow(m_hWnd, SW_HIDE);
        m_Status &= ~(STATUS_SHOWN | STATUS_PARENT_VISIBLE);
        m_bShowAfterPaint = false;
    }
}

void CShadowUI::OnParentPainted() {
    m_bParentPainted = true;
    if (m_bShowAfterPaint && (m_Status & (STATUS_ACTIVE | STATUS_PARENT_VISIBLE)) ==
                                 (STATUS_ACTIVE | STATUS_PARENT_VISIBLE)) {
        m_bShowAfterPaint = false;
        ShowWindowBelowParent();
        m_Status |= STATUS_SHOWN;
    }
    if (m_bUpdate) {
        Update();
        m_bUpdate = false;
    }
}

void CShadowUI::ShowWindowBelowParent() {
    if (m_hWnd == nullptr)
        return;
    SetWindowPos(m_hWnd, m_hParent, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

POINT CShadowUI::ShadowOrigin(const RECT& rcParent) const {
    if (m_bIsImageMode)
        return POINT{rcParent.left - m_rcShadowCorner.left, rcParent.top - m_rcShadowCorner.top};
    return POINT{rcParent.left + m_look.nOffsetX - m_look.nSize,
                 rcParent.top + m_look.nOffsetY - m_look.nSize};
}

bool CShadowUI::PaintImage(HDC hDC, int cx, int cy) {
    SkinImage* pImage = m_pHost != nullptr ? m_pHost->FindOrLoadImage(m_sShadowImage) : nullptr;
    if (pImage == nullptr || pImage->hBitmap == nullptr)
        return false;
    RECT rcPicture{0, 0, cx, cy};
    RECT rcSource{0, 0, pImage->nWidth, pImage->nHeight};
    CDrawEngine::DrawImage(hDC, pImage->hBitmap, rcPicture, rcPicture, rcSource, m_rcShadowCorner,
                           pImage->bAlpha, 255, true);
    return true;
}

void CShadowUI::PaintGenerated(BYTE* pBits, int cx, int cy, const RECT& rcParent) {
    int nWidth = rcParent.right - rcParent.left, nHeight = rcParent.bottom - rcParent.top;
    std::vector<uint32_t> aPicture(size_t(cx) * cy, 0);
    DrawGeneratedShadow(WindowRows(m_hParent, nWidth, nHeight), m_look, aPicture.data(), cx, cy);
    // The bitmap's rows run bottom-up.
    auto* pRows = reinterpret_cast<uint32_t*>(pBits);
    for (int y = 0; y < cy; ++y)
        std::copy_n(&aPicture[size_t(y) * cx], cx, &pRows[size_t(cy - 1 - y) * cx]);
}

void CShadowUI::Update() {
    RECT rcParent{};
    if (m_hWnd == nullptr || !GetWindowRect(m_hParent, &rcParent))
        return;
    if (m_bIsImageMode && m_sShadowImage.IsEmpty())
        return;
    int nWidth = rcParent.right - rcParent.left, nHeight = rcParent.bottom - rcParent.top;
    const RECT& c = m_rcShadowCorner;
    int cx = m_bIsImageMode ? nWidth + c.left + c.right : nWidth + 2 * m_look.nSize;
    int cy = m_bIsImageMode ? nHeight + c.top + c.bottom : nHeight + 2 * m_look.nSize;
    if (cx <= 0 || cy <= 0 || cx > MAX_PICTURE_EXTENT || cy > MAX_PICTURE_EXTENT)
        return;
    HDC hMemDC = CreateCompatibleDC(nullptr);
    BYTE* pBits = nullptr;
    HBITMAP hBitmap = CDrawEngine::CreateArgbBitmap(hMemDC, cx, cy, &pBits);
    if (hBitmap != nullptr && pBits != nullptr) {
        HGDIOBJ hOld = SelectObject(hMemDC, hBitmap);
        bool bReady = true;
        if (m_bIsImageMode)
            bReady = PaintImage(hMemDC, cx, cy);
        else
            PaintGenerated(pBits, cx, cy, rcParent);
        if (bReady) {
            POINT ptDst = ShadowOrigin(rcParent), ptSrc{0, 0};
            SIZE size{cx, cy};
            BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
            UpdateLayeredWindow(m_hWnd, nullptr, &ptDst, &size, hMemDC, &ptSrc, 0, &blend,
                                ULW_ALPHA);
        }
        SelectObject(hMemDC, hOld);
    }
    if (hBitmap != nullptr)
        DeleteObject(hBitmap);
    DeleteDC(hMemDC);
}

}  // namespace Orvik
