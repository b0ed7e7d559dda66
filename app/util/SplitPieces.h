// Walks the pieces of a text cut at a separator, as views into the text.
#pragma once

#include <string>
#include <string_view>

// Gives the same pieces as SplitString, one at a time and without copying
// them, so a huge answer costs no memory per piece. The text must outlive
// the walker and the views it hands out.
class CSplitPieces {
public:
    CSplitPieces(const std::string& text, const std::string& sep);

    // The next piece; false when none is left.
    bool Next(std::string_view& piece);

private:
    const std::string& m_strText;
    const std::string m_strSep;
    size_t m_nStart = 0;
    bool m_bDone = false;
};
