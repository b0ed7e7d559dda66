// The frames of an animated GIF: count, delays in hundredths, refusal of broken or huge files.
#include <gtest/gtest.h>

#include <string>

#include "ui/markup/TestZip.h"
#include "ui/render/GifFrames.h"

namespace {

std::string Fixture(const char* pstrName) {
    return testzip::ReadFile(std::string(LUMORA_SOURCE_DIR) + "/tests/ui/controls/fixtures/" +
                             pstrName);
}

}  // namespace

TEST(GifFramesTest, DelaysInHundredthsAndBadBytesRefused) {
    std::string bytes = Fixture("frames3.gif");
    Orvik::CGifFrames frames;
    ASSERT_TRUE(frames.Decode(reinterpret_cast<const BYTE*>(bytes.data()),
                              static_cast<DWORD>(bytes.size())));
    EXPECT_EQ(frames.GetFrameCount(), 3u);
    EXPECT_EQ(frames.GetDelay(0), 0u);
    EXPECT_EQ(frames.GetDelay(1), 5u);
    EXPECT_EQ(frames.GetDelay(2), 20u);
    for (const std::string& bad : {std::string("GIF89a"), bytes.substr(0, 40), std::string(64, 'x'),
                                   std::string("GIF89a\xff\xff\xff\xff", 10) + bytes.substr(10)}) {
        EXPECT_FALSE(frames.Decode(reinterpret_cast<const BYTE*>(bad.data()),
                                   static_cast<DWORD>(bad.size())));
        EXPECT_TRUE(frames.IsEmpty());
    }
}

namespace {

// A GIF with a big canvas whose frames are each one pixel: tiny on disk, but
// every decoded frame is a whole canvas.
std::string BigCanvasGif(int nSide, int nFrames) {
    std::string gif = "GIF89a";
    auto word = [&gif](int v) {
        gif += static_cast<char>(v & 0xFF);
        gif += static_cast<char>((v >> 8) & 0xFF);
    };
    word(nSide);
    word(nSide);
    gif += std::string("\x80\x00\x00", 3);              // two-colour global table
    gif += std::string("\x00\x00\x00\xff\xff\xff", 6);  // black, white
    for (int i = 0; i < nFrames; ++i) {
        gif += std::string("\x21\xf9\x04\x00\x01\x00\x00\x00", 8);  // 10 ms, no disposal
        gif += std::string("\x2c\x00\x00\x00\x00\x01\x00\x01\x00\x00", 10);
        gif += std::string("\x02\x02\x44\x01\x00", 5);  // clear, index 0, end
    }
    gif += '\x3b';
    return gif;
}

}  // namespace

// The frames come from the same budgeted decoder as still images: an
// animation whose decoded frames outgrow the budget is refused, not allocated.
TEST(GifFramesTest, AnimationPastTheDecoderBudgetRefused) {
    Orvik::CGifFrames frames;
    std::string small = BigCanvasGif(2048, 3);
    ASSERT_TRUE(frames.Decode(reinterpret_cast<const BYTE*>(small.data()),
                              static_cast<DWORD>(small.size())));
    EXPECT_EQ(frames.GetFrameCount(), 3u);
    std::string huge = BigCanvasGif(2048, 40);  // 40 x 16 MiB of frames
    EXPECT_FALSE(
        frames.Decode(reinterpret_cast<const BYTE*>(huge.data()), static_cast<DWORD>(huge.size())));
    EXPECT_TRUE(frames.IsEmpty());
}
