// Markup text tags: fonts, colours, links, paragraphs, raw and selected text, alignment, moves.
#include <algorithm>

#include "ui/render/MarkupFonts.h"
#include "ui/render/MarkupLayout.h"
#include "ui/render/UIColor.h"

namespace Orvik {

namespace {

// Moves, line heights and spacings from tags are kept to a sane range, so
// that no sum of them can overflow.
constexpr int MAX_TAG_PIXELS = 32767;

constexpr int VALIGN_TOP = 0;
constexpr int VALIGN_CENTER = 4;
constexpr int VALIGN_BOTTOM = 8;

int TagNumber(const CUIString& strParam) {
    const char* p = strParam.GetData();
    return ReadMarkupNumber(p, MAX_TAG_PIXELS);
}

int VerticalAlignment(const CUIString& strParam) {
    if (strParam.CompareNoCase("top") == 0)
        return VALIGN_TOP;
    return strParam.CompareNoCase("center") == 0 ? VALIGN_CENTER : VALIGN_BOTTOM;
}

}  // namespace

// False when the tag must be read again on the next line (an image that
// does not fit).
bool CMarkupLayout::ApplyTag(const MarkupToken& token) {
    const CUIString& strParam = token.strParam;
    switch (token.chValue) {
        case 'a':
            StartLink(strParam);
            return true;
        case 'b':
            PushFont(MarkupFontVariant(m_res, CurrentFont(), EFontStyle::Bold));
            return true;
        case 'c':
            PushColor(ParseColor(strParam));
            return true;
        case 'f':
            PushFont(MarkupFontFromTag(m_res, CurrentFont(), strParam));
            return true;
        case 'i':
            if (!strParam.IsEmpty())
                return PlaceImage(strParam);
            PushFont(MarkupFontVariant(m_res, CurrentFont(), EFontStyle::Italic));
            return true;
        case 'u':
            PushFont(MarkupFontVariant(m_res, CurrentFont(), EFontStyle::Underline));
            return true;
        default:
            ApplyLayoutTag(token.chValue, strParam);
            return true;
    }
}

// Tags that shape lines rather than switch styles; unknown letters are
// skipped with their parameter.
void CMarkupLayout::ApplyLayoutTag(char chLetter, const CUIString& strParam) {
    switch (chLetter) {
        case 'n':
            m_bBreakRequested = m_bBreakRequested || !m_bSingleLine;
            break;
        case 'p':
            StartParagraph(strParam);
            break;
        case 'r':
            m_cur.bRaw = true;
            break;
        case 's':
            m_cur.bSelected = !m_cur.bSelected;
            ApplySelection();
            break;
        case 'v':
            m_cur.valigns.Push(VerticalAlignment(strParam));
            break;
        case 'x':
            m_pt.x += TagNumber(strParam);
            break;
        case 'y':
            m_cur.cyLine = TagNumber(strParam);
            break;
        default:
            break;
    }
}

void CMarkupLayout::ApplyEndTag(char chLetter) {
    switch (chLetter) {
        case 'a':
            EndLink();
            break;
        case 'b':
        case 'f':
        case 'i':
        case 'u':
            PopFont();
            break;
        case 'c':
            PopColor();
            break;
        case 'p':
            EndParagraph();
            break;
        case 'r':
            m_cur.bRaw = false;
            break;
        case 's':
            m_cur.bSelected = !m_cur.bSelected;
            ApplySelection();
            break;
        case 'v':
            m_cur.valigns.Pop();
            break;
        default:
            break;
    }
}

// The measuring pass records the link's text in its slot; both passes draw
// it in the link colour, underlined.
void CMarkupLayout::StartLink(const CUIString& strText) {
    if (!m_bDrawingPass && m_cur.iLink < m_links.nSlots)
        m_links.pstrLinks[m_cur.iLink] = strText;
    bool bHover = m_frame.bHoverLink && strText == m_frame.strHoverLink;
    PushColor(bHover ? m_res.LinkHoverTextColor() : m_res.LinkTextColor());
    PushFont(MarkupFontVariant(m_res, CurrentFont(), EFontStyle::Underline));
    m_ptLinkStart = m_pt;
    m_cur.bInLink = true;
}

// A stray end tag outside a link records no link.
void CMarkupLayout::EndLink() {
    if (m_cur.bInLink && m_cur.iLink < m_links.nSlots) {
        if (!m_bDrawingPass)
            m_links.prcLinks[m_cur.iLink] =
                RECT{m_ptLinkStart.x, m_ptLinkStart.y, m_pt.x, m_pt.y + FontLineHeight()};
        ++m_cur.iLink;
    }
    PopColor();
    m_cur.bInLink = false;
    PopFont();
}

// After the measuring pass: a link still open gets its part on this line
// (its text goes on to the next slot), and every link of the line reaches
// down to the line's bottom.
void CMarkupLayout::CloseLineLinks() {
    int yBottom = m_pt.y + m_cyLineHeight;
    if (m_cur.bInLink && m_cur.iLink < m_links.nSlots) {
        m_links.prcLinks[m_cur.iLink] = RECT{m_ptLinkStart.x, m_ptLinkStart.y,
                                             std::min<LONG>(m_pt.x, m_frame.rc.right), yBottom};
        if (m_cur.iLink + 1 < m_links.nSlots)
            m_links.pstrLinks[m_cur.iLink + 1] = m_links.pstrLinks[m_cur.iLink];
        ++m_cur.iLink;
    }
    for (int i = m_lineStart.iLink; i < m_cur.iLink && i < m_links.nSlots; ++i)
        m_links.prcLinks[i].bottom = yBottom;
}

void CMarkupLayout::ShiftLineLinks(int cx) {
    for (int i = m_lineStart.iLink; i < m_iLinkMeasured && i < m_links.nSlots; ++i) {
        m_links.prcLinks[i].left += cx;
        m_links.prcLinks[i].right += cx;
    }
}

void CMarkupLayout::StartParagraph(const CUIString& strParam) {
    if (m_pt.x > m_frame.rc.left && !m_bSingleLine)
        m_bBreakRequested = true;
    int nSpacing = TagNumber(strParam);
    m_cur.spacings.Push(nSpacing);
    m_cur.cyLine = std::max(m_cur.cyLine, nSpacing + FontLineHeight());
}

void CMarkupLayout::EndParagraph() {
    if (m_pt.x > m_frame.rc.left && !m_bSingleLine)
        m_bBreakRequested = true;
    m_cur.spacings.Pop();
    GrowLineForFont();
}

void CMarkupLayout::PushFont(FontInfo* pFont) {
    m_cur.fonts.Push(pFont);
    SelectObject(m_frame.hDC, CurrentFont()->hFont);
    GrowLineForFont();
}

// Leaving italic text, half the italic overhang of a space is kept so
// that the upright text after it does not touch the slanted end.
void CMarkupLayout::PopFont() {
    FontInfo* pOld = CurrentFont();
    m_cur.fonts.Pop();
    FontInfo* pNew = CurrentFont();
    ABC abc = {};
    if (pOld->bItalic && !pNew->bItalic && GetCharABCWidthsA(m_frame.hDC, ' ', ' ', &abc))
        m_pt.x += abc.abcC / 2;
    SelectObject(m_frame.hDC, pNew->hFont);
    GrowLineForFont();
}

void CMarkupLayout::GrowLineForFont() {
    m_cur.cyLine = std::max(m_cur.cyLine, TopSpacing() + FontLineHeight());
}

void CMarkupLayout::PushColor(DWORD dwColor) {
    m_cur.colors.Push(dwColor);
    ApplyTextColor();
}

void CMarkupLayout::PopColor() {
    m_cur.colors.Pop();
    ApplyTextColor();
}

void CMarkupLayout::ApplyTextColor() {
    SetTextColor(m_frame.hDC, ToColorRef(m_cur.colors.Top(m_frame.dwBaseColor)));
}

void CMarkupLayout::ApplySelection() {
    SetBkMode(m_frame.hDC, m_cur.bSelected ? OPAQUE : TRANSPARENT);
}

}  // namespace Orvik
