// Text drawing and font faces in code page 936 through GDI's wide functions.
#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>

#include "platform/win/gdi_win.h"
#include "platform/win/kernel_win.h"

#undef GetObjectA

int LumoraDrawTextA(HDC hdc, LPCSTR lpchText, int cchText, LPRECT lprc, UINT format) {
    std::wstring text = platform::AnsiToWide(lpchText, cchText);
    return DrawTextW(hdc, text.c_str(), static_cast<int>(text.size()), lprc,
                     format & ~static_cast<UINT>(DT_MODIFYSTRING));
}

BOOL LumoraTextOutA(HDC hdc, int x, int y, LPCSTR lpString, int c) {
    std::wstring text = platform::AnsiToWide(lpString, c);
    return TextOutW(hdc, x, y, text.c_str(), static_cast<int>(text.size()));
}

BOOL LumoraGetTextExtentPoint32A(HDC hdc, LPCSTR lpString, int c, LPSIZE psizl) {
    std::wstring text = platform::AnsiToWide(lpString, c);
    return GetTextExtentPoint32W(hdc, text.c_str(), static_cast<int>(text.size()), psizl);
}

HFONT LumoraCreateFontIndirectA(const LOGFONTA* lplf) {
    if (lplf == nullptr)
        return nullptr;
    LOGFONTW lf = {};
    std::memcpy(&lf, lplf, offsetof(LOGFONTA, lfFaceName));
    char szFace[LF_FACESIZE + 1] = {};
    std::memcpy(szFace, lplf->lfFaceName, LF_FACESIZE);
    std::wstring face = platform::AnsiToWide(szFace);
    face.resize(std::min<size_t>(face.size(), LF_FACESIZE - 1));
    std::memcpy(lf.lfFaceName, face.c_str(), (face.size() + 1) * sizeof(wchar_t));
    return CreateFontIndirectW(&lf);
}

// The system hands the face back in its own code page; the program reads 936.
int LumoraGetObjectA(HANDLE h, int c, LPVOID pv) {
    if (pv == nullptr || GetObjectType(h) != OBJ_FONT ||
        c < static_cast<int>(offsetof(LOGFONTA, lfFaceName)))
        return GetObjectA(h, c, pv);
    LOGFONTW lfWide = {};
    if (GetObjectW(h, sizeof(lfWide), &lfWide) == 0)
        return 0;
    LOGFONTA lf = {};
    std::memcpy(&lf, &lfWide, offsetof(LOGFONTA, lfFaceName));
    std::string face = platform::WideToAnsi(lfWide.lfFaceName);
    size_t n = platform::CharBoundaryPrefix(face, LF_FACESIZE - 1);
    std::memcpy(lf.lfFaceName, face.data(), n);
    int nCopy = std::min(c, static_cast<int>(sizeof(lf)));
    std::memcpy(pv, &lf, static_cast<size_t>(nCopy));
    return nCopy;
}
