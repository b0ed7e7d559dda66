// Bar value, colour class and time text of a line row, and the page's colour texts.
#include "app/pages/LineRowValues.h"

#include <cstdio>
#include <cstdlib>

#include "app/pages/LineToolTipText.h"

namespace {

const int SLOW_MS = 700;
const int VERY_SLOW_MS = 1400;
const int MIN_BAR_VALUE = 20;

}  // namespace

LineRowValues GetLineRowValues(const PtLineTestResult& result) {
    LineRowValues values;
    values.strToolTip = GetLineToolTipText(result);
    if (result.status != 200) {
        values.strText = "线路不可用";
        return values;
    }
    values.nColourClass = result.costMs > VERY_SLOW_MS ? 2 : result.costMs > SLOW_MS ? 1 : 0;
    // Truncated as the double comes out: 430 ms gives 56.99... and so 56.
    double dValue = (1000 - result.costMs) / 1000.0 * 100;
    values.nBarValue = dValue < MIN_BAR_VALUE ? MIN_BAR_VALUE : int(dValue);
    char szText[64];
    std::snprintf(szText, sizeof szText, "%.03fs", result.costMs / 1000.0);
    values.strText = szText;
    return values;
}

bool ParseColourText(const char* pstrText, unsigned long& dwColour) {
    if (pstrText == nullptr || *pstrText == '\0')
        return false;
    if (*pstrText == '#')
        ++pstrText;
    dwColour = std::strtoul(pstrText, nullptr, 16);
    return true;
}
