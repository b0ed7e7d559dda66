// The push button: state images and colours, cross-fade, "click" on activation.
#pragma once

#include "ui/controls/ControlStateBits.h"
#include "ui/controls/LabelUI.h"

namespace Orvik {

class CButtonUI : public CLabelUI {
public:
    static constexpr UINT FADE_INTERVAL_MS = 30;

    CButtonUI();

    const char* GetTypeName() const override { return "Button"; }
    LPVOID AsType(const char* pstrName) override;
    UINT GetInputFlags() override;
    bool Activate() override;
    void SetEnabled(bool bEnabled) override;
    void ProcessEvent(ControlEvent& event) override;
    void SetAttribute(const char* pstrName, const char* pstrValue) override;
    SIZE MeasureSize(SIZE szAvailable) override;
    void PaintStateImage(HDC hDC) override;
    void PaintText(HDC hDC) override;

    UINT GetState() const { return m_uButtonState; }
    BYTE GetFadeValue() const { return m_uFadeAlpha; }
    BYTE GetFadeDelta() const { return m_uFadeAlphaDelta; }
    DWORD GetHotBkColor() const { return m_dwHotBkColor; }
    DWORD GetHotTextColor() const { return m_dwHotTextColor; }
    DWORD GetPushedTextColor() const { return m_dwPushedTextColor; }
    DWORD GetFocusedTextColor() const { return m_dwFocusedTextColor; }
    // Loads one descriptor into the five states, a fifth of its width each.
    void SetFiveStatusImage(const char* pstrDescriptor);

protected:
    // Stores a descriptor unless it is the one already loaded.
    void SetStateImage(ImagePaintState& state, const char* pstrDescriptor);
    bool DrawState(HDC hDC, ImagePaintState& state);
    bool DrawStateFaded(HDC hDC, ImagePaintState& state, BYTE uFade);
    // Focused and disabled follow the control at every paint.
    void RefreshPaintBits();
    // Pushed, hot and focused colours before the label's own.
    DWORD PaintTextColor() const override;
    bool IsInside(POINT pt) const;

    UINT m_uButtonState = 0;
    DWORD m_dwHotBkColor = 0;
    DWORD m_dwHotTextColor = 0;
    DWORD m_dwPushedTextColor = 0;
    DWORD m_dwFocusedTextColor = 0;
    BYTE m_uFadeAlpha = 255;
    BYTE m_uFadeAlphaDelta = 0;
    ImagePaintState m_diNormal;
    ImagePaintState m_diHot;
    ImagePaintState m_diHotFore;
    ImagePaintState m_diPushed;
    ImagePaintState m_diPushedFore;
    ImagePaintState m_diFocused;
    ImagePaintState m_diDisabled;

private:
    bool OnPointerEvent(ControlEvent& event);
    void OnMouseEnter(ControlEvent& event);
    // False when the leave ends here (the pointer is still inside).
    bool OnMouseLeave(ControlEvent& event);
    void OnFadeTick();
    void StartFade();
    void PaintHotImages(HDC hDC);
    void PaintNormalImages(HDC hDC);
    bool SetImageAttribute(const char* pstrName, const char* pstrValue);
};

}  // namespace Orvik
