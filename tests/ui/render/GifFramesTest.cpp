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
