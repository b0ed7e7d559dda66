// Drawing services: device contexts, bitmaps, blits, fills, pens, regions, fonts and text.
//
// Pixels are 32-bit B, G, R, A in memory. Alpha conventions: BitBlt and
// StretchBlt copy all four bytes; AlphaBlend composites premultiplied
// source-over; GradientFill writes premultiplied pixels (opaque vertices give
// their colours exactly). Every other operation (FillRect, pens, rectangles,
// text) draws opaque colour: covered pixels get alpha 255, and the soft edges
// of text are composited source-over, so text on a transparent buffer yields
// correct premultiplied pixels for a per-pixel-alpha window.
#pragma once

#ifdef _WIN32
// The real API, with the project's own extras.
#include "platform/win/gdi_win.h"
#else

#include "platform/win32_types.h"

typedef void* PVOID;

// --- structures -------------------------------------------------------------
struct BITMAP {
    LONG bmType;
    LONG bmWidth;
    LONG bmHeight;
    LONG bmWidthBytes;
    WORD bmPlanes;
    WORD bmBitsPixel;
    LPVOID bmBits;
};

struct BITMAPINFOHEADER {
    DWORD biSize;
    LONG biWidth;
    LONG biHeight;  // negative: rows run top-down in memory
    WORD biPlanes;
    WORD biBitCount;
    DWORD biCompression;
    DWORD biSizeImage;
    LONG biXPelsPerMeter;
    LONG biYPelsPerMeter;
    DWORD biClrUsed;
    DWORD biClrImportant;
};

struct RGBQUAD {
    BYTE rgbBlue;
    BYTE rgbGreen;
    BYTE rgbRed;
    BYTE rgbReserved;
};

struct BITMAPINFO {
    BITMAPINFOHEADER bmiHeader;
    RGBQUAD bmiColors[1];
};

struct BLENDFUNCTION {
    BYTE BlendOp;
    BYTE BlendFlags;
    BYTE SourceConstantAlpha;
    BYTE AlphaFormat;
};

typedef WORD COLOR16;
struct TRIVERTEX {
    LONG x;
    LONG y;
    COLOR16 Red;
    COLOR16 Green;
    COLOR16 Blue;
    COLOR16 Alpha;
};

struct GRADIENT_RECT {
    ULONG UpperLeft;
    ULONG LowerRight;
};

struct LOGBRUSH {
    UINT lbStyle;
    COLORREF lbColor;
    ULONG_PTR lbHatch;
};

struct LOGPEN {
    UINT lopnStyle;
    POINT lopnWidth;
    COLORREF lopnColor;
};

#define LF_FACESIZE 32
struct LOGFONTA {
    LONG lfHeight;
    LONG lfWidth;
    LONG lfEscapement;
    LONG lfOrientation;
    LONG lfWeight;
    BYTE lfItalic;
    BYTE lfUnderline;
    BYTE lfStrikeOut;
    BYTE lfCharSet;
    BYTE lfOutPrecision;
    BYTE lfClipPrecision;
    BYTE lfQuality;
    BYTE lfPitchAndFamily;
    CHAR lfFaceName[LF_FACESIZE];  // code page 936
};
typedef LOGFONTA LOGFONT;

struct TEXTMETRICA {
    LONG tmHeight;
    LONG tmAscent;
    LONG tmDescent;
    LONG tmInternalLeading;
    LONG tmExternalLeading;
    LONG tmAveCharWidth;
    LONG tmMaxCharWidth;
    LONG tmWeight;
    LONG tmOverhang;
    LONG tmDigitizedAspectX;
    LONG tmDigitizedAspectY;
    BYTE tmFirstChar;
    BYTE tmLastChar;
    BYTE tmDefaultChar;
    BYTE tmBreakChar;
    BYTE tmItalic;
    BYTE tmUnderlined;
    BYTE tmStruckOut;
    BYTE tmPitchAndFamily;
    BYTE tmCharSet;
};
typedef TEXTMETRICA TEXTMETRIC;

struct ABC {
    int abcA;
    UINT abcB;
    int abcC;
};

// --- constants --------------------------------------------------------------
#define BI_RGB 0L
#define BI_BITFIELDS 3L
#define DIB_RGB_COLORS 0

#define OBJ_PEN 1
#define OBJ_BRUSH 2
#define OBJ_FONT 6
#define OBJ_BITMAP 7
#define OBJ_REGION 8

#define WHITE_BRUSH 0
#define LTGRAY_BRUSH 1
#define GRAY_BRUSH 2
#define DKGRAY_BRUSH 3
#define BLACK_BRUSH 4
#define NULL_BRUSH 5
#define HOLLOW_BRUSH NULL_BRUSH
#define WHITE_PEN 6
#define BLACK_PEN 7
#define NULL_PEN 8
#define SYSTEM_FONT 13
#define DEFAULT_GUI_FONT 17

