// The frames of an animated GIF: premultiplied bitmaps and their delays.
#pragma once

#include <vector>

#include "platform/gdi.h"

namespace Orvik {

class CGifFrames {
public:
    // GIFs whose canvas has more pixels than this are refused before decoding.
    static constexpr long long MAX_CANVAS_PIXELS = 4096LL * 4096;

    CGifFrames() = default;
    ~CGifFrames() { Release(); }
    CGifFrames(const CGifFrames&) = delete;
    CGifFrames& operator=(const CGifFrames&) = delete;

    // Replaces the frames with those of the bytes; false (and no frames)
    // when they are not a GIF that can be decoded.
    bool Decode(const BYTE* pData, DWORD dwSize);
    void Release();

    bool IsEmpty() const { return m_aFrames.empty(); }
    UINT GetFrameCount() const { return static_cast<UINT>(m_aFrames.size()); }
    int GetWidth() const { return m_nWidth; }
    int GetHeight() const { return m_nHeight; }
    // Delay of a frame in hundredths of a second, as the file stores it.
    UINT GetDelay(UINT i) const { return i < m_aDelays.size() ? m_aDelays[i] : 0; }
    // A top-down 32-bit premultiplied bitmap of the whole canvas.
    HBITMAP GetFrame(UINT i) const { return i < m_aFrames.size() ? m_aFrames[i] : nullptr; }

private:
    std::vector<HBITMAP> m_aFrames;
    std::vector<UINT> m_aDelays;
    int m_nWidth = 0;
    int m_nHeight = 0;
};

}  // namespace Orvik
