// Markup text content: text runs fitted to the line, single pieces, inline images.
#include <algorithm>
#include <vector>

#include "platform/kernel.h"
#include "ui/render/DrawEngine.h"
#include "ui/render/MarkupImageRef.h"
#include "ui/render/MarkupLayout.h"

namespace Orvik {

namespace {

constexpr int VALIGN_TOP = 0;
constexpr int VALIGN_CENTER = 4;
constexpr int VALIGN_BOTTOM = 8;

bool IsAsciiLetter(char ch) {
    return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z');
}

// The start of every character from pStart up to pEnd, and pEnd itself.
std::vector<const char*> CharBounds(const char* pStart, const char* pEnd) {
    std::vector<const char*> bounds;
    for (const char* p = pStart; p < pEnd; p = CharNextA(p))
        bounds.push_back(p);
    bounds.push_back(pEnd);
    return bounds;
}

}  // namespace

FontInfo* CMarkupLayout::CurrentFont() const {
    return m_cur.fonts.Top(m_frame.pBaseFont);
}

int CMarkupLayout::FontLineHeight() const {
    const TEXTMETRICA& tm = CurrentFont()->tm;
    return tm.tmHeight + tm.tmExternalLeading;
}

int CMarkupLayout::TopSpacing() const {
    return m_cur.spacings.Top(0);
}

void CMarkupLayout::NoteWidth(int x) {
    m_xMax = std::max(m_xMax, x);
}

int CMarkupLayout::MeasureText(const char* pstr, int nLength) const {
    SIZE size = {0, 0};
    if (nLength > 0)
        GetTextExtentPoint32A(m_frame.hDC, pstr, nLength, &size);
    return size.cx;
}

// Where text of the current font goes on the line: at the line's bottom
// (the default), centred in it, or at its top.
int CMarkupLayout::TextTop() const {
    int cySpare = m_cyLineHeight - FontLineHeight();
    switch (m_cur.valigns.Top(VALIGN_BOTTOM)) {
        case VALIGN_TOP:
            return m_pt.y;
        case VALIGN_CENTER:
            return m_pt.y + cySpare / 2;
        default:
            return m_pt.y + cySpare;
    }
}

// Measures a piece of text and, in the drawing pass, draws it at the
// current point; the point moves past it either way.
void CMarkupLayout::PutText(const char* pstr, int nLength) {
    int cx = MeasureText(pstr, nLength);
    if (m_bDrawingPass && nLength > 0) {
        int x = m_pt.x + m_cxLineOffset;
        int y = TextTop();
        RECT rc = {x, y, x + cx, y + FontLineHeight()};
        DrawTextA(m_frame.hDC, pstr, nLength, &rc, DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
    }
    m_pt.x += cx;
    NoteWidth(m_pt.x);
}

// Text up to the next tag, line feed or end (raw text: up to the end of
// raw mode), as much of it as the line takes.
void CMarkupLayout::TextRun() {
    bool bEllipsis = false;
    const char* pStart = m_cur.p;
    const char* pEnd = FitRun(pStart, bEllipsis);
    PutText(pStart, static_cast<int>(pEnd - pStart));
    m_cur.p = pEnd;
    if (!bEllipsis)
        return;
    PutText("...", 3);
    m_pt.x = std::max<int>(m_pt.x, m_frame.rc.right);  // the line is full
}

// Adds characters while an estimate from the font's widest character (on
// top of the last exact width) stays short of the right edge; from there on
// the run is measured, and cut when it really overflows.
const char* CMarkupLayout::FitRun(const char* pStart, bool& bEllipsis) {
    int cxWidest = std::max<int>(1, CurrentFont()->tm.tmMaxCharWidth);
    int cxKnown = 0;
    int nSinceKnown = 0;
    const char* p = pStart;
    while (*p != '\0' && *p != '\n') {
        bool bRunEnd = m_cur.bRaw ? RawEndLength(p) > 0 : (*p == '<' || *p == '{');
        if (bRunEnd && p > pStart)
            break;
        const char* pNext = CharNextA(p);
        ++nSinceKnown;
        if (m_pt.x + cxKnown + nSinceKnown * cxWidest >= m_frame.rc.right) {
            cxKnown = MeasureText(pStart, static_cast<int>(pNext - pStart));
            nSinceKnown = 0;
            if (m_pt.x + cxKnown > m_frame.rc.right)
                return CutRun(pStart, pNext, bEllipsis);
        }
        p = pNext;
    }
    return p;
}

// The run overflows with its last character: that one goes (unless it is
// the only one), with word break the run goes back to its last break point
// (after any character but an ASCII letter), and with end ellipsis one or
// two more go to make room for the dots. The line ends here.
const char* CMarkupLayout::CutRun(const char* pStart, const char* pEnd, bool& bEllipsis) {
    std::vector<const char*> bounds = CharBounds(pStart, pEnd);
    size_t nKeep = bounds.size() - 1;
    if (nKeep > 1)
        --nKeep;
    if ((m_frame.uStyle & DT_WORDBREAK) != 0) {
        size_t nBreak = nKeep;
        while (nBreak > 0 && IsAsciiLetter(*bounds[nBreak - 1]))
            --nBreak;
        if (nBreak > 0)
            nKeep = nBreak;
    }
    if ((m_frame.uStyle & DT_END_ELLIPSIS) != 0) {
        nKeep -= std::min<size_t>(nKeep, nKeep >= 2 ? 2 : 1);
        bEllipsis = true;
    }
    m_bBreakRequested = true;
    return bounds[nKeep];
}

// An inline image, or one frame of a horizontal strip. It goes on this line
// when it fits, or when the line is empty, or on a single line; otherwise
// the line ends and the tag is read again on the next one.
bool CMarkupLayout::PlaceImage(const CUIString& strParam) {
    MarkupImageRef ref = ParseMarkupImageRef(strParam);
    SkinImage* pImage =
        ref.strName.IsEmpty()
            ? nullptr
            : m_res.LookupOrLoadImage(ref.strName, ref.bTyped ? ref.strType.GetData() : nullptr, 0);
    if (pImage == nullptr)
        return true;
    int cxFrame = pImage->nWidth / ref.nFrames;
    const RECT& rc = m_frame.rc;
    if (m_pt.x + cxFrame > rc.right && m_pt.x != rc.left && !m_bSingleLine) {
        m_bBreakRequested = true;
        return false;
    }
    if (m_bDrawingPass)
        DrawFrame(*pImage, ref.nFrame, cxFrame);
    m_cur.cyLine = std::max(m_cur.cyLine, pImage->nHeight);
    m_pt.x += cxFrame;
    NoteWidth(m_pt.x);
    m_yMinBottom = std::max<LONG>(m_yMinBottom, m_pt.y + pImage->nHeight);
    return true;
}

// Unscaled, with the image's alpha, on the line's bottom unless the
// alignment says top or centre.
void CMarkupLayout::DrawFrame(const SkinImage& image, int nFrame, int cxFrame) {
    int cy = image.nHeight;
    if (cxFrame <= 0 || cy <= 0)
        return;
    int cySpare = m_cyLineHeight - cy;
    int y = m_pt.y + cySpare;
    int nAlign = m_cur.valigns.Top(VALIGN_BOTTOM);
    if (nAlign == VALIGN_TOP && cySpare > 0)
        y = m_pt.y;
    else if (nAlign == VALIGN_CENTER)
        y -= cySpare / 2;
    int x = m_pt.x + m_cxLineOffset;
    RECT rcDest = {x, y, x + cxFrame, y + cy};
    RECT rcSource = {nFrame * cxFrame, 0, (nFrame + 1) * cxFrame, cy};
    CDrawEngine::DrawImage(m_frame.hDC, image.hBitmap, rcDest, rcDest, rcSource, RECT{0, 0, 0, 0},
                           image.bAlpha);
}

}  // namespace Orvik
