// The control base: geometry, state, common look, attributes, painting and events.
#pragma once

#include "platform/gdi.h"
#include "platform/user.h"
#include "ui/core/UIRect.h"
#include "ui/core/UIString.h"
#include "ui/core/UIStringMap.h"
#include "ui/render/ImagePaintState.h"
#include "ui/window/ControlEvent.h"
#include "ui/window/DelegateBase.h"
#include "ui/window/IControlNodeUI.h"

namespace Orvik {

class CWindowHostUI;

// Every visual element derives from this class. A control is owned by its
// parent container, or by the host for the root; it lives on the UI thread.
class CControlUI : public IControlNodeUI {
public:
    static constexpr int DEFAULT_MAX_SIZE = 9999;

    CControlUI();
    ~CControlUI() override;
    CControlUI(const CControlUI&) = delete;
    CControlUI& operator=(const CControlUI&) = delete;

    // Leaves the host's mouse-leave listeners, then destroys the control.
    void Delete() override;
    CControlUI* GetControl() override { return this; }

    const char* GetName() const override { return m_sName; }
    virtual void SetName(const char* pstrName);
    void StoreName(const char* pstrName) override { m_sName = pstrName; }
    const char* GetTypeName() const override { return "Control"; }
    virtual LPVOID AsType(const char* pstrName);
    UINT GetInputFlags() override { return 0; }
    virtual HWND GetNativeWindow() const { return nullptr; }
    bool Activate() override;

    CWindowHostUI* GetHost() const override { return m_pHost; }
    void Attach(CWindowHostUI* pHost, CControlUI* pParent, bool bInit) override;
    CControlUI* GetParent() const override { return m_pParent; }
    CControlUI* GetOverlay() const { return m_pOverlay; }
    void SetOverlay(CControlUI* pOverlay);

    const CUIString& GetText() const { return m_sText; }
    virtual void SetText(const char* pstrText);

    // --- geometry ---
    const CUIRect& GetBounds() const override { return m_rcItem; }
    CUIRect GetBoundsInParent() const override;
    virtual CUIRect GetClientBounds() const { return m_rcItem; }
    void SetBounds(const RECT& rc, bool bInvalidate) override;
    virtual void Offset(int dx, int dy, bool bInvalidate);
    int GetWidth() const { return m_rcItem.GetWidth(); }
    int GetHeight() const { return m_rcItem.GetHeight(); }
    int GetX() const { return m_rcItem.left; }
    int GetY() const { return m_rcItem.top; }
    const CUIRect& GetPadding() const { return m_rcPadding; }
    void SetPadding(const RECT& rc);
    SIZE GetFloatOffset() const { return m_szFloatOffset; }
    void SetFloatOffset(SIZE sz);
    // Left, top, right, bottom anchors as fractions of the parent's size.
    const double* GetFloatAnchors() const { return m_fAnchors; }
    void SetFloatAnchors(double fLeft, double fTop, double fRight, double fBottom);
    int GetFixedWidth() const { return m_cxFixed; }
    void SetFixedWidth(int cx);
    int GetFixedHeight() const { return m_cyFixed; }
    void SetFixedHeight(int cy);
    int GetMinWidth() const { return m_cxMin; }
    void SetMinWidth(int cx);
    // Never below the minimum: a minimum above the maximum wins.
    int GetMaxWidth() const { return m_cxMax > m_cxMin ? m_cxMax : m_cxMin; }
    void SetMaxWidth(int cx);
    int GetMinHeight() const { return m_cyMin; }
    void SetMinHeight(int cy);
    int GetMaxHeight() const { return m_cyMax > m_cyMin ? m_cyMax : m_cyMin; }
    void SetMaxHeight(int cy);
    virtual SIZE MeasureSize(SIZE szAvailable);

    // --- texts and plain storage ---
    const CUIString& GetToolTip() const override { return m_sToolTip; }
    void SetToolTip(const char* pstrText);
    int GetToolTipWidth() const override { return m_nTooltipWidth; }
    void SetToolTipWidth(int n) { m_nTooltipWidth = n; }
    int GetToolTipDelay() const override { return m_nTooltipDelay; }
    void SetToolTipDelay(int n) { m_nTooltipDelay = n; }
    char GetShortcut() const override { return m_chShortcut; }
    void SetShortcut(char ch) { m_chShortcut = ch; }
    bool IsMenuEnabled() const { return m_bMenuUsed; }
    void SetMenuEnabled(bool b) { m_bMenuUsed = b; }
    const CUIString& GetUserData() const { return m_sUserData; }
    void SetUserData(const char* pstr) { m_sUserData = pstr; }
    UINT_PTR GetTag() const { return m_pTag; }
    void SetTag(UINT_PTR tag) { m_pTag = tag; }
    // The own name, else the nearest ancestor's.
    const char* GetVirtualWindow() const override;
    void SetVirtualWindow(const char* pstrName);

    // --- state ---
    bool IsVisible() const override { return m_bVisible && m_bInheritedVisible; }
    bool IsOwnVisible() const { return m_bVisible; }
    virtual void SetVisible(bool bVisible);
    virtual void SetInheritedVisible(bool bVisible);
    bool IsEnabled() const override { return m_bEnabled; }
    virtual void SetEnabled(bool bEnabled);
    bool IsMouseEnabled() const { return m_bMouseEnabled; }
    virtual void SetMouseEnabled(bool b) { m_bMouseEnabled = b; }
    bool IsKeyboardEnabled() const { return m_bKeyboardEnabled; }
    void SetKeyboardEnabled(bool b) { m_bKeyboardEnabled = b; }
    bool IsFocused() const { return m_bFocused; }
    void SetFocus() override;
    bool IsFloat() const override { return m_bFloat; }
    void SetFloat(bool bFloat);

