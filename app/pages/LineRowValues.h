// What a line row shows for one speed-test result: bar value, colour class, time text, tooltip.
#pragma once

#include <string>

#include "app/lines/PtLineTestResult.h"

struct LineRowValues {
    int nBarValue = 0;       // 0 to 100
    int nColourClass = 2;    // 0 green, 1 yellow, 2 red: the suffix of "foreimage"
    std::string strText;     // "%.03fs", or the unavailable text
    std::string strToolTip;  // where the time went, or why the line is unavailable
};

LineRowValues GetLineRowValues(const PtLineTestResult& result);
// A colour attribute's text ("#FFRRGGBB", "FFRRGGBB", "0x...") as ARGB; false when absent.
bool ParseColourText(const char* pstrText, unsigned long& dwColour);
