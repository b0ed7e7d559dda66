// Line layout for DrawTextA: prefixes, line breaks, word wrapping and end ellipses.
#pragma once

#include <string>
#include <vector>

#include "platform/gdi/font_instance.h"
#include "platform/win32_types.h"

namespace gdi {

class CTextLayout {
public:
    struct Line {
        std::u32string text;  // what is drawn, "..." included
        int width = 0;
        int underlineChar = -1;  // index into text of the "&"-marked character
    };

    // Lays the text out for a rectangle `width` by `height` pixels with the
    // DT_* flags in `format`.
    CTextLayout(CFontInstance& font, const std::u32string& text, UINT format, int width,
                int height);

    const std::vector<Line>& Lines() const { return m_lstLines; }
    int LineHeight() const { return m_nLineHeight; }
    int MaxWidth() const;
    int TotalHeight() const { return static_cast<int>(m_lstLines.size()) * m_nLineHeight; }

private:
    // Pass 1: strip "&" prefixes, remembering the marked character.
    std::u32string StripPrefixes(const std::u32string& text);
    // Pass 2: split into paragraphs at line feeds (or join them for one line).
    std::vector<std::u32string> SplitParagraphs(const std::u32string& text);
    // Pass 3: wrap one paragraph into lines no wider than the rectangle.
    void Wrap(const std::u32string& para, size_t offset);
    void AddLine(const std::u32string& para, size_t offset, size_t start, size_t end);
    // Pass 4: cut lines that overflow and append "...".
    void ApplyEllipsis(int height);
    void Ellipsize(Line& line) const;

    CFontInstance& m_font;
    UINT m_nFormat;
    int m_nWidth;
    int m_nLineHeight;
    int m_nMarked = -1;  // index of the prefixed character in the stripped text
    std::vector<Line> m_lstLines;
};

}  // namespace gdi