#define BS_SOLID 0
#define BS_NULL 1

#define PS_SOLID 0
#define PS_DASH 1
#define PS_DOT 2
#define PS_DASHDOT 3
#define PS_DASHDOTDOT 4
#define PS_NULL 5
#define PS_INSIDEFRAME 6
#define PS_STYLE_MASK 0x0000000F

#define SRCCOPY 0x00CC0020u
#define PATCOPY 0x00F00021u
#define BLACKNESS 0x00000042u
#define WHITENESS 0x00FF0062u

#define BLACKONWHITE 1
#define WHITEONBLACK 2
#define COLORONCOLOR 3
#define HALFTONE 4
#define STRETCH_DELETESCANS COLORONCOLOR
#define STRETCH_HALFTONE HALFTONE

#define AC_SRC_OVER 0x00
#define AC_SRC_ALPHA 0x01

#define GRADIENT_FILL_RECT_H 0x00000000
#define GRADIENT_FILL_RECT_V 0x00000001

#define TRANSPARENT 1
#define OPAQUE 2

#define ERROR 0
#define NULLREGION 1
#define SIMPLEREGION 2
#define COMPLEXREGION 3
#define RGN_ERROR ERROR

#define RGN_AND 1
#define RGN_OR 2
#define RGN_XOR 3
#define RGN_DIFF 4
#define RGN_COPY 5

#define CLR_INVALID 0xFFFFFFFFu
#define GDI_ERROR 0xFFFFFFFFu
#define HGDI_ERROR ((HGDIOBJ)(LONG_PTR)-1)

#define FW_DONTCARE 0
#define FW_THIN 100
#define FW_LIGHT 300
#define FW_NORMAL 400
#define FW_MEDIUM 500
#define FW_SEMIBOLD 600
#define FW_BOLD 700
#define FW_HEAVY 900

#define ANSI_CHARSET 0
#define DEFAULT_CHARSET 1
#define GB2312_CHARSET 134
#define OUT_DEFAULT_PRECIS 0
#define CLIP_DEFAULT_PRECIS 0
#define DEFAULT_QUALITY 0
#define ANTIALIASED_QUALITY 4
#define CLEARTYPE_QUALITY 5
#define DEFAULT_PITCH 0
#define FF_DONTCARE 0
#define FF_SWISS (2 << 4)

#define ETO_OPAQUE 0x0002
#define ETO_CLIPPED 0x0004

#define DT_TOP 0x00000000
#define DT_LEFT 0x00000000
#define DT_CENTER 0x00000001
#define DT_RIGHT 0x00000002
#define DT_VCENTER 0x00000004
#define DT_BOTTOM 0x00000008
#define DT_WORDBREAK 0x00000010
#define DT_SINGLELINE 0x00000020
#define DT_EXPANDTABS 0x00000040
#define DT_NOCLIP 0x00000100
#define DT_EXTERNALLEADING 0x00000200
#define DT_CALCRECT 0x00000400
#define DT_NOPREFIX 0x00000800
#define DT_EDITCONTROL 0x00002000
#define DT_PATH_ELLIPSIS 0x00004000
#define DT_END_ELLIPSIS 0x00008000
#define DT_HIDEPREFIX 0x00100000
#define DT_PREFIXONLY 0x00200000

// --- objects ----------------------------------------------------------------
HGDIOBJ GetStockObject(int i);
// Deleting an object that is still selected into a DC only marks it: it is
// freed when the last DC lets go of it.
BOOL DeleteObject(HGDIOBJ ho);
HGDIOBJ SelectObject(HDC hdc, HGDIOBJ h);
int GetObjectA(HGDIOBJ h, int c, LPVOID pv);
HGDIOBJ GetCurrentObject(HDC hdc, UINT type);

HBRUSH CreateSolidBrush(COLORREF color);
HPEN CreatePen(int iStyle, int cWidth, COLORREF color);

// --- bitmaps ----------------------------------------------------------------
// 32-bit, zero-filled, top-down.
HBITMAP CreateCompatibleBitmap(HDC hdc, int cx, int cy);
// Only 32 bits per pixel (BI_RGB or BI_BITFIELDS) is supported.
HBITMAP CreateDIBSection(HDC hdc, const BITMAPINFO* pbmi, UINT usage, void** ppvBits,
                         HANDLE hSection, DWORD offset);

// --- device contexts --------------------------------------------------------
HDC CreateCompatibleDC(HDC hdc);
BOOL DeleteDC(HDC hdc);
int SaveDC(HDC hdc);
BOOL RestoreDC(HDC hdc, int nSavedDC);

COLORREF SetTextColor(HDC hdc, COLORREF color);
COLORREF GetTextColor(HDC hdc);
COLORREF SetBkColor(HDC hdc, COLORREF color);
int SetBkMode(HDC hdc, int mode);
int SetStretchBltMode(HDC hdc, int mode);
// Logical (x, y) lands on device (0, 0); SaveDC and RestoreDC keep it.
BOOL SetWindowOrgEx(HDC hdc, int x, int y, LPPOINT lppt);

