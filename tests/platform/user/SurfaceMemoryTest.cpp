// Window surfaces in memory a backend lends: pixels kept across resizes, presents straight from
// that memory, and no write before the display has read the last present.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "UserTestSupport.h"
#include "platform/backends/headless/headless.h"
#include "platform/backends/headless/headless_backend.h"
#include "platform/gdi.h"
#include "platform/user.h"
#include "platform/user/backend.h"

namespace {

// Memory that counts how the core treats it; "read" stays true from a present until the next
// BeforeWrite, as a display reading it would.
struct LentMemory : platform::user::SurfaceMemory {
    LentMemory(int width, int height, int& alive, LentMemory*& latest)
        : pixels(size_t(width) * height, 0xDEADBEEF), alive(alive), latest(latest) {
        ++alive;
        latest = this;
    }
    ~LentMemory() override {
        --alive;
        if (latest == this)
            latest = nullptr;
    }
    uint32_t* Pixels() override { return pixels.data(); }
    void BeforeWrite() override {
        ++beforeWrites;
        beingRead = false;
    }
    std::vector<uint32_t> pixels;
    int& alive;
    LentMemory*& latest;
    int beforeWrites = 0;
    bool beingRead = false;
};

class LendingBackend : public platform::headless::HeadlessBackend {
public:
    std::unique_ptr<platform::user::SurfaceMemory> NewSurfaceMemory(int width, int height,
                                                                    bool) override {
        if (width * height < minPixels)
            return nullptr;
        return std::make_unique<LentMemory>(width, height, alive, last);
    }
    void Present(HWND hwnd, const platform::user::PresentRequest& request) override {
        presentedFromLent = last != nullptr && request.surface.pixels == last->pixels.data();
        if (presentedFromLent)
            last->beingRead = true;
        HeadlessBackend::Present(hwnd, request);
    }
    int minPixels = 100;
    int alive = 0;
    LentMemory* last = nullptr;
    bool presentedFromLent = false;
};

class SurfaceMemoryTest : public ::testing::Test {
protected:
    void SetUp() override { platform::user::InstallBackend(&m_backend); }
    void TearDown() override {
        for (HWND hwnd : m_windows)
            DestroyWindow(hwnd);
        platform::user::InstallBackend(nullptr);
    }
    HWND Open(int width, int height) {
        HWND hwnd = usertest::MakeWindow(RECT{0, 0, width, height}, WS_POPUP | WS_VISIBLE);
        m_windows.push_back(hwnd);
        return hwnd;
    }
    static void Fill(HWND hwnd, COLORREF colour) {
        HDC hdc = GetDC(hwnd);
        RECT client{};
        GetClientRect(hwnd, &client);
        HBRUSH brush = CreateSolidBrush(colour);
        FillRect(hdc, &client, brush);
        DeleteObject(brush);
        ReleaseDC(hwnd, hdc);
    }
    // What the backend got from a present of the whole surface as it is now.
    static uint32_t PixelAt(HWND hwnd, int x, int y) {
        ReleaseDC(hwnd, GetDC(hwnd));
        int width = 0, height = 0;
        std::vector<uint32_t> pixels = platform::headless::WindowPixels(hwnd, width, height);
        return x < width && y < height ? pixels[size_t(y) * width + x] & 0xFFFFFF : 0xBAD;
    }
    LendingBackend m_backend;
    std::vector<HWND> m_windows;
};

}  // namespace

// Memory a backend lends starts cleared, like the core's own, and is sent as it is.
TEST_F(SurfaceMemoryTest, LentSurfaceStartsClearAndIsPresentedWithoutCopy) {
    HWND hwnd = Open(40, 30);
    ASSERT_NE(m_backend.last, nullptr);
    EXPECT_EQ(m_backend.last->pixels[0], 0u);
    Fill(hwnd, RGB(10, 20, 30));
    EXPECT_TRUE(m_backend.presentedFromLent);
    EXPECT_EQ(PixelAt(hwnd, 5, 5), 0x0A141Eu);
}

// Every way into the pixels waits for the display first: a DC, a paint, a layered image.
TEST_F(SurfaceMemoryTest, NoWriteWhileTheDisplayReadsTheLastPresent) {
    HWND hwnd = Open(40, 30);
    Fill(hwnd, RGB(200, 0, 0));
    ASSERT_TRUE(m_backend.last->beingRead);
    HDC hdc = GetDC(hwnd);
    EXPECT_FALSE(m_backend.last->beingRead);
    ReleaseDC(hwnd, hdc);
    ASSERT_TRUE(m_backend.last->beingRead);
    InvalidateRect(hwnd, nullptr, TRUE);
    PAINTSTRUCT ps{};
    BeginPaint(hwnd, &ps);
    EXPECT_FALSE(m_backend.last->beingRead);
    EndPaint(hwnd, &ps);
}

// Growing and shrinking across the lending threshold keeps what still fits; the new area is
// transparent black; the memory given up is returned.
TEST_F(SurfaceMemoryTest, ResizeKeepsPixelsBetweenLentAndOwnMemory) {
    struct Step {
        int width, height;
        bool lent;
    };
    const Step steps[] = {{40, 30, true}, {8, 8, false}, {60, 50, true}, {70, 50, true}};
    HWND hwnd = Open(6, 6);
    EXPECT_EQ(m_backend.alive, 0);
    Fill(hwnd, RGB(0, 128, 255));
    for (const Step& step : steps) {
        SetWindowPos(hwnd, nullptr, 0, 0, step.width, step.height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
        EXPECT_EQ(m_backend.alive, step.lent ? 1 : 0) << step.width;
        EXPECT_EQ(PixelAt(hwnd, 5, 5), 0x0080FFu) << step.width;
        EXPECT_EQ(PixelAt(hwnd, step.width - 1, step.height - 1), 0u) << step.width;
    }
}
