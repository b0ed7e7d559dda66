// A clip region for the span of one scope, restored when the scope ends.
#pragma once

#include "platform/gdi.h"

namespace Orvik {

// Remembers the DC's clip box when clipping starts and selects it again at
// the end of the scope. Only the box is remembered: a clip that was not
// rectangular before the scope comes back as its bounding rectangle.
class CClipScope {
public:
    CClipScope() = default;
    ~CClipScope();
    CClipScope(const CClipScope&) = delete;
    CClipScope& operator=(const CClipScope&) = delete;

    // Intersects the clip with rc.
    void ClipToRect(HDC hDC, const RECT& rc);
    // Intersects the clip with rcPaint and with rcItem's rounded rectangle
    // (corners cut by an ellipse of the given size).
    void ClipToRoundedRect(HDC hDC, const RECT& rcPaint, const RECT& rcItem, int nEllipseWidth,
                           int nEllipseHeight);
    // Back to the clip from before the scope, and into the scope's clip again.
    void SuspendClip();
    void ResumeClip();

private:
    // Remembers the current clip box and intersects the clip with hRegion,
    // which the scope then owns.
    void Begin(HDC hDC, const RECT& rcItem, HRGN hRegion);
    void End();

    RECT m_rcItem = {0, 0, 0, 0};
    HDC m_hDC = nullptr;
    HRGN m_hRgn = nullptr;
    HRGN m_hOldRgn = nullptr;
};

}  // namespace Orvik
