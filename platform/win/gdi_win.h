// Drawing on Windows: the real GDI, text in code page 936 drawn through the
// wide functions so that it is right on any system code page.
#pragma once

#include "platform/win/windows_api.h"

#define DrawTextA LumoraDrawTextA
#define TextOutA LumoraTextOutA
#define GetTextExtentPoint32A LumoraGetTextExtentPoint32A
#define CreateFontIndirectA LumoraCreateFontIndirectA
#define GetObjectA LumoraGetObjectA

int LumoraDrawTextA(HDC hdc, LPCSTR lpchText, int cchText, LPRECT lprc, UINT format);
BOOL LumoraTextOutA(HDC hdc, int x, int y, LPCSTR lpString, int c);
BOOL LumoraGetTextExtentPoint32A(HDC hdc, LPCSTR lpString, int c, LPSIZE psizl);
// The face name is code page 936.
HFONT LumoraCreateFontIndirectA(const LOGFONTA* lplf);
// As GetObjectA; a font's face name comes back in code page 936.
int LumoraGetObjectA(HANDLE h, int c, LPVOID pv);

namespace platform {

// Writes a bitmap (a DIB section or compatible bitmap) as a PNG file.
bool SaveBitmapPng(HBITMAP hbm, const char* pathUtf8);

}  // namespace platform
