// xdrive's library against a window of this process: finding it, the picture of the screen and
// its PNG, XTest clicks, and noticing the window go.
#include <png.h>
#include <unistd.h>

#include <cstdio>

#include "X11Fixture.h"
#include "tools/xdrive/PngFile.h"
#include "tools/xdrive/XDisplay.h"

namespace x11test {

namespace {

constexpr char TEST_CLASS[] = "LumoraX11Test";

uint32_t Rgb(COLORREF c) {
    return uint32_t(GetRValue(c)) << 16 | uint32_t(GetGValue(c)) << 8 | GetBValue(c);
}

// Quadrant i's colour where the 120 x 90 test window should show it.
int QuadrantErrors(const xdrive::ScreenImage& image) {
    int wrong = 0;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            int quadrant = (x >= 60 ? 1 : 0) + (y >= 45 ? 2 : 0);
            wrong += image.At(x, y) != Rgb(QuadrantColour(quadrant)) ? 1 : 0;
        }
    return wrong;
}

bool ReadPng(const std::string& path, xdrive::ScreenImage& image) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_file(&png, path.c_str()) == 0)
        return false;
    png.format = PNG_FORMAT_BGRA;  // little-endian 0xAARRGGBB words
    image.width = int(png.width);
    image.height = int(png.height);
    image.pixels.resize(size_t(png.width) * png.height);
    bool read = png_image_finish_read(&png, nullptr, image.pixels.data(), 0, nullptr) != 0;
    for (uint32_t& pixel : image.pixels)
        pixel &= 0xFFFFFF;
    return read;
}

}  // namespace

class XDriveTest : public X11Test {
protected:
    void SetUp() override {
        X11Test::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        std::string why;
        ASSERT_TRUE(m_drive.Open(m_server->Display().c_str(), why)) << why;
        m_hwnd = OpenWindow(40, 30, 120, 90);
        ASSERT_TRUE(WaitViewable(m_hwnd));
        PumpFor(100);
    }

    void TearDown() override {
        m_drive.Close();
        X11Test::TearDown();
    }

    xdrive::CXDisplay m_drive;
    HWND m_hwnd = nullptr;
};

TEST_F(XDriveTest, FindsTheWindowByClassWhereTheServerHasIt) {
    xdrive::FoundWindow found;
    ASSERT_TRUE(m_drive.FindWindow(TEST_CLASS, found));
    EXPECT_EQ(found.xid, Xid(m_hwnd));
    RECT server = ServerRect(m_hwnd);
    EXPECT_EQ(found.rect.x, server.left);
    EXPECT_EQ(found.rect.y, server.top);
    EXPECT_EQ(found.rect.width, 120);
    EXPECT_EQ(found.rect.height, 90);
    EXPECT_FALSE(m_drive.FindWindow("NoSuchClass", found));
}

TEST_F(XDriveTest, PictureAndItsPngShowExactlyThePaintedPixels) {
    xdrive::ScreenImage image;
    ASSERT_TRUE(m_drive.CaptureSettled({40, 30, 120, 90}, 2000, image));
    ASSERT_EQ(image.width, 120);
    EXPECT_EQ(QuadrantErrors(image), 0);
    std::string path = "/tmp/xdrive-test-" + std::to_string(getpid()) + ".png";
    std::string why;
    ASSERT_TRUE(xdrive::WritePng(path, image, why)) << why;
    xdrive::ScreenImage back;
    ASSERT_TRUE(ReadPng(path, back));
    std::remove(path.c_str());
    EXPECT_EQ(back.width, 120);
    EXPECT_EQ(back.height, 90);
    EXPECT_EQ(back.pixels, image.pixels);
    EXPECT_EQ(m_drive.WindowPixel(Xid(m_hwnd), 70, 10), long(Rgb(QuadrantColour(1))));
}

TEST_F(XDriveTest, PictureIsClippedToTheScreenAndRefusedOutsideIt) {
    xdrive::ScreenImage image;
    xdrive::ScreenRect screen = m_drive.Screen();
    ASSERT_TRUE(m_drive.Capture({screen.width - 10, -5, 30, 20}, image));
    EXPECT_EQ(image.width, 10);
    EXPECT_EQ(image.height, 15);
    EXPECT_FALSE(m_drive.Capture({screen.width, 0, 10, 10}, image));
}

TEST_F(XDriveTest, ClickArrivesAtTheWindowsPoint) {
    m_drive.Click(40 + 25, 30 + 70);
    ASSERT_TRUE(PumpUntil([&] { return Received(WM_LBUTTONUP); }));
    const Recorded* down = Last(WM_LBUTTONDOWN);
    ASSERT_NE(down, nullptr);
    EXPECT_EQ(GET_X_LPARAM(down->lParam), 25);
    EXPECT_EQ(GET_Y_LPARAM(down->lParam), 70);
}

TEST_F(XDriveTest, CloseRequestReachesTheWindowAndItsGoingIsSeen) {
    xdrive::FoundWindow found;
    ASSERT_TRUE(m_drive.FindWindow(TEST_CLASS, found));
    ASSERT_TRUE(m_drive.RequestClose(found.xid));
    ASSERT_TRUE(PumpUntil([&] { return Received(WM_CLOSE); }));
    // The default close destroys the window.
    EXPECT_TRUE(PumpUntil([&] { return !m_drive.FindWindow(TEST_CLASS, found); }));
    EXPECT_TRUE(m_drive.WaitGone(TEST_CLASS, WAIT_MS));
    m_windows.clear();
}

}  // namespace x11test
