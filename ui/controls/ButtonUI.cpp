// Button: construction, attributes, activation, enabling and measuring.
#include "ui/controls/ButtonUI.h"

#include <cstring>

#include "ui/controls/AttributeValue.h"
#include "ui/render/DrawEngine.h"
#include "ui/render/FontInfo.h"
#include "ui/render/SkinImage.h"
#include "ui/window/WindowHostUI.h"

namespace Orvik {

CButtonUI::CButtonUI() {
    m_uTextStyle = LABEL_STYLE_CENTER | LABEL_STYLE_VCENTER | LABEL_STYLE_SINGLELINE;
}

LPVOID CButtonUI::AsType(const char* pstrName) {
    if (pstrName != nullptr && std::strcmp(pstrName, "Button") == 0)
        return this;
    return CLabelUI::AsType(pstrName);
}

UINT CButtonUI::GetInputFlags() {
    // 2: wants the cursor message; 1: a tab stop.
    if (!IsEnabled())
        return 0;
    return IsKeyboardEnabled() ? 3 : 2;
}

bool CButtonUI::Activate() {
    if (!CLabelUI::Activate())
        return false;
    if (m_pHost != nullptr)
        m_pHost->SendNotify(this, "click");
    return true;
}

void CButtonUI::SetEnabled(bool bEnabled) {
    CLabelUI::SetEnabled(bEnabled);
    if (!IsEnabled())
        m_uButtonState = 0;
}

SIZE CButtonUI::MeasureSize(SIZE szAvailable) {
    if (m_cyFixed != 0)
        // The text width is never measured: a fixed height keeps the
        // plain control's answer.
        return CControlUI::MeasureSize(szAvailable);
    int cyFont = m_pHost != nullptr ? m_pHost->GetFontInfo(m_iFont)->tm.tmHeight : 0;
    return SIZE{m_cxFixed, cyFont + 8};
}

void CButtonUI::SetStateImage(ImagePaintState& state, const char* pstrDescriptor) {
    if (state.pImage != nullptr && state.strDescriptor == pstrDescriptor)
        return;
    state.SetDescriptor(pstrDescriptor);
    Invalidate();
}

void CButtonUI::SetFiveStatusImage(const char* pstrDescriptor) {
    ImagePaintState* aStates[] = {&m_diNormal, &m_diPushed, &m_diHot, &m_diFocused, &m_diDisabled};
    for (ImagePaintState* p : aStates) {
        p->SetDescriptor(pstrDescriptor);
        CDrawEngine::DrawImageDescriptor(nullptr, m_pHost, m_rcItem, m_rcItem, *p);
    }
    SkinImage* pImage = m_diNormal.pImage;
    if (pImage != nullptr) {
        LONG w = pImage->nWidth;
        LONG h = pImage->nHeight;
        for (LONG i = 0; i < 5; ++i)
            aStates[i]->rcSource = CUIRect(i * w / 5, 0, (i + 1) * w / 5, h);
        if (IsFloat() && m_cxFixed == 0 && m_cyFixed == 0) {
            SetFixedWidth(w / 5);
            SetFixedHeight(h);
        }
    }
    Invalidate();
}

bool CButtonUI::SetImageAttribute(const char* pstrName, const char* pstrValue) {
    struct Entry {
        const char* pstrName;
        ImagePaintState CButtonUI::*pState;
    };
    static const Entry s_images[] = {
        {"normalimage", &CButtonUI::m_diNormal},     {"hotimage", &CButtonUI::m_diHot},
        {"pushedimage", &CButtonUI::m_diPushed},     {"focusedimage", &CButtonUI::m_diFocused},
        {"disabledimage", &CButtonUI::m_diDisabled}, {"hotforeimage", &CButtonUI::m_diHotFore},
    };
    for (const Entry& e : s_images)
        if (std::strcmp(pstrName, e.pstrName) == 0) {
            SetStateImage(this->*e.pState, pstrValue);
            return true;
        }
    if (std::strcmp(pstrName, "foreimage") == 0) {
        SetStateImage(m_diFore, pstrValue);
        return true;
    }
    return false;
}

void CButtonUI::SetAttribute(const char* pstrName, const char* pstrValue) {
    if (pstrName == nullptr || pstrValue == nullptr)
        return;
    if (SetImageAttribute(pstrName, pstrValue))
        return;
    auto is = [pstrName](const char* p) { return std::strcmp(pstrName, p) == 0; };
    if (is("fivestatusimage"))
        SetFiveStatusImage(pstrValue);
    else if (is("fadedelta"))
        m_uFadeAlphaDelta = static_cast<BYTE>(ParseIntValue(pstrValue));
    else if (is("hotbkcolor"))
        m_dwHotBkColor = ParseBorderColorValue(pstrValue);
    else if (is("hottextcolor"))
        m_dwHotTextColor = ParseBorderColorValue(pstrValue);
    else if (is("pushedtextcolor"))
        m_dwPushedTextColor = ParseBorderColorValue(pstrValue);
    else if (is("focusedtextcolor"))
        m_dwFocusedTextColor = ParseBorderColorValue(pstrValue);
    else
        CLabelUI::SetAttribute(pstrName, pstrValue);
}

}  // namespace Orvik
