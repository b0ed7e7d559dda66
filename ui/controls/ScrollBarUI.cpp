// Scroll bar range and position bookkeeping.
#include "ui/controls/ScrollBarUI.h"

#include <cstring>

namespace Orvik {

CScrollBarUI::CScrollBarUI() {
    m_cxFixed = DEFAULT_SIZE;
}

LPVOID CScrollBarUI::AsType(const char* pstrName) {
    if (std::strcmp(pstrName, "ScrollBar") == 0)
        return this;
    return CControlUI::AsType(pstrName);
}

void CScrollBarUI::SetHorizontal(bool bHorizontal) {
    if (m_bHorizontal == bHorizontal)
        return;
    m_bHorizontal = bHorizontal;
    m_cxFixed = bHorizontal ? 0 : DEFAULT_SIZE;
    m_cyFixed = bHorizontal ? DEFAULT_SIZE : 0;
}

void CScrollBarUI::SetScrollRange(int nRange) {
    m_nRange = nRange < 0 ? 0 : nRange;
    if (m_nScrollPos > m_nRange)
        m_nScrollPos = m_nRange;
}

void CScrollBarUI::SetScrollPos(int nPos) {
    m_nScrollPos = nPos < 0 ? 0 : (nPos > m_nRange ? m_nRange : nPos);
}

}  // namespace Orvik
