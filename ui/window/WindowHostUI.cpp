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

CWindowHostUI::CWindowHostUI() = default;

CWindowHostUI::~CWindowHostUI() {
    RemoveAllTimers();
    ClearPendingNotifications();
    RunDelayedCleanup();
    m_tree.DeleteRoot();
    // Deleting the tree may have queued more.
    RunDelayedCleanup();
    m_resources.RemoveAllTables();
    m_input.DestroyToolTip();
    m_paint.ReleaseBuffers();
    if (m_hDcPaint != nullptr)
        ::ReleaseDC(m_hWndPaint, m_hDcPaint);
    CUIPtrArray& live = SharedHostState().m_aLiveHosts;
    int iLive = live.Find(this);
    if (iLive >= 0)
        live.Remove(iLive);
}

}  // namespace Orvik
