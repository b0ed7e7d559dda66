// Option: group membership, selection with its notification, and the selected look.
#include "ui/controls/OptionUI.h"

#include <cstring>

#include "ui/controls/AttributeValue.h"
#include "ui/core/UIPtrArray.h"
#include "ui/render/DrawEngine.h"
#include "ui/window/WindowHostUI.h"

namespace Orvik {

COptionUI::~COptionUI() {
    if (IsAttached() && !m_sGroupName.IsEmpty())
        m_pHost->RemoveOptionFromGroup(m_sGroupName, this);
}

LPVOID COptionUI::AsType(const char* pstrName) {
    if (pstrName != nullptr && std::strcmp(pstrName, "Option") == 0)
        return this;
    return CButtonUI::AsType(pstrName);
}

void COptionUI::Attach(CWindowHostUI* pHost, CControlUI* pParent, bool bInit) {
    CButtonUI::Attach(pHost, pParent, bInit);
    if (bInit && IsAttached() && !m_sGroupName.IsEmpty())
        m_pHost->AddOptionGroup(m_sGroupName, this);
}

void COptionUI::SetGroup(const char* pstrGroupName) {
    const char* pstrNew = pstrGroupName != nullptr ? pstrGroupName : "";
    if (m_sGroupName == pstrNew)
        return;
    if (IsAttached() && !m_sGroupName.IsEmpty())
        m_pHost->RemoveOptionFromGroup(m_sGroupName, this);
    m_sGroupName = pstrNew;
    if (IsAttached() && !m_sGroupName.IsEmpty())
        m_pHost->AddOptionGroup(m_sGroupName, this);
}

void COptionUI::DeselectOthersInGroup() {
    CUIPtrArray* pGroup = m_pHost->GetOptionGroup(m_sGroupName);
    if (pGroup == nullptr)
        return;
    for (int i = 0; i < pGroup->GetSize(); ++i) {
        auto* pNode = static_cast<IControlNodeUI*>(pGroup->GetAt(i));
        auto* pOther = static_cast<COptionUI*>(pNode->GetControl()->AsType("Option"));
        if (pOther != nullptr && pOther != this)
            pOther->SetSelected(false, true);
    }
}

void COptionUI::SetSelected(bool bSelected, bool bNotify) {
    if (m_bSelected == bSelected)
        return;
    m_bSelected = bSelected;
    m_uButtonState =
        bSelected ? m_uButtonState | UISTATE_SELECTED : m_uButtonState & ~UISTATE_SELECTED;
    bool bGrouped = IsAttached() && !m_sGroupName.IsEmpty();
    // A member deselected for another's sake stays quiet.
    if (bGrouped && bSelected)
        DeselectOthersInGroup();
    if (IsAttached() && bNotify && !(bGrouped && !bSelected))
        m_pHost->SendNotify(this, "selectchanged");
    Invalidate();
}

bool COptionUI::Activate() {
    if (!CButtonUI::Activate())
        return false;
    SetSelected(m_sGroupName.IsEmpty() ? !m_bSelected : true, true);
    return true;
}

void COptionUI::SetEnabled(bool bEnabled) {
    CControlUI::SetEnabled(bEnabled);
    if (!IsEnabled())
        m_uButtonState = m_bSelected ? UISTATE_SELECTED : 0;
}

void COptionUI::SetAttribute(const char* pstrName, const char* pstrValue) {
    if (pstrName == nullptr || pstrValue == nullptr)
        return;
    auto is = [pstrName](const char* p) { return std::strcmp(pstrName, p) == 0; };
    if (is("group"))
        SetGroup(pstrValue);
    else if (is("selected"))
        SetSelected(ParseBoolValue(pstrValue), true);
    else if (is("selectedimage"))
        SetStateImage(m_diSelected, pstrValue);
    else if (is("selectedhotimage"))
        SetStateImage(m_diSelectedHot, pstrValue);
    else if (is("foreimage"))
        SetStateImage(m_diOptionFore, pstrValue);
    else if (is("selectedbkcolor"))
        m_dwSelectedBkColor = ParseBorderColorValue(pstrValue);
    else if (is("selectedtextcolor"))
        m_dwSelectedTextColor = ParseBorderColorValue(pstrValue);
    else
        CButtonUI::SetAttribute(pstrName, pstrValue);
}

template <class Fn>
void COptionUI::WithoutPushed(Fn fn) {
    UINT uSaved = m_uButtonState & UISTATE_PUSHED;
    m_uButtonState &= ~UISTATE_PUSHED;
    fn();
    m_uButtonState |= uSaved;
}

void COptionUI::PaintStateImage(HDC hDC) {
    bool bDone = false;
    if (m_bSelected) {
        bool bHot = (m_uButtonState & UISTATE_HOT) != 0;
        bDone = (bHot && DrawState(hDC, m_diSelectedHot)) || DrawState(hDC, m_diSelected);
        if (!bDone && m_dwSelectedBkColor != 0) {
            CDrawEngine::FillColor(hDC, m_rcPaint, m_dwSelectedBkColor);
            bDone = true;
        }
    }
    if (!bDone)
        WithoutPushed([&] { CButtonUI::PaintStateImage(hDC); });
    DrawState(hDC, m_diOptionFore);
}

void COptionUI::PaintText(HDC hDC) {
    WithoutPushed([&] { CButtonUI::PaintText(hDC); });
}

DWORD COptionUI::PaintTextColor() const {
    // Selected, the hot, pushed and focused colours give way.
    if (!m_bSelected)
        return CButtonUI::PaintTextColor();
    return m_dwSelectedTextColor != 0 ? m_dwSelectedTextColor : StateTextColor(true);
}

}  // namespace Orvik
