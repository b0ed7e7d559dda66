// The resource part's life: the process's default colours at the start, every table freed at the
// end.
#include "ui/window/HostResources.h"

#include "ui/window/WindowHostShared.h"

namespace Orvik {

CHostResources::CHostResources(const POINT& ptMouse) : m_ptMouse(ptMouse) {
    const WindowHostShared& shared = SharedHostState();
    m_dwDefaultDisabledColor = shared.m_dwDefaultDisabledColor;
    m_dwDefaultFontColor = shared.m_dwDefaultFontColor;
    m_dwDefaultLinkFontColor = shared.m_dwDefaultLinkFontColor;
    m_dwDefaultLinkHoverFontColor = shared.m_dwDefaultLinkHoverFontColor;
    m_dwDefaultSelectedBkColor = shared.m_dwDefaultSelectedBkColor;
}

CHostResources::~CHostResources() {
    if (m_DefaultFontInfo.hFont != nullptr)
        DeleteObject(m_DefaultFontInfo.hFont);
    RemoveAllTables();
}

void CHostResources::RemoveAllTables() {
    RemoveAllFonts(false);
    RemoveAllImages(false);
    RemoveAllDefaultAttributeLists(false);
    RemoveAllWindowCustomAttributes();
    RemoveAllOptionGroups();
}

}  // namespace Orvik
