// Markup text, line by line: the two passes of each line and what happens between lines.
#include "ui/render/MarkupLayout.h"

#include <algorithm>

#include "ui/render/UIColor.h"

namespace Orvik {

namespace {

// Beyond this a measured text is taller than any surface; stopping there
// keeps the line positions far from overflowing.
constexpr int MAX_LAYOUT_Y = 1 << 28;

}  // namespace

CMarkupLayout::CMarkupLayout(IRenderResources& res, const MarkupFrame& frame,
                             const MarkupLinks& links)
    : m_res(res),
      m_frame(frame),
      m_links(links),
      m_bDraw((frame.uStyle & DT_CALCRECT) == 0),
      m_bSingleLine((frame.uStyle & DT_SINGLELINE) != 0) {
    if (m_links.prcLinks == nullptr || m_links.pstrLinks == nullptr || m_links.nSlots < 0)
        m_links.nSlots = 0;
    m_pt = POINT{frame.rc.left, frame.rc.top};
    m_ptLinkStart = m_pt;
    m_xMax = frame.rc.left;
    m_yMinBottom = frame.rc.top;
    m_cur.cyLine = FontLineHeight();
}

void CMarkupLayout::Run(const char* pstrText) {
    m_cur.p = pstrText;
    m_lineStart = m_cur;
    do {
        // Pass 1 of a line: lay it out without drawing, for its width and
        // height (and, when only measuring, for everything).
        m_bDrawingPass = false;
        LayOutLine();
        EndMeasuringPass();
        if (!m_bDraw)
            continue;
        // Pass 2: the same line again from its first character, now placed
        // by the measured width and height, and drawn.
        StartDrawingPass();
        LayOutLine();
        EndDrawingPass();
    } while (StartNextLine());
}

int CMarkupLayout::LinkCount() const {
    return std::min(m_cur.iLink, m_links.nSlots);
}

RECT CMarkupLayout::MeasuredRect() const {
    const RECT& rc = m_frame.rc;
    return RECT{rc.left, rc.top, std::min<LONG>(rc.right, m_xMax),
                std::max<LONG>(m_pt.y + m_cur.cyLine, m_yMinBottom)};
}

void CMarkupLayout::LayOutLine() {
    m_bBreakRequested = false;
    if (!m_bDrawingPass)
        m_cyLineHeight = m_cur.cyLine;
    while (!AtLineEnd()) {
        Step();
        if (!m_bDrawingPass)
            m_cyLineHeight = std::max(m_cyLineHeight, m_cur.cyLine);
    }
    // A line feed that ended the line belongs to it.
    if (*m_cur.p == '\n' && !m_bBreakRequested)
        ++m_cur.p;
}

// One tag, escape, space, text run or image at the current position.
void CMarkupLayout::Step() {
    if (m_cur.bRaw) {
        int nEnd = RawEndLength(m_cur.p);
        m_cur.bRaw = nEnd == 0;
        m_cur.p += nEnd;
        if (nEnd == 0)
            TextRun();
        return;
    }
    MarkupToken token = ReadMarkupToken(m_cur.p);
    if (token.eKind == EMarkupToken::Tag) {
        if (ApplyTag(token))
            m_cur.p += token.nLength;
    } else if (token.eKind == EMarkupToken::EndTag) {
        m_cur.p += token.nLength;
        ApplyEndTag(token.chValue);
    } else if (token.eKind == EMarkupToken::Escape) {
        PutText(&token.chValue, 1);
        m_cur.p += token.nLength;
    } else if (*m_cur.p == ' ') {
        PutText(" ", 1);
        ++m_cur.p;
    } else {
        TextRun();
    }
}

bool CMarkupLayout::AtLineEnd() const {
    return *m_cur.p == '\0' || *m_cur.p == '\n' || m_bBreakRequested || m_pt.x >= m_frame.rc.right;
}

void CMarkupLayout::EndMeasuringPass() {
    m_cxLineWidth = m_pt.x - m_frame.rc.left;
    CloseLineLinks();
    m_iLinkMeasured = m_cur.iLink;
    if (m_bDraw)
        RestoreLineStart();
}

void CMarkupLayout::StartDrawingPass() {
    m_bDrawingPass = true;
    m_pt.x = m_frame.rc.left;
    m_cxLineOffset = 0;
    int cxSpare = m_frame.rc.right - m_frame.rc.left - m_cxLineWidth;
    if (!m_bSingleLine && (m_frame.uStyle & DT_CENTER) != 0)
        m_cxLineOffset = cxSpare / 2;
    else if (!m_bSingleLine && (m_frame.uStyle & DT_RIGHT) != 0)
        m_cxLineOffset = cxSpare;
    // The links were measured before the line knew its offset.
    ShiftLineLinks(m_cxLineOffset);
}

void CMarkupLayout::EndDrawingPass() {
    // A link still open continues on the next line, in the next slot.
    if (m_cur.bInLink && m_cur.iLink < m_links.nSlots)
        ++m_cur.iLink;
}

// Between lines: back to the left edge, one line down, and the new line
// starts as high as the current font and paragraph spacing. False when the
// text is done, or when no further line could show or take anything.
bool CMarkupLayout::StartNextLine() {
    if (m_bSingleLine || *m_cur.p == '\0')
        return false;
    if (m_cur.p == m_lineStart.p)
        return false;  // took nothing, so every further line would repeat it
    m_pt.x = m_frame.rc.left;
    m_cxLineOffset = 0;
    m_pt.y += m_cur.cyLine;
    if ((m_bDraw && m_pt.y > m_frame.rc.bottom) || m_pt.y > MAX_LAYOUT_Y)
        return false;
    m_ptLinkStart = m_pt;
    m_cur.cyLine = TopSpacing() + FontLineHeight();
    m_lineStart = m_cur;
    return m_pt.x < m_frame.rc.right;
}

void CMarkupLayout::RestoreLineStart() {
    m_cur = m_lineStart;
    SelectObject(m_frame.hDC, CurrentFont()->hFont);
    ApplyTextColor();
    ApplySelection();
}

}  // namespace Orvik
