// Work that shows nothing, done while the update check waits on the network.
#include <cstring>

#include "app/startup/StartUp.h"
#include "platform/gdi.h"

namespace {

struct SkinFont {
    const char* pstrFace;
    int nSize;
    bool bBold;
};

// The fonts of the launcher's skin (MainFrame.xml): resolving and opening their faces here
// takes that work off the main window's creation.
const SkinFont SKIN_FONTS[] = {
    {"微软雅黑", 12, false}, {"微软雅黑", 14, true}, {"微软雅黑", 16, true}};
const char SAMPLE_TEXT[] = "快速登录 0.081";

void WarmFont(HDC hDC, const SkinFont& font) {
    LOGFONTA lf = {};
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    std::strncpy(lf.lfFaceName, font.pstrFace, LF_FACESIZE - 1);
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfHeight = -font.nSize;
    if (font.bBold)
        lf.lfWeight += FW_BOLD;
    HFONT hFont = CreateFontIndirectA(&lf);
    if (hFont == nullptr)
        return;
    HGDIOBJ hOld = SelectObject(hDC, hFont);
    SIZE size{};
    GetTextExtentPoint32A(hDC, SAMPLE_TEXT, int(sizeof SAMPLE_TEXT - 1), &size);
    SelectObject(hDC, hOld);
    DeleteObject(hFont);
}

}  // namespace

void WarmUpWhileWaiting() {
    HDC hDC = CreateCompatibleDC(nullptr);
    if (hDC == nullptr)
        return;
    for (const SkinFont& font : SKIN_FONTS)
        WarmFont(hDC, font);
    DeleteDC(hDC);
}
