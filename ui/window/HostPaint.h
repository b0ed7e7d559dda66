// The window host's paint part: invalidation, the layout pass, the back buffer, layered windows and
// the shadow.
#pragma once

#include "platform/gdi.h"
#include "ui/core/UIPtrArray.h"
#include "ui/core/UIRect.h"
#include "ui/render/ImagePaintState.h"
#include "ui/window/IControlNodeUI.h"
#include "ui/window/ShadowUI.h"

namespace Orvik {

class CWindowHostUI;

// Runs the paint cycle of the host's window pass by pass; the tree, the
// window and the resources it draws with come from the host.
class CHostPaint {
public:
    explicit CHostPaint(CWindowHostUI& host) : m_host(host) {}
    ~CHostPaint();
    CHostPaint(const CHostPaint&) = delete;
    CHostPaint& operator=(const CHostPaint&) = delete;

    // --- invalidation and layout ---
    void Invalidate();
    // Clamps left and top to 0 and right and bottom to at least left and top.
    void Invalidate(const RECT& rc);
    void RequestLayoutPass() { m_bUpdateNeeded = true; }
    bool IsLayoutPassNeeded() const { return m_bUpdateNeeded; }
    // A new root: a full layout and "windowinit" again, no overlays.
    void ResetForNewRoot();
    // Drops the references to a control being destroyed.
    void Forget(IControlNodeUI* pControl);
    bool AddOverlayPaint(IControlNodeUI* pControl);
    bool RemoveOverlayPaint(IControlNodeUI* pControl);

    // --- the cycle ---
    void PaintWindow();
    void PrintClient(HDC hDC);
    // The refresh tick of a layered window: paints when something is dirty.
    void OnLayeredTimer();
    HDC GetBackDC() const { return m_hDcOffscreen; }
    HBITMAP GetBackBitmap() const { return m_hbmpOffscreen; }
    void ReleaseBuffers();

    // --- opacity, layered mode, outline of repaints, shadow ---
    BYTE GetOpacity() const { return m_nOpacity; }
    bool IsLayered() const { return m_bLayered; }
    void SetOpacity(BYTE nOpacity);
    void SetLayered(bool bLayered);
    void SetLayeredOpacity(BYTE nOpacity);
    void SetLayeredImage(const char* pstrImage);
    const ImagePaintState& GetLayeredImage() const { return m_diLayered; }
    bool IsShowDirty() const { return m_bShowUpdateRect; }
    void SetShowDirty(bool bShow) { m_bShowUpdateRect = bShow; }
    CShadowUI& GetShadow() { return m_shadow; }

private:
    void PaintNoRoot();
    bool TakeAreaToRepaint(RECT& rcPaint);
    bool RunLayoutPass(const RECT& rcClient);
    void LayoutPendingControls();
    void EnsureBackBuffer(const RECT& rcClient);
    void PaintIntoBackBuffer(HDC hDC, const RECT& rcPaint);
    void ComposeLayered(const RECT& rcClient, const RECT& rcPaint);
    void PresentLayered(const RECT& rcClient);
    void DrawDirtyOutline(HDC hDC, const RECT& rcPaint);
    void ZeroBackPixels(const RECT& rcPaint);

    CWindowHostUI& m_host;
    HDC m_hDcOffscreen = nullptr;
    HDC m_hDcMask = nullptr;
    HBITMAP m_hbmpOffscreen = nullptr;
    BYTE* m_pOffscreenBits = nullptr;
    HBITMAP m_hbmpMask = nullptr;
    BYTE* m_pMaskBits = nullptr;
    bool m_bShowUpdateRect = false;
    bool m_bFirstLayout = true;
    bool m_bUpdateNeeded = false;
    BYTE m_nOpacity = 255;
    bool m_bLayered = false;
    bool m_bLayeredChanged = false;
    CUIRect m_rcLayeredUpdate;
    ImagePaintState m_diLayered;
    bool m_bIsPainting = false;
    CUIPtrArray m_aPostPaintControls;
    CUIPtrArray m_aFoundControls;
    CShadowUI m_shadow;
};

}  // namespace Orvik
