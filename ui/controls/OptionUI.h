// The option: a button with a selected state, toggled or exclusive inside a named group.
#pragma once

#include "ui/controls/ButtonUI.h"

namespace Orvik {

class COptionUI : public CButtonUI {
public:
    ~COptionUI() override;

    const char* GetTypeName() const override { return "Option"; }
    LPVOID AsType(const char* pstrName) override;
    void Attach(CWindowHostUI* pHost, CControlUI* pParent, bool bInit) override;
    bool Activate() override;
    void SetEnabled(bool bEnabled) override;
    void SetAttribute(const char* pstrName, const char* pstrValue) override;
    void PaintStateImage(HDC hDC) override;
    void PaintText(HDC hDC) override;

    bool IsSelected() const { return m_bSelected; }
    virtual void SetSelected(bool bSelected, bool bNotify = true);
    const CUIString& GetGroup() const { return m_sGroupName; }
    void SetGroup(const char* pstrGroupName);
    DWORD GetSelectedBkColor() const { return m_dwSelectedBkColor; }
    DWORD GetSelectedTextColor() const { return m_dwSelectedTextColor; }

protected:
    DWORD PaintTextColor() const override;

    bool m_bSelected = false;
    CUIString m_sGroupName;
    DWORD m_dwSelectedBkColor = 0;
    DWORD m_dwSelectedTextColor = 0;
    ImagePaintState m_diSelected;
    ImagePaintState m_diSelectedHot;
    ImagePaintState m_diOptionFore;

private:
    bool IsAttached() const { return m_pHost != nullptr; }
    void DeselectOthersInGroup();
    // Runs fn with the pushed bit cleared: an option never looks pushed.
    template <class Fn>
    void WithoutPushed(Fn fn);
};

}  // namespace Orvik
