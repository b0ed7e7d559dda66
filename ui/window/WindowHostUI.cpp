// Window host construction, destruction and the process-wide state.
#include "ui/window/WindowHostUI.h"

#include "platform/user.h"
#include "ui/window/WindowHostShared.h"

namespace Orvik {

namespace {

// The system GUI font with the default character set, as a font record.
void MakeDefaultFont(FontInfo& info) {
    LOGFONTA lf = {};
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    lf.lfCharSet = DEFAULT_CHARSET;
    info.hFont = CreateFontIndirectA(&lf);
    info.strFaceName = lf.lfFaceName;
    info.nSize = -lf.lfHeight;
    info.bBold = lf.lfWeight >= FW_BOLD;
    info.bUnderline = lf.lfUnderline != 0;
    info.bItalic = lf.lfItalic != 0;
}

}  // namespace

WindowHostShared& SharedHostState() {
    // Never destroyed: shared images and fonts live as long as the process.
    static WindowHostShared* s_pShared = [] {
        auto* pShared = new WindowHostShared;
        MakeDefaultFont(pShared->m_DefaultFontInfo);
        return pShared;
    }();
    return *s_pShared;
}

CWindowHostUI::CWindowHostUI() {
    const WindowHostShared& shared = SharedHostState();
    m_dwDefaultDisabledColor = shared.m_dwDefaultDisabledColor;
    m_dwDefaultFontColor = shared.m_dwDefaultFontColor;
    m_dwDefaultLinkFontColor = shared.m_dwDefaultLinkFontColor;
    m_dwDefaultLinkHoverFontColor = shared.m_dwDefaultLinkHoverFontColor;
    m_dwDefaultSelectedBkColor = shared.m_dwDefaultSelectedBkColor;
}

CWindowHostUI::~CWindowHostUI() {
    RemoveAllTimers();
    ClearPendingNotifications();
    RunDelayedCleanup();
    m_mapNameHash.RemoveAll();
    if (m_pRoot != nullptr) {
        IControlNodeUI* pRoot = m_pRoot;
        m_pRoot = nullptr;
        pRoot->Delete();
    }
    // Deleting the tree may have queued more.
    RunDelayedCleanup();
    if (m_DefaultFontInfo.hFont != nullptr)
        DeleteObject(m_DefaultFontInfo.hFont);
    RemoveAllTables();
    ReleaseBuffers();
    if (m_hDcPaint != nullptr)
        ::ReleaseDC(m_hWndPaint, m_hDcPaint);
    CUIPtrArray& live = SharedHostState().m_aLiveHosts;
    int iLive = live.Find(this);
    if (iLive >= 0)
        live.Remove(iLive);
}

void CWindowHostUI::RemoveAllTables() {
    RemoveAllFonts(false);
    RemoveAllImages(false);
    RemoveAllDefaultAttributeLists(false);
    RemoveAllWindowCustomAttributes();
    RemoveAllOptionGroups();
}

}  // namespace Orvik
