// A container that lines its children up from left to right.
#pragma once

#include "ui/controls/BoxLayoutUI.h"

namespace Orvik {

// A child without a fixed width stretches: it is not asked for a width.
class CHorizontalLayoutUI : public CBoxLayoutUI {
public:
    CHorizontalLayoutUI() : CBoxLayoutUI(false, true) {}

    const char* GetTypeName() const override { return "HorizontalLayout"; }
    LPVOID AsType(const char* pstrName) override;
    void SetAttribute(const char* pstrName, const char* pstrValue) override;

    int GetSepWidth() const { return m_iSepSize; }
    void SetSepWidth(int iWidth) { m_iSepSize = iWidth; }
};

}  // namespace Orvik
