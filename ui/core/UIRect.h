// A rectangle with the platform RECT's layout and a few helpers.
#pragma once

#include "platform/win32_types.h"

namespace Orvik {

class CUIRect : public RECT {
public:
    CUIRect();
    CUIRect(const RECT& src);
    CUIRect(LONG iLeft, LONG iTop, LONG iRight, LONG iBottom);

    LONG GetWidth() const { return right - left; }
    LONG GetHeight() const { return bottom - top; }
    // Sets all four edges to 0.
    void Empty();
    // True when all four edges are 0.
    bool IsNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    // Grows to cover rc as well; empty rectangles are not treated specially.
    void Join(const RECT& rc);
    // Moves the rectangle so that its left and top are 0.
    void ResetOffset();
    void Offset(LONG cx, LONG cy);
};

static_assert(sizeof(CUIRect) == sizeof(RECT), "CUIRect must keep RECT's layout");

}  // namespace Orvik
