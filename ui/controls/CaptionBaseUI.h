// Caption text of clickable controls: colours, font, style, padding; stands in until the label
// lands.
#pragma once

#include "ui/controls/ControlUI.h"

namespace Orvik {

// Holds the text fields the button family draws with, under the names the
// label uses, so the button can move onto the label without other changes.
class CCaptionBaseUI : public CControlUI {
public:
    // Text style bits the captions use.
    static constexpr UINT STYLE_CENTER = 0x01;
    static constexpr UINT STYLE_RIGHT = 0x02;
    static constexpr UINT STYLE_VCENTER = 0x04;
    static constexpr UINT STYLE_BOTTOM = 0x08;
    static constexpr UINT STYLE_WORDBREAK = 0x10;
    static constexpr UINT STYLE_SINGLELINE = 0x20;
    static constexpr UINT STYLE_END_ELLIPSIS = 0x8000;
    // A disabled text colour of this value means: use the text colour.
    static constexpr DWORD DISABLED_USES_TEXT_COLOR = 1;

    DWORD GetTextColor() const { return m_dwTextColor; }
    void SetTextColor(DWORD dw);
    DWORD GetDisabledTextColor() const { return m_dwDisabledTextColor; }
    void SetDisabledTextColor(DWORD dw);
    int GetFont() const { return m_iFont; }
    void SetFont(int iFont);
    UINT GetTextStyle() const { return m_uTextStyle; }
    void SetTextStyle(UINT uStyle);
    const CUIRect& GetTextPadding() const { return m_rcTextPadding; }
    void SetTextPadding(const RECT& rc);
    bool IsShowHtml() const { return m_bShowHtml; }
    void SetShowHtml(bool b);

    void ProcessEvent(ControlEvent& event) override;
    void SetAttribute(const char* pstrName, const char* pstrValue) override;

protected:
    // Replaces unset colours by the host's defaults, once.
    void ResolveDefaultColors();
    // The text colour, or the disabled one while disabled.
    DWORD BaseTextColor() const;
    // Draws the text in the bounds less the padding; empty text draws nothing.
    void DrawCaption(HDC hDC, DWORD dwColor);

    DWORD m_dwTextColor = 0;
    DWORD m_dwDisabledTextColor = 0;
    int m_iFont = -1;
    UINT m_uTextStyle = STYLE_VCENTER | STYLE_SINGLELINE;
    CUIRect m_rcTextPadding;
    bool m_bShowHtml = false;
};

}  // namespace Orvik
