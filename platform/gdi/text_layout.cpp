// DrawTextA's layout, pass by pass: prefixes, paragraphs, wrapping, ellipsis.
#include "platform/gdi/text_layout.h"

#include <algorithm>

#include "platform/gdi.h"
#include "platform/gdi/text_run.h"

namespace gdi {

namespace {

const std::u32string ELLIPSIS = U"...";

bool IsCjk(char32_t c) {
    return (c >= 0x2E80 && c <= 0x9FFF) || (c >= 0xAC00 && c <= 0xD7AF) ||
           (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFF00 && c <= 0xFFEF) || c >= 0x20000;
}

// Punctuation that must not start a line.
bool IsClosingPunct(char32_t c) {
    static const std::u32string closing = U",.!?;:)]}%，。！？；：、）」』》〉】”’";
    return closing.find(c) != std::u32string::npos;
}

// Whether a line may end between para[i - 1] and para[i].
bool CanBreakBefore(const std::u32string& para, size_t i) {
    char32_t prev = para[i - 1], cur = para[i];
    if (IsClosingPunct(cur))
        return false;
    return prev == U' ' || prev == U'-' || IsCjk(prev) || IsCjk(cur);
}

}  // namespace

CTextLayout::CTextLayout(CFontInstance& font, const std::u32string& text, UINT format, int width,
                         int height)
    : m_font(font), m_nFormat(format), m_nWidth(width) {
    m_nLineHeight = font.Metrics().Height();
    if (format & DT_EXTERNALLEADING)
        m_nLineHeight += font.Metrics().externalLeading;
    std::u32string plain = StripPrefixes(text);
    std::replace(plain.begin(), plain.end(), U'\t', U' ');
    size_t offset = 0;
    for (const std::u32string& para : SplitParagraphs(plain)) {
        Wrap(para, offset);
        offset += para.size() + 1;
    }
    if (format & DT_END_ELLIPSIS)
        ApplyEllipsis(height);
}

int CTextLayout::MaxWidth() const {
    int w = 0;
    for (const Line& line : m_lstLines)
        w = std::max(w, line.width);
    return w;
}

std::u32string CTextLayout::StripPrefixes(const std::u32string& text) {
    if (m_nFormat & DT_NOPREFIX)
        return text;
    std::u32string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != U'&') {
            out.push_back(text[i]);
        } else if (i + 1 < text.size() && text[i + 1] == U'&') {
            out.push_back(U'&');
            ++i;
        } else if (i + 1 < text.size() && !(m_nFormat & DT_HIDEPREFIX)) {
            m_nMarked = static_cast<int>(out.size());
        }
    }
    return out;
}

// Paragraph boundaries count as one character each (see the offsets in the
// constructor), so "\r\n" is folded to "\n" first.
std::vector<std::u32string> CTextLayout::SplitParagraphs(const std::u32string& text) {
    std::u32string folded;
    for (size_t i = 0; i < text.size(); ++i) {
        bool crlf = text[i] == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n';
        if (crlf && m_nMarked > static_cast<int>(folded.size()))
            --m_nMarked;
        if (!crlf)
            folded.push_back(text[i] == U'\r' ? U'\n' : text[i]);
    }
    std::vector<std::u32string> paras;
    if (m_nFormat & DT_SINGLELINE) {
        // One line: line breaks take no room and draw nothing.
        std::u32string joined;
        for (char32_t c : folded) {
            if (c != U'\n')
                joined.push_back(c);
            else if (m_nMarked > static_cast<int>(joined.size()))
                --m_nMarked;
        }
        paras.push_back(joined);
        return paras;
    }
    size_t start = 0;
    for (size_t nl; (nl = folded.find(U'\n', start)) != std::u32string::npos; start = nl + 1)
        paras.push_back(folded.substr(start, nl - start));
    paras.push_back(folded.substr(start));
    return paras;
}

void CTextLayout::Wrap(const std::u32string& para, size_t offset) {
    bool wrap = (m_nFormat & DT_WORDBREAK) && !(m_nFormat & DT_SINGLELINE);
    if (!wrap || para.empty()) {
        AddLine(para, offset, 0, para.size());
        return;
    }
    size_t start = 0;
    while (start < para.size()) {
        int w = 0;
        size_t lastBreak = 0;
        size_t i = start;
        for (; i < para.size(); ++i) {
            if (i > start && CanBreakBefore(para, i))
                lastBreak = i;
            int advance = m_font.GetGlyph(para[i]).advance;
            // Spaces may hang past the edge; they are trimmed from the line.
            if (para[i] != U' ' && w + advance > m_nWidth && i > start)
                break;
            w += advance;
        }
        size_t end = i == para.size() ? i : (lastBreak > start ? lastBreak : i);
        AddLine(para, offset, start, end);
        start = end;
        while (start < para.size() && para[start] == U' ')
            ++start;
    }
}

void CTextLayout::AddLine(const std::u32string& para, size_t offset, size_t start, size_t end) {
    if (m_nFormat & DT_WORDBREAK)
        while (end > start && para[end - 1] == U' ')
            --end;
    Line line;
    line.text = para.substr(start, end - start);
    line.width = MeasureRun(m_font, line.text.data(), line.text.size());
    int marked = m_nMarked - static_cast<int>(offset + start);
    if (m_nMarked >= 0 && marked >= 0 && marked < static_cast<int>(line.text.size()))
        line.underlineChar = marked;
    m_lstLines.push_back(std::move(line));
}

// A wrapped text that runs below the rectangle ends with "..." on its last
// visible line; any line wider than the rectangle is cut and gets "..." too.
void CTextLayout::ApplyEllipsis(int height) {
    bool wrap = (m_nFormat & DT_WORDBREAK) && !(m_nFormat & DT_SINGLELINE);
    size_t fit = static_cast<size_t>(std::max(1, height / std::max(1, m_nLineHeight)));
    bool measuring = m_nFormat & DT_CALCRECT;
    if (wrap && !measuring && m_lstLines.size() > fit) {
        m_lstLines.resize(fit);
        Ellipsize(m_lstLines.back());
    }
    for (Line& line : m_lstLines)
        if (line.width > m_nWidth)
            Ellipsize(line);
}

void CTextLayout::Ellipsize(Line& line) const {
    int dots = MeasureRun(m_font, ELLIPSIS.data(), ELLIPSIS.size());
    while (!line.text.empty() &&
           MeasureRun(m_font, line.text.data(), line.text.size()) + dots > m_nWidth)
        line.text.pop_back();
    if (line.underlineChar >= static_cast<int>(line.text.size()))
        line.underlineChar = -1;
    line.text += ELLIPSIS;
    line.width = MeasureRun(m_font, line.text.data(), line.text.size());
}

}  // namespace gdi