// --- blits, fills and shapes ------------------------------------------------
BOOL BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop);
BOOL StretchBlt(HDC hdcDest, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc, int xSrc,
                int ySrc, int wSrc, int hSrc, DWORD rop);
// Fails when the source rectangle is not inside the source bitmap.
BOOL AlphaBlend(HDC hdcDest, int xoriginDest, int yoriginDest, int wDest, int hDest, HDC hdcSrc,
                int xoriginSrc, int yoriginSrc, int wSrc, int hSrc, BLENDFUNCTION ftn);
BOOL GradientFill(HDC hdc, TRIVERTEX* pVertex, ULONG nVertex, PVOID pMesh, ULONG nMesh,
                  ULONG ulMode);
int FillRect(HDC hDC, const RECT* lprc, HBRUSH hbr);
BOOL MoveToEx(HDC hdc, int x, int y, LPPOINT lppt);
BOOL LineTo(HDC hdc, int x, int y);
BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom);
// The RGB of one pixel, CLR_INVALID outside the target or the clip.
COLORREF GetPixel(HDC hdc, int x, int y);
// Writes an opaque pixel; returns the colour set, or CLR_INVALID when clipped away.
COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color);
BOOL RoundRect(HDC hdc, int left, int top, int right, int bottom, int width, int height);

// --- regions and clipping ---------------------------------------------------
HRGN CreateRectRgn(int x1, int y1, int x2, int y2);
HRGN CreateRectRgnIndirect(const RECT* lprect);
// Covers left..right-1 by top..bottom-1 with the corners cut by the ellipse,
// one pixel short on the right and bottom like the original.
HRGN CreateRoundRectRgn(int x1, int y1, int x2, int y2, int w, int h);
BOOL SetRectRgn(HRGN hrgn, int left, int top, int right, int bottom);
int CombineRgn(HRGN hrgnDst, HRGN hrgnSrc1, HRGN hrgnSrc2, int iMode);
int GetRgnBox(HRGN hrgn, LPRECT lprc);
BOOL PtInRegion(HRGN hrgn, int x, int y);
int OffsetRgn(HRGN hrgn, int x, int y);

// Clip regions are in device coordinates; a null region removes the clip.
int SelectClipRgn(HDC hdc, HRGN hrgn);
int ExtSelectClipRgn(HDC hdc, HRGN hrgn, int mode);
int GetClipBox(HDC hdc, LPRECT lprect);
// 1 and a copy of the clip in hrgn when the DC has one, 0 when it has none.
int GetClipRgn(HDC hdc, HRGN hrgn);
int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom);

// --- fonts and text (narrow text is code page 936) ---------------------------
HFONT CreateFontIndirectA(const LOGFONTA* lplf);
BOOL GetTextMetricsA(HDC hdc, TEXTMETRICA* lptm);
BOOL GetTextExtentPoint32A(HDC hdc, LPCSTR lpString, int c, LPSIZE psizl);
BOOL GetCharABCWidthsA(HDC hdc, UINT wFirst, UINT wLast, ABC* lpABC);
BOOL TextOutA(HDC hdc, int x, int y, LPCSTR lpString, int c);
BOOL ExtTextOutA(HDC hdc, int x, int y, UINT options, const RECT* lprect, LPCSTR lpString, UINT c,
                 const INT* lpDx);
// Returns the height of the text (with DT_VCENTER or DT_BOTTOM the offset from
// the rectangle's top to the bottom of the text), 0 on failure.
int DrawTextA(HDC hdc, LPCSTR lpchText, int cchText, LPRECT lprc, UINT format);

namespace platform {

// The window core's seam: a DC drawing straight into caller-owned 32-bit
// BGRA pixels (top-down rows of strideBytes, a multiple of 4). The pixels must
// outlive the DC or be replaced with RebindSurfaceDC first.
HDC CreateSurfaceDC(void* pBits, int width, int height, int strideBytes);
bool RebindSurfaceDC(HDC hdc, void* pBits, int width, int height, int strideBytes);

// Copies the rectangle `src` (logical coordinates) of whatever a DC draws into
// to top-down BGRA rows at pDst; parts outside the target read as 0. For
// presenting a back buffer and for screenshots.
bool ReadDCPixels(HDC hdc, const RECT& src, void* pDst, int dstStrideBytes);

// Writes a 32-bit bitmap as an RGBA PNG (path in UTF-8). Premultiplied pixels
// are turned back into straight alpha so the file looks as it does on screen.
bool SaveBitmapPng(HBITMAP hbm, const char* pathUtf8);
// The same for whatever bitmap or surface a DC draws into.
bool SaveDCPng(HDC hdc, const char* pathUtf8);

}  // namespace platform

#endif  // _WIN32
