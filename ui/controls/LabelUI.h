// Label: a control with text colours, a font, alignment, padding, a measured size and text effects.
#pragma once

#include "ui/controls/ControlUI.h"
#include "ui/controls/TextEffectPainter.h"

namespace Orvik {

// Style bits of the text drawing calls.
constexpr UINT LABEL_STYLE_CENTER = 0x1;
constexpr UINT LABEL_STYLE_RIGHT = 0x2;
constexpr UINT LABEL_STYLE_VCENTER = 0x4;
constexpr UINT LABEL_STYLE_BOTTOM = 0x8;
constexpr UINT LABEL_STYLE_WORDBREAK = 0x10;
constexpr UINT LABEL_STYLE_SINGLELINE = 0x20;
constexpr UINT LABEL_STYLE_CALCRECT = 0x400;
constexpr UINT LABEL_STYLE_END_ELLIPSIS = 0x8000;

// Applies the words "left", "center", "right" (in that order) to the
// horizontal bits of a style; the last word found wins.
UINT ApplyAlignWords(UINT uStyle, const char* pstrValue);
// The same for "top", "vcenter", "bottom".
UINT ApplyVAlignWords(UINT uStyle, const char* pstrValue);

class CLabelUI : public CControlUI {
public:
    CLabelUI() = default;

    const char* GetTypeName() const override { return "Label"; }
    LPVOID AsType(const char* pstrName) override;

    void SetText(const char* pstrText) override;
    void SetAttribute(const char* pstrName, const char* pstrValue) override;
    SIZE MeasureSize(SIZE szAvailable) override;
    void ProcessEvent(ControlEvent& event) override;
    void PaintText(HDC hDC) override;

    UINT GetTextStyle() const { return m_uTextStyle; }
    void SetTextStyle(UINT uStyle);
    DWORD GetTextColor() const { return m_dwTextColor; }
    void SetTextColor(DWORD dw);
    DWORD GetDisabledTextColor() const { return m_dwDisabledTextColor; }
    void SetDisabledTextColor(DWORD dw);
    int GetFont() const { return m_iFont; }
    void SetFont(int iFont);
    const CUIRect& GetTextPadding() const { return m_rcTextPadding; }
    void SetTextPadding(const RECT& rc);
    bool IsShowHtml() const { return m_bShowHtml; }
    void SetShowHtml(bool b);
    bool IsMultiLine() const { return (m_uTextStyle & LABEL_STYLE_SINGLELINE) == 0; }
    void SetMultiLine(bool b);
    const TextEffectSettings& GetEffects() const { return m_effects; }

protected:
    // Copies the host's default colours into colours still 0 (once).
    void ResolveDefaultColors();
    CUIRect TextRect() const;
    // Colour for the current state; with bHonourOne a disabled colour of 1
    // means the normal text colour.
    DWORD StateTextColor(bool bHonourOne) const;
    // The colour the plain and markup paths draw in; controls with more
    // states than enabled and disabled pick theirs here.
    virtual DWORD PaintTextColor() const { return StateTextColor(true); }

    DWORD m_dwTextColor = 0;
    DWORD m_dwDisabledTextColor = 0;
    int m_iFont = -1;
    UINT m_uTextStyle = LABEL_STYLE_VCENTER | LABEL_STYLE_SINGLELINE;
    CUIRect m_rcTextPadding;
    bool m_bShowHtml = false;

private:
    bool SetEffectAttribute(const char* pstrName, const char* pstrValue);
    bool SetTextAttribute(const char* pstrName, const char* pstrValue);
    void SetShadowOffset(int nDistance, int nAngle);
    SIZE MeasureText(RECT rc) const;
    void PaintEffects(HDC hDC);

    SIZE m_szAvailableLast = {0, 0};
    SIZE m_szMeasured = {0, 0};
    // Fixed sizes of the last measurement: the base setters are not virtual,
    // so a change is noticed here.
    SIZE m_szFixedLast = {0, 0};
    bool m_bMeasurePending = true;
    TextEffectSettings m_effects;
};

}  // namespace Orvik
