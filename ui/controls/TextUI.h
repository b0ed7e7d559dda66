// Text: a word-wrapping label whose markup links are clickable.
#pragma once

#include "ui/controls/LabelUI.h"

namespace Orvik {

class CTextUI : public CLabelUI {
public:
    static constexpr int MAX_LINKS = 8;

    CTextUI();

    const char* GetTypeName() const override { return "Text"; }
    LPVOID AsType(const char* pstrName) override;
    UINT GetInputFlags() override;
    void ProcessEvent(ControlEvent& event) override;
    void PaintText(HDC hDC) override;

    int GetLinkCount() const { return m_nLinks; }
    const RECT& GetLinkRect(int i) const { return m_rcLinks[i]; }
    const CUIString& GetLinkText(int i) const { return m_sLinks[i]; }
    int GetHotLink() const { return m_nHoverLink; }

private:
    // Index of the link holding the point, or -1.
    int LinkAt(POINT pt) const;
    bool HandleMouse(ControlEvent& event);

    int m_nLinks = 0;
    RECT m_rcLinks[MAX_LINKS] = {};
    CUIString m_sLinks[MAX_LINKS];
    int m_nHoverLink = -1;
};

}  // namespace Orvik
