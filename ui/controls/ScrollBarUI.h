// The scroll bar slot of containers: range, position and owner (drawing and dragging come later).
#pragma once

#include "ui/controls/ControlUI.h"

namespace Orvik {

class CContainerUI;

class CScrollBarUI : public CControlUI {
public:
    static constexpr int DEFAULT_SIZE = 16;

    CScrollBarUI();
    const char* GetTypeName() const override { return "ScrollBar"; }
    LPVOID AsType(const char* pstrName) override;

    CContainerUI* GetOwner() const { return m_pOwner; }
    void SetOwner(CContainerUI* pOwner) { m_pOwner = pOwner; }
    bool IsHorizontal() const { return m_bHorizontal; }
    // Swaps the fixed size to the new orientation's thickness.
    void SetHorizontal(bool bHorizontal);
    int GetScrollRange() const { return m_nRange; }
    // A negative range is stored as 0; the position is clamped into it.
    void SetScrollRange(int nRange);
    int GetScrollPos() const { return m_nScrollPos; }
    // Clamped to 0 .. range.
    void SetScrollPos(int nPos);
    int GetScrollUnit() const { return m_nScrollUnit; }
    void SetScrollUnit(int nUnit) { m_nScrollUnit = nUnit; }

private:
    CContainerUI* m_pOwner = nullptr;
    bool m_bHorizontal = false;
    int m_nRange = 100;
    int m_nScrollPos = 0;
    int m_nScrollUnit = 1;
};

}  // namespace Orvik
