// Progress bar: a label that draws its fore image over the part of its area the value gives.
#pragma once

#include "ui/controls/LabelUI.h"

namespace Orvik {

class CProgressUI : public CLabelUI {
public:
    CProgressUI();

    const char* GetTypeName() const override { return "Progress"; }
    LPVOID AsType(const char* pstrName) override;
    void SetAttribute(const char* pstrName, const char* pstrValue) override;
    void PaintStateImage(HDC hDC) override;

    bool IsHorizontal() const { return m_bHorizontal; }
    void SetHorizontal(bool b);
    int GetMinValue() const { return m_nMin; }
    void SetMinValue(int n);
    int GetMaxValue() const { return m_nMax; }
    void SetMaxValue(int n);
    int GetValue() const { return m_nValue; }
    void SetValue(int n);
    const CUIString& GetForeImage() const { return m_diFore.strDescriptor; }
    void SetForeImage(const char* pstrDescriptor);
    // Offsets inside the bounds that the fore image is drawn into for the
    // current value; normalises the range and value as a paint does.
    RECT ComputeForeDest();

private:
    bool m_bHorizontal = true;
    int m_nMax = 100;
    int m_nMin = 0;
    int m_nValue = 0;
};

}  // namespace Orvik
