// Animated GIF: loading through the skin store, the frame timer and painting.
#include "ui/controls/GifAnimUI.h"

#include <cstring>

#include "ui/controls/AttributeValue.h"
#include "ui/markup/SkinStore.h"
#include "ui/render/DrawEngine.h"
#include "ui/window/WindowHostUI.h"

namespace Orvik {

namespace {

bool Is(const char* a, const char* b) {
    return std::strcmp(a, b) == 0;
}

}  // namespace

CGifAnimUI::~CGifAnimUI() {
    StopAnimation();
    ReleaseFrames();
}

LPVOID CGifAnimUI::AsType(const char* pstrName) {
    if (pstrName != nullptr && Is(pstrName, "GifAnim"))
        return this;
    return CControlUI::AsType(pstrName);
}

UINT CGifAnimUI::GetFramePeriod(UINT nFrame) const {
    UINT nDelay = m_frames.GetDelay(nFrame);
    return nDelay == 0 ? DEFAULT_FRAME_MS : nDelay * 10;
}

void CGifAnimUI::SetVisible(bool bVisible) {
    CControlUI::SetVisible(bVisible);
    if (bVisible)
        StartAnimation();
    else
        StopAnimation();
}

void CGifAnimUI::InitHook() {
    LoadFrames();
}

void CGifAnimUI::StartAnimation() {
    if (m_bPlaying || m_frames.IsEmpty() || m_pHost == nullptr)
        return;
    m_pHost->SetTimer(this, FRAME_TIMER_KEY, GetFramePeriod(m_nCurrentFrame));
    m_bPlaying = true;
}

void CGifAnimUI::StopAnimation() {
    if (!m_bPlaying)
        return;
    if (m_pHost != nullptr)
        m_pHost->KillTimer(this, FRAME_TIMER_KEY);
    m_nCurrentFrame = 0;
    Invalidate();
    m_bPlaying = false;
}

void CGifAnimUI::ReleaseFrames() {
    m_frames.Release();
    m_nCurrentFrame = 0;
}

void CGifAnimUI::SetGifFile(const char* pstrName) {
    if (pstrName == nullptr || m_sImageName == pstrName)
        return;
    m_sImageName = pstrName;
    StopAnimation();
    ReleaseFrames();
    Invalidate();
}

void CGifAnimUI::LoadFrames() {
    if (m_sImageName.IsEmpty() || !m_frames.IsEmpty())
        return;
    CSkinBuffer data;
    if (!CSkinStore::ReadImageData(CUIResName(m_sImageName.GetData()), nullptr, data) ||
        data.GetSize() == 0)
        return;
    if (!m_frames.Decode(data.GetData(), data.GetSize()))
        return;
    if (m_bAutoSize) {
        SetFixedWidth(m_frames.GetWidth());
        SetFixedHeight(m_frames.GetHeight());
    }
    if (m_bAutoPlay)
        StartAnimation();
}

void CGifAnimUI::ProcessEvent(ControlEvent& event) {
    // Mouse events and other timers stop here: the spinner is decoration.
    if (event.kind != UIEVENT_TIMER || event.wParam != FRAME_TIMER_KEY || m_pHost == nullptr)
        return;
    m_pHost->KillTimer(this, FRAME_TIMER_KEY);
    Invalidate();
    UINT nCount = m_frames.GetFrameCount();
    m_nCurrentFrame = nCount > 0 ? (m_nCurrentFrame + 1) % nCount : 0;
    m_pHost->SetTimer(this, FRAME_TIMER_KEY, GetFramePeriod(m_nCurrentFrame));
}

void CGifAnimUI::SetAttribute(const char* pstrName, const char* pstrValue) {
    if (pstrName == nullptr || pstrValue == nullptr)
        return;
    if (Is(pstrName, "bkimage"))
        SetGifFile(pstrValue);
    else if (Is(pstrName, "autoplay"))
        m_bAutoPlay = ParseBoolValue(pstrValue);
    else if (Is(pstrName, "autosize"))
        m_bAutoSize = ParseBoolValue(pstrValue);
    else
        CControlUI::SetAttribute(pstrName, pstrValue);
}

bool CGifAnimUI::PaintSelf(HDC hDC, const RECT& rcPaint, CControlUI*) {
    if (m_frames.IsEmpty())
        LoadFrames();
    if (m_frames.IsEmpty() || hDC == nullptr)
        return true;
    // The frame a tick selected is drawn by the paint it asks for, so each
    // frame stays up for its own delay.
    HBITMAP hFrame = m_frames.GetFrame(m_nCurrentFrame);
    RECT rcSource = {0, 0, m_frames.GetWidth(), m_frames.GetHeight()};
    CDrawEngine::DrawImage(hDC, hFrame, m_rcItem, rcPaint, rcSource, RECT{0, 0, 0, 0}, true);
    return true;
}

}  // namespace Orvik
