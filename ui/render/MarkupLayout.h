// Lays out and draws markup text line by line: a measuring pass, then a drawing pass per line.
#pragma once

#include "platform/gdi.h"
#include "ui/core/UIString.h"
#include "ui/render/IRenderResources.h"
#include "ui/render/MarkupStack.h"
#include "ui/render/MarkupToken.h"

namespace Orvik {

// The caller's link slots: rectangles and texts of nSlots links.
struct MarkupLinks {
    RECT* prcLinks = nullptr;
    CUIString* pstrLinks = nullptr;
    int nSlots = 0;
};

// What a markup text is laid out in and with.
struct MarkupFrame {
    HDC hDC = nullptr;
    RECT rc = {0, 0, 0, 0};
    UINT uStyle = 0;
    FontInfo* pBaseFont = nullptr;
    DWORD dwBaseColor = 0;
    // The text of the link under the mouse, drawn in the hover colour.
    bool bHoverLink = false;
    CUIString strHoverLink;
};

// With DT_CALCRECT every line is only measured. Otherwise each line is
// measured first (its width and height), then laid out again from its first
// character with the same state and drawn, so that measured and drawn
// positions come from one code path. The DC's font, colours and background
// mode change while it runs; the caller restores them.
class CMarkupLayout {
public:
    CMarkupLayout(IRenderResources& res, const MarkupFrame& frame, const MarkupLinks& links);

    void Run(const char* pstrText);
    // The link slots filled.
    int LinkCount() const;
    // The measured size as a rectangle at the frame's top-left.
    RECT MeasuredRect() const;

private:
    // What a line's drawing pass restarts from.
    struct LineState {
        CMarkupStack<FontInfo*> fonts;
        CMarkupStack<DWORD> colors;
        CMarkupStack<int> spacings;
        CMarkupStack<int> valigns;
        bool bRaw = false;
        bool bSelected = false;
        bool bInLink = false;
        int iLink = 0;
        int cyLine = 0;
        const char* p = nullptr;
    };

    // --- lines (MarkupLayout.cpp) ---
    void LayOutLine();
    void Step();
    bool AtLineEnd() const;
    void EndMeasuringPass();
    void StartDrawingPass();
    void EndDrawingPass();
    bool StartNextLine();
    void RestoreLineStart();
    void CloseLineLinks();
    void ShiftLineLinks(int cx);

    // --- tags (MarkupLayoutTags.cpp) ---
    bool ApplyTag(const MarkupToken& token);
    void ApplyLayoutTag(char chLetter, const CUIString& strParam);
    void ApplyEndTag(char chLetter);
    void StartLink(const CUIString& strText);
    void EndLink();
    void StartParagraph(const CUIString& strParam);
    void EndParagraph();
    void PushFont(FontInfo* pFont);
    void PopFont();
    void GrowLineForFont();
    void PushColor(DWORD dwColor);
    void PopColor();
    void ApplyTextColor();
    void ApplySelection();

    // --- text and images (MarkupLayoutRuns.cpp) ---
    void TextRun();
    const char* FitRun(const char* pStart, bool& bEllipsis);
    const char* CutRun(const char* pStart, const char* pEnd, bool& bEllipsis);
    void PutText(const char* pstr, int nLength);
    bool PlaceImage(const CUIString& strParam);
    void DrawFrame(const SkinImage& image, int nFrame, int cxFrame);
    int TextTop() const;
    int MeasureText(const char* pstr, int nLength) const;
    FontInfo* CurrentFont() const;
    int FontLineHeight() const;
    int TopSpacing() const;
    void NoteWidth(int x);

    IRenderResources& m_res;
    MarkupFrame m_frame;
    MarkupLinks m_links;
    bool m_bDraw;
    bool m_bSingleLine;

    LineState m_cur;
    LineState m_lineStart;
    bool m_bDrawingPass = false;
    bool m_bBreakRequested = false;
    POINT m_pt = {0, 0};
    POINT m_ptLinkStart = {0, 0};
    int m_iLinkMeasured = 0;
    int m_cyLineHeight = 0;
    int m_cxLineWidth = 0;
    int m_cxLineOffset = 0;
    int m_xMax = 0;
    int m_yMinBottom = 0;
};

}  // namespace Orvik