    // --- look ---
    DWORD GetBackColor() const { return m_dwBackColor; }
    void SetBackColor(DWORD dw);
    DWORD GetBackColor2() const { return m_dwBackColor2; }
    void SetBackColor2(DWORD dw);
    DWORD GetBackColor3() const { return m_dwBackColor3; }
    void SetBackColor3(DWORD dw);
    DWORD GetBorderColor() const { return m_dwBorderColor; }
    void SetBorderColor(DWORD dw);
    DWORD GetFocusBorderColor() const { return m_dwFocusBorderColor; }
    void SetFocusBorderColor(DWORD dw);
    bool IsColorHSL() const { return m_bColorHSL; }
    void SetColorHSL(bool b);
    const CUIRect& GetBorderSize() const { return m_rcBorderSize; }
    void SetBorderSize(int n);
    void SetBorderSize(const RECT& rc);
    int GetBorderStyle() const { return m_nBorderStyle; }
    void SetBorderStyle(int n);
    SIZE GetBorderRound() const { return m_cxyBorderRound; }
    void SetBorderRound(SIZE sz);
    const CUIString& GetBackImage() const { return m_diBk.strDescriptor; }
    void SetBackImage(const char* pstrDescriptor);

    // --- custom attributes ---
    void AddCustomAttribute(const char* pstrName, const char* pstrValue);
    const char* GetCustomAttribute(const char* pstrName) const;
    void RemoveAllCustomAttributes();

    // --- lookups, init, events ---
    CControlUI* FindControl(FINDCONTROLPROC Proc, LPVOID pData, UINT uFlags) override;
    void Init();
    virtual void InitHook() {}
    void HandleEvent(ControlEvent& event) override;
    void NotifyListeners(NotifyRecord& msg) override { OnNotify.Invoke(&msg); }
    virtual void ProcessEvent(ControlEvent& event);

    // --- attributes ---
    virtual CUIString GetAttribute(const char*) { return CUIString(); }
    virtual void SetAttribute(const char* pstrName, const char* pstrValue);
    virtual CUIString GetAttributeList() { return CUIString(); }
    // name="value" pairs separated by one space; stops at the first broken pair.
    void ApplyAttributes(const char* pstrList);

    // --- layout and repaint requests ---
    void Invalidate() override;
    void RequestLayout() override;
    void RequestParentLayout();
    bool IsLayoutPending() const override { return m_bUpdateNeeded; }

    // --- painting ---
    bool Paint(HDC hDC, const RECT& rcPaint, CControlUI* pStopAt) override;
    virtual bool PaintSelf(HDC hDC, const RECT& rcPaint, CControlUI* pStopAt);
    virtual void PaintBackColor(HDC hDC);
    virtual void PaintBackImage(HDC hDC);
    virtual void PaintStateImage(HDC) {}
    virtual void PaintText(HDC) {}
    virtual void PaintBorder(HDC hDC);
    void PaintOverlay(HDC hDC, const RECT& rcPaint) override;

    CEventSource OnInit;
    CEventSource OnDestroy;
    CEventSource OnSize;
    CEventSource OnEvent;
    CEventSource OnNotify;
    CEventSource OnPaint;
    CEventSource OnPaintOverlay;

protected:
    // The bounds clipped by every ancestor; false when nothing is left or an
    // ancestor is hidden.
    bool ClipToAncestors(CUIRect& rc) const;
    void SetBoundsFromParentRect(const RECT& rc);
    void PlaceOverlay(const RECT& rc);
    // Applies "float" with four anchors or a bool.
    void SetFloatAttribute(const char* pstrValue);

    CWindowHostUI* m_pHost = nullptr;
    CControlUI* m_pParent = nullptr;
    CControlUI* m_pOverlay = nullptr;
    CUIString m_sVirtualWnd;
    CUIString m_sName;
    bool m_bUpdateNeeded = true;
    bool m_bMenuUsed = false;
    CUIRect m_rcItem;
    CUIRect m_rcPadding;
    SIZE m_szFloatOffset = {0, 0};
    int m_cxFixed = 0;
    int m_cyFixed = 0;
    int m_cxMin = 0;
    int m_cyMin = 0;
    int m_cxMax = DEFAULT_MAX_SIZE;
    int m_cyMax = DEFAULT_MAX_SIZE;
    bool m_bVisible = true;
    bool m_bInheritedVisible = true;
    bool m_bEnabled = true;
    bool m_bMouseEnabled = true;
    bool m_bKeyboardEnabled = true;
    bool m_bFocused = false;
    bool m_bFloat = false;
    double m_fAnchors[4] = {0, 0, 0, 0};
    bool m_bSetPos = false;
    CUIString m_sText;
    CUIString m_sToolTip;
    char m_chShortcut = 0;
    CUIString m_sUserData;
    UINT_PTR m_pTag = 0;
    DWORD m_dwBackColor = 0;
    DWORD m_dwBackColor2 = 0;
    DWORD m_dwBackColor3 = 0;
    ImagePaintState m_diBk;
    ImagePaintState m_diFore;
    DWORD m_dwBorderColor = 0;
    DWORD m_dwFocusBorderColor = 0;
    bool m_bColorHSL = false;
    int m_nBorderStyle = 0;
    int m_nTooltipWidth = 300;
    int m_nTooltipDelay = 100;
    SIZE m_cxyBorderRound = {0, 0};
    CUIRect m_rcPaint;
    CUIRect m_rcBorderSize;
    CUIStringMap m_mapCustomAttributes;
};

// The control behind a visitor's node.
inline CControlUI* AsControl(IControlNodeUI* pNode) {
    return pNode->GetControl();
}

}  // namespace Orvik
