// Drawing text: plain text through the platform's layout, markup text through the markup layout.
#include "ui/core/UIString.h"
#include "ui/render/ClipScope.h"
#include "ui/render/DrawEngine.h"
#include "ui/render/LanguageTokens.h"
#include "ui/render/MarkupLayout.h"
#include "ui/render/RenderRect.h"
#include "ui/render/UIColor.h"

namespace Orvik {

namespace {

constexpr UINT ALIGN_FLAGS = DT_CENTER | DT_RIGHT | DT_VCENTER | DT_BOTTOM;

// The base font, colours and background mode every layout starts from.
void PrepareDC(IRenderResources& res, const MarkupFrame& frame) {
    SelectObject(frame.hDC, frame.pBaseFont->hFont);
    SetBkMode(frame.hDC, TRANSPARENT);
    SetTextColor(frame.hDC, ToColorRef(frame.dwBaseColor));
    SetBkColor(frame.hDC, ToColorRef(res.SelectedTextBkColor()));
}

RECT MeasureMarkup(IRenderResources& res, MarkupFrame frame, const char* pstrText) {
    frame.uStyle |= DT_CALCRECT;
    PrepareDC(res, frame);
    CMarkupLayout layout(res, frame, MarkupLinks{});
    layout.Run(pstrText);
    return layout.MeasuredRect();
}

// Alignment of the whole text: measured first (a single line as wide as it
// likes), then the rectangle moves to the measured size. Multi-line text is
// aligned line by line as it is drawn.
void AlignToMeasured(IRenderResources& res, MarkupFrame frame, const char* pstrText, RECT& rc) {
    bool bSingle = (frame.uStyle & DT_SINGLELINE) != 0;
    int cxAvail = rc.right - rc.left;
    int cyAvail = rc.bottom - rc.top;
    frame.rc = bSingle ? RECT{0, 0, 9999, 100} : RECT{0, 0, cxAvail, cyAvail};
    RECT rcText = MeasureMarkup(res, frame, pstrText);
    int cx = rcText.right - rcText.left;
    int cy = rcText.bottom - rcText.top;
    if (bSingle && (frame.uStyle & DT_CENTER) != 0) {
        rc.left += cxAvail / 2 - cx / 2;
        rc.right = rc.left + cx;
    } else if (bSingle && (frame.uStyle & DT_RIGHT) != 0) {
        rc.left = rc.right - cx;
    }
    if ((frame.uStyle & DT_VCENTER) != 0) {
        rc.top += cyAvail / 2 - cy / 2;
        rc.bottom = rc.top + cy;
    } else if ((frame.uStyle & DT_BOTTOM) != 0) {
        rc.top = rc.bottom - cy;
    }
}

// The link of the caller's last layout that holds the mouse.
void FindHoverLink(IRenderResources& res, const RECT* prcLinks, const CUIString* sLinks, int nLinks,
                   MarkupFrame& frame) {
    POINT pt = res.LastMousePoint();
    for (int i = 0; i < nLinks; ++i) {
        const RECT& rc = prcLinks[i];
        if (pt.x >= rc.left && pt.x < rc.right && pt.y >= rc.top && pt.y < rc.bottom) {
            frame.bHoverLink = true;
            frame.strHoverLink = sLinks[i];
            return;
        }
    }
}

}  // namespace

void CDrawEngine::DrawPlainText(HDC hDC, IRenderResources* pHost, RECT& rc, const char* pstrText,
                                DWORD dwTextColor, int iFont, UINT uStyle) {
    if (hDC == nullptr || pHost == nullptr || pstrText == nullptr)
        return;
    CUIString strText(pstrText);
    ExpandLanguageTokens(strText, *pHost);
    SetBkMode(hDC, TRANSPARENT);
    SetTextColor(hDC, ToColorRef(dwTextColor));
    HGDIOBJ hOldFont = SelectObject(hDC, pHost->LookupFont(iFont)->hFont);
    DrawTextA(hDC, strText, -1, &rc, uStyle | DT_NOPREFIX);
    SelectObject(hDC, hOldFont);
}

void CDrawEngine::DrawMarkupText(HDC hDC, IRenderResources* pHost, RECT& rc, const char* pstrText,
                                 DWORD dwTextColor, RECT* prcLinks, CUIString* sLinks,
                                 int& nLinkRects, int iFont, UINT uStyle) {
    int nSlots = prcLinks != nullptr && sLinks != nullptr ? std::max(nLinkRects, 0) : 0;
    // Nothing laid out means no links, never the caller's stale ones.
    nLinkRects = 0;
    if (hDC == nullptr || pHost == nullptr || pstrText == nullptr || render::IsEmptyRect(rc))
        return;
    bool bDraw = (uStyle & DT_CALCRECT) == 0;
    CClipScope clip;
    if (bDraw)
        clip.ClipToRect(hDC, rc);
    CUIString strText(pstrText);
    ExpandLanguageTokens(strText, *pHost);
    MarkupFrame frame;
    frame.hDC = hDC;
    frame.uStyle = uStyle;
    frame.pBaseFont = pHost->LookupFont(iFont);
    frame.dwBaseColor = dwTextColor;
    HGDIOBJ hOldFont = SelectObject(hDC, frame.pBaseFont->hFont);
    // An unclosed selection must not leave the DC painting backgrounds.
    int nOldBkMode = SetBkMode(hDC, TRANSPARENT);
    COLORREF crOldBk = SetBkColor(hDC, ToColorRef(pHost->SelectedTextBkColor()));
    if (bDraw && (uStyle & ALIGN_FLAGS) != 0)
        AlignToMeasured(*pHost, frame, strText, rc);
    FindHoverLink(*pHost, prcLinks, sLinks, nSlots, frame);
    frame.rc = rc;
    PrepareDC(*pHost, frame);
    CMarkupLayout layout(*pHost, frame, MarkupLinks{prcLinks, sLinks, nSlots});
    layout.Run(strText);
    nLinkRects = layout.LinkCount();
    if (!bDraw)
        rc = layout.MeasuredRect();
    SetBkMode(hDC, nOldBkMode);
    SetBkColor(hDC, crOldBk);
    SelectObject(hDC, hOldFont);
}

}  // namespace Orvik
