// A rectangle with the platform RECT's layout.
#include "ui/core/UIRect.h"

namespace Orvik {

CUIRect::CUIRect() : RECT{0, 0, 0, 0} {}

CUIRect::CUIRect(const RECT& src) : RECT(src) {}

CUIRect::CUIRect(LONG iLeft, LONG iTop, LONG iRight, LONG iBottom)
    : RECT{iLeft, iTop, iRight, iBottom} {}

void CUIRect::Empty() {
    left = top = right = bottom = 0;
}

void CUIRect::Join(const RECT& rc) {
    if (rc.left < left)
        left = rc.left;
    if (rc.top < top)
        top = rc.top;
    if (rc.right > right)
        right = rc.right;
    if (rc.bottom > bottom)
        bottom = rc.bottom;
}

void CUIRect::ResetOffset() {
    Offset(-left, -top);
}

void CUIRect::Offset(LONG cx, LONG cy) {
    left += cx;
    right += cx;
    top += cy;
    bottom += cy;
}

}  // namespace Orvik
