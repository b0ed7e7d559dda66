// Animated GIF: shows the frames of a skin GIF, advanced by a host timer with the file's delays.
#pragma once

#include "ui/controls/ControlUI.h"
#include "ui/render/GifFrames.h"

namespace Orvik {

class CGifAnimUI : public CControlUI {
public:
    static constexpr UINT FRAME_TIMER_KEY = 100;
    // Period used for frames whose delay is 0.
    static constexpr UINT DEFAULT_FRAME_MS = 100;

    CGifAnimUI() = default;
    ~CGifAnimUI() override;

    const char* GetTypeName() const override { return "GifAnim"; }
    LPVOID AsType(const char* pstrName) override;
    void SetVisible(bool bVisible) override;
    void InitHook() override;
    void ProcessEvent(ControlEvent& event) override;
    void SetAttribute(const char* pstrName, const char* pstrValue) override;
    bool PaintSelf(HDC hDC, const RECT& rcPaint, CControlUI* pStopAt) override;

    void StartAnimation();
    void StopAnimation();
    void LoadFrames();
    void ReleaseFrames();
    void SetGifFile(const char* pstrName);
    const CUIString& GetGifFile() const { return m_sImageName; }

    bool IsPlaying() const { return m_bPlaying; }
    bool IsAutoPlay() const { return m_bAutoPlay; }
    bool IsAutoSize() const { return m_bAutoSize; }
    UINT GetFrameCount() const { return m_frames.GetFrameCount(); }
    UINT GetCurrentFrame() const { return m_nCurrentFrame; }
    // Display time of a frame in milliseconds.
    UINT GetFramePeriod(UINT nFrame) const;

private:
    CGifFrames m_frames;
    UINT m_nCurrentFrame = 0;
    CUIString m_sImageName;
    bool m_bAutoPlay = true;
    bool m_bAutoSize = false;
    bool m_bPlaying = false;
};

}  // namespace Orvik
