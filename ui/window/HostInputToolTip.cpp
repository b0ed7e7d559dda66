// The input part: the tooltip popup shown for the control the pointer rests on.
#include "platform/user.h"
#include "ui/markup/SkinStore.h"
#include "ui/window/HostInput.h"
#include "ui/window/WindowHostShared.h"
#include "ui/window/WindowHostUI.h"

#include <string>

namespace Orvik {

namespace {

constexpr int DEFAULT_TOOLTIP_WIDTH = 300;
constexpr int DEFAULT_TOOLTIP_DELAY_MS = 100;

// Sends a message carrying the tool. On Windows the text (code page 936) goes
// as UTF-16 through the wide message, so it reads right on any system code page.
void SendToolMessage(HWND hwndTooltip, UINT uMsg, const TOOLINFOA& tool) {
#ifdef _WIN32
    std::wstring strText = platform::AnsiToWide(tool.lpszText != nullptr ? tool.lpszText : "");
    TOOLINFOW wide = {};
    wide.cbSize = sizeof(wide);
    wide.uFlags = tool.uFlags;
    wide.hwnd = tool.hwnd;
    wide.uId = tool.uId;
    wide.rect = tool.rect;
    wide.hinst = tool.hinst;
    wide.lpszText = strText.data();
    wide.lParam = tool.lParam;
    uMsg = uMsg == TTM_ADDTOOLA ? TTM_ADDTOOLW : TTM_UPDATETIPTEXTW;
    ::SendMessageW(hwndTooltip, uMsg, 0, reinterpret_cast<LPARAM>(&wide));
#else
    ::SendMessageA(hwndTooltip, uMsg, 0, reinterpret_cast<LPARAM>(&tool));
#endif
}

bool CreateToolTipWindow(HWND hWndOwner, HFONT hFont, HWND& hwndTooltip, TOOLINFOA& tool) {
    hwndTooltip =
        ::CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, 0,
                          0, 0, 0, hWndOwner, nullptr, CSkinStore::GetProgramModule(), nullptr);
    if (hwndTooltip == nullptr)
        return false;  // tried again at the next hover
#ifdef _WIN32
    // The system's tooltip font may lack the skin's characters; the skin's own has them.
    if (hFont != nullptr)
        ::SendMessageW(hwndTooltip, WM_SETFONT, reinterpret_cast<WPARAM>(hFont), FALSE);
#else
    (void)hFont;
#endif
    SendToolMessage(hwndTooltip, TTM_ADDTOOLA, tool);
    return true;
}

}  // namespace

// The tool is the whole window; its text and rectangle follow the control.
// A tip that shows is not moved while the pointer rests, and one that went is
// not brought back at the very point it went from; a control straight below or
// beside the last one still gets its tip.
void CHostInput::ShowToolTipFor(IControlNodeUI* pControl) {
    m_ToolTip.cbSize = sizeof(m_ToolTip);
    m_ToolTip.uFlags = TTF_IDISHWND;
    m_ToolTip.hwnd = m_host.GetHWND();
    m_ToolTip.uId = reinterpret_cast<UINT_PTR>(m_host.GetHWND());
    m_ToolTip.hinst = CSkinStore::GetProgramModule();
    m_ToolTip.lpszText = const_cast<char*>(m_sToolTipText.GetData());
    m_ToolTip.rect = pControl->GetBounds();
    if (m_hwndTooltip == nullptr) {
        HFONT hFont = nullptr;
#ifdef _WIN32
        FontInfo* pFont = m_host.GetDefaultFontInfo();
        hFont = pFont != nullptr ? pFont->hFont : nullptr;
#endif
        if (!CreateToolTipWindow(m_host.GetHWND(), hFont, m_hwndTooltip, m_ToolTip))
            return;
    }
    if (::IsWindowVisible(m_hwndTooltip) ||
        (m_ptLastMousePos.x == m_ptLastToolTip.x && m_ptLastMousePos.y == m_ptLastToolTip.y))
        return;
    int nWidth =
        pControl->GetToolTipWidth() > 0 ? pControl->GetToolTipWidth() : DEFAULT_TOOLTIP_WIDTH;
    int nDelay =
        pControl->GetToolTipDelay() > 0 ? pControl->GetToolTipDelay() : DEFAULT_TOOLTIP_DELAY_MS;
    ::SendMessageA(m_hwndTooltip, TTM_SETMAXTIPWIDTH, 0, nWidth);
    ::SendMessageA(m_hwndTooltip, TTM_SETDELAYTIME, TTDT_AUTOMATIC, nDelay);
    SendToolMessage(m_hwndTooltip, TTM_UPDATETIPTEXTA, m_ToolTip);
    ::SendMessageA(m_hwndTooltip, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&m_ToolTip));
    m_ptLastToolTip = m_ptLastMousePos;
}

void CHostInput::HideToolTip() {
    if (m_hwndTooltip != nullptr)
        ::SendMessageA(m_hwndTooltip, TTM_TRACKACTIVATE, FALSE,
                       reinterpret_cast<LPARAM>(&m_ToolTip));
}

void CHostInput::DestroyToolTip() {
    if (m_hwndTooltip != nullptr && ::IsWindow(m_hwndTooltip))
        ::DestroyWindow(m_hwndTooltip);
    m_hwndTooltip = nullptr;
}

// The tooltip's own initial delay once it exists, else the host's.
DWORD CHostInput::HoverTimeMs() const {
    if (m_hwndTooltip == nullptr)
        return CWindowHostUI::HOVER_TIME_MS;
    LRESULT lDelay = ::SendMessageA(m_hwndTooltip, TTM_GETDELAYTIME, TTDT_INITIAL, 0);
    return lDelay > 0 ? DWORD(lDelay) : CWindowHostUI::HOVER_TIME_MS;
}

}  // namespace Orvik
