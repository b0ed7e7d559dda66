// Rich edit: a read-only, multi-line, word-wrapping text area over the container's background.
#pragma once

#include "ui/controls/ContainerUI.h"

namespace Orvik {

// Style bits kept for the attributes of the editing engine.
constexpr UINT RICHEDIT_STYLE_CENTER = 0x1;
constexpr UINT RICHEDIT_STYLE_RIGHT = 0x2;
constexpr UINT RICHEDIT_STYLE_MULTILINE = 0x4;
constexpr UINT RICHEDIT_STYLE_PASSWORD = 0x20;
constexpr UINT RICHEDIT_STYLE_AUTOVSCROLL = 0x40;
constexpr UINT RICHEDIT_STYLE_AUTOHSCROLL = 0x80;
constexpr UINT RICHEDIT_STYLE_READONLY = 0x800;
constexpr UINT RICHEDIT_STYLE_NOHIDESCROLL = 0x2000;
constexpr UINT RICHEDIT_STYLE_HSCROLL = 0x100000;
constexpr UINT RICHEDIT_STYLE_VSCROLL = 0x200000;

class CRichEditUI : public CContainerUI {
public:
    // No more characters than this are ever shown.
    static constexpr int MAX_SHOWN_CHARS = 32767;

    CRichEditUI() = default;

    const char* GetTypeName() const override { return "RichEdit"; }
    LPVOID AsType(const char* pstrName) override;
    void SetText(const char* pstrText) override;
    void SetAttribute(const char* pstrName, const char* pstrValue) override;
    bool PaintSelf(HDC hDC, const RECT& rcPaint, CControlUI* pStopAt) override;

    UINT GetEditStyle() const { return m_uStyle; }
    bool IsReadOnly() const { return m_bReadOnly; }
    bool IsWantTab() const { return m_bWantTab; }
    bool IsWantReturn() const { return m_bWantReturn; }
    bool IsWantCtrlReturn() const { return m_bWantCtrlReturn; }
    bool IsTransparent() const { return m_bTransparent; }
    bool IsRich() const { return m_bRich; }
    int GetFont() const { return m_iFont; }
    DWORD GetTextColor() const { return m_dwTextColor; }
    int GetTextLimit() const { return m_nLimit; }
    const CUIRect& GetTextPadding() const { return m_rcTextPadding; }
    const CUIString& GetTipText() const { return m_sTipInfo; }
    DWORD GetTipColor() const { return m_dwTipInfoColor; }
    // The text as drawn: cut after the text limit (at most MAX_SHOWN_CHARS)
    // characters of the code page, never inside a double-byte character.
    CUIString GetShownText() const;

private:
    bool SetFlagAttribute(const char* pstrName, const char* pstrValue);
    bool SetStyleAttribute(const char* pstrName, const char* pstrValue);
    void SetStyleBit(UINT uBit, bool bOn);

    bool m_bWantTab = true;
    bool m_bWantReturn = true;
    bool m_bWantCtrlReturn = true;
    bool m_bTransparent = true;
    bool m_bRich = true;
    bool m_bReadOnly = false;
    int m_iFont = -1;
    // 0 until set: the host's default text colour is used.
    DWORD m_dwTextColor = 0;
    int m_nLimit = MAX_SHOWN_CHARS;
    UINT m_uStyle = RICHEDIT_STYLE_MULTILINE;
    CUIRect m_rcTextPadding;
    CUIString m_sTipInfo;
    DWORD m_dwTipInfoColor = 0xFFBAC0C5;
};

}  // namespace Orvik
