// A container that stacks its children from top to bottom.
#pragma once

#include "ui/controls/BoxLayoutUI.h"

namespace Orvik {

class CVerticalLayoutUI : public CBoxLayoutUI {
public:
    CVerticalLayoutUI() : CBoxLayoutUI(true, false) {}

    const char* GetTypeName() const override { return "VerticalLayout"; }
    LPVOID AsType(const char* pstrName) override;
    void SetAttribute(const char* pstrName, const char* pstrValue) override;

    int GetSepHeight() const { return m_iSepSize; }
    void SetSepHeight(int iHeight) { m_iSepSize = iHeight; }
};

}  // namespace Orvik
