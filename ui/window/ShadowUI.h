// The drop shadow of a skinned window: a click-through layered popup kept around and below it.
#pragma once

#include "platform/user.h"
#include "ui/core/UIRect.h"
#include "ui/core/UIString.h"
#include "ui/window/GeneratedShadow.h"

namespace Orvik {

class CWindowHostUI;

// One per window host. Without "showshadow" no shadow window exists and the
// setters only store their values. Once created, the shadow follows the
// parent's messages through a hook on the parent's window procedure.
class CShadowUI {
public:
    static constexpr const char* CLASS_NAME = "OrvikShadowWnd";
    // Status bits.
    static constexpr BYTE STATUS_ACTIVE = 1;
    static constexpr BYTE STATUS_SHOWN = 2;
    static constexpr BYTE STATUS_PARENT_VISIBLE = 4;

    CShadowUI() = default;
    ~CShadowUI();
    CShadowUI(const CShadowUI&) = delete;
    CShadowUI& operator=(const CShadowUI&) = delete;

    // Registers the shadow window class; false once it exists.
    static bool RegisterShadowClass();
    // Makes the shadow window for the host's window and hooks it; nothing
    // without "showshadow", and nothing again for a window already shadowed.
    void Create(CWindowHostUI* pHost);

    void ShowShadow(bool bShow);
    bool IsShowShadow() const { return m_bIsShowShadow; }
    // Each refuses a value out of range and keeps the old one.
    bool SetSize(int nSize);            // -20..20
    bool SetSharpness(int nSharpness);  // 0..20
    bool SetDarkness(int nDarkness);    // 0..255
    bool SetPosition(int nX, int nY);   // each -20..20
    bool SetColor(DWORD dwColor);
    bool SetImage(const char* pstrImage);
    bool SetShadowCorner(const RECT& rcCorner);  // each at least 0
    // The skin's "shadow..." and "showshadow" window attributes; false for other names.
    bool SetAttribute(const char* pstrName, const char* pstrValue);

    HWND GetHWND() const { return m_hWnd; }
    BYTE GetStatus() const { return m_Status; }
    bool IsImageMode() const { return m_bIsImageMode; }
    bool IsUpdatePending() const { return m_bUpdate; }
    const ShadowLook& GetLook() const { return m_look; }
    const CUIString& GetImage() const { return m_sShadowImage; }
    const CUIRect& GetShadowCorner() const { return m_rcShadowCorner; }

private:
    static LRESULT CALLBACK ParentProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
    void OnParentMessage(UINT uMsg, WPARAM wParam, LPARAM lParam);
    void OnParentSize(WPARAM wParam, LPARAM lParam);
    void OnParentShow(bool bShowing);
    // After the parent's own paint: the first frame on screen is the window's, not its shadow's.
    void OnParentPainted();
    // Rebuilds the picture and presents it around the parent.
    void Update();
    void UpdateIfShown();
    void ShowWindowBelowParent();
    POINT ShadowOrigin(const RECT& rcParent) const;
    bool PaintImage(HDC hDC, int cx, int cy);
    void PaintGenerated(BYTE* pBits, int cx, int cy, const RECT& rcParent);
    void Unhook();

    CWindowHostUI* m_pHost = nullptr;
    HWND m_hWnd = nullptr;
    WNDPROC m_pfnParentProc = nullptr;
    BYTE m_Status = 0;
    bool m_bIsImageMode = false;
    bool m_bIsShowShadow = false;
    ShadowLook m_look;  // darkness, sharpness, size, offsets and colour
    WORD m_wLastWidth = 0;
    WORD m_wLastHeight = 0;
    bool m_bUpdate = false;
    bool m_bParentPainted = false;   // the parent has painted at least once
    bool m_bShowAfterPaint = false;  // shown once the parent has painted its first frame
    CUIString m_sShadowImage;
    CUIRect m_rcShadowCorner;
    HWND m_hParent = nullptr;
};

}  // namespace Orvik
