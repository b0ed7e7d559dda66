// What all window hosts of the process share: tables, texts, default font and colours.
#pragma once

#include "platform/gdi.h"
#include "ui/core/UIPtrArray.h"
#include "ui/core/UIStringMap.h"
#include "ui/render/FontInfo.h"

namespace Orvik {

struct WindowHostShared {
    CUIStringMap m_mapFonts;
    CUIStringMap m_mapImages;
    CUIStringMap m_mapDefaultAttrs;
    // Every host bound to a window, for the message loop.
    CUIPtrArray m_aLiveHosts;
    // Language texts by the decimal text of their id.
    CUIStringMap m_mapLanguageTexts;
    // The system GUI font until a skin sets a shared default font.
    FontInfo m_DefaultFontInfo;
    DWORD m_dwDefaultDisabledColor = 0xFFA7A6AA;
    DWORD m_dwDefaultFontColor = 0xFF000000;
    DWORD m_dwDefaultLinkFontColor = 0xFF0000FF;
    DWORD m_dwDefaultLinkHoverFontColor = 0xFFD3215F;
    DWORD m_dwDefaultSelectedBkColor = 0xFFBAE4FF;
    // Measures fonts of hosts that have no window yet.
    HDC m_hMeasureDC = nullptr;
};

// Made by the first host constructed and kept until the process ends.
WindowHostShared& SharedHostState();

// False once the host was destroyed, for code that runs on after a handler.
inline bool IsLiveHost(const void* pHost) {
    return SharedHostState().m_aLiveHosts.Find(const_cast<void*>(pHost)) >= 0;
}

// The signed client coordinates of a pointer message.
inline POINT PointFromLParam(LPARAM lParam) {
    return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

}  // namespace Orvik
