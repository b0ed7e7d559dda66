// Cutting a text at a separator without copying the pieces.
#include "app/util/SplitPieces.h"

#include "app/util/TextScan.h"

CSplitPieces::CSplitPieces(const std::string& text, const std::string& sep)
    : m_strText(text), m_strSep(sep), m_bDone(text.empty()) {}

bool CSplitPieces::Next(std::string_view& piece) {
    if (m_bDone)
        return false;
    size_t pos =
        m_strSep.empty() ? std::string::npos : FindOnBoundary(m_strText, m_strSep, m_nStart);
    if (pos == std::string::npos) {
        // The rest, or "" after a trailing separator.
        piece = std::string_view(m_strText).substr(m_nStart);
        m_bDone = true;
        return true;
    }
    piece = std::string_view(m_strText).substr(m_nStart, pos - m_nStart);
    m_nStart = pos + m_strSep.size();
    return true;
}
