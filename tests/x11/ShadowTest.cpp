// The drop shadow on a display: its place, depth and empty input shape, and when it is mapped.
#include "X11Fixture.h"

#include <X11/extensions/shape.h>

#include <string>

#include "ui/builder/SkinBuilder.h"
#include "ui/controls/ControlUI.h"
#include "ui/markup/SkinStore.h"
#include "ui/window/WindowHostUI.h"

namespace x11test {

namespace {

// The launcher's main window: 680 x 480 with the skin's shadow picture and corner.
constexpr char SHADOWED_SKIN[] =
    "<Window size=\"680,480\" showshadow=\"true\" shadowimage=\"shadow.png\" "
    "shadowcorner=\"18,17,18,23\"><VerticalLayout bkcolor=\"#FF3A6EA5\"/></Window>";

LRESULT CALLBACK HostProc(HWND hwnd, UINT message, WPARAM wp, LPARAM lp) {
    auto* host = reinterpret_cast<Orvik::CWindowHostUI*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    LRESULT result = 0;
    if (host != nullptr && host->MessageHandler(message, wp, lp, result))
        return result;
    return DefWindowProcA(hwnd, message, wp, lp);
}

}  // namespace

class ShadowX11Test : public X11Test {
protected:
    void TearDown() override {
        if (IsWindow(m_hwnd))
            DestroyWindow(m_hwnd);
        m_host.reset();
        X11Test::TearDown();
    }

    // The shadowed window at (100, 100), shown; its shadow window once there is one.
    HWND OpenShadowed() {
        static bool registered = [] {
            WNDCLASSEXA wc{};
            wc.cbSize = sizeof wc;
            wc.lpfnWndProc = HostProc;
            wc.lpszClassName = "LumoraX11ShadowHost";
            return RegisterClassExA(&wc) != 0;
        }();
        EXPECT_TRUE(registered);
        Orvik::CSkinStore::SetSkinPath(LUMORA_SKIN_DIR "/");
        m_hwnd = CreateWindowExA(0, "LumoraX11ShadowHost", "shadowed", WS_POPUP, 100, 100, 10, 10,
                                 nullptr, nullptr, nullptr, nullptr);
        m_host = std::make_unique<Orvik::CWindowHostUI>();
        SetWindowLongPtrA(m_hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(m_host.get()));
        m_host->Init(m_hwnd, "shadow");
        Orvik::CSkinBuilder builder;
        Orvik::CControlUI* root = builder.Create(SHADOWED_SKIN, nullptr, nullptr, m_host.get());
        EXPECT_NE(root, nullptr);
        m_host->AttachRoot(root);
        ShowWindow(m_hwnd, SW_SHOWNOACTIVATE);
        EXPECT_TRUE(WaitViewable(m_hwnd));
        return m_host->GetShadow().GetHWND();
    }

    int MapState(HWND hwnd) const { return Attributes(hwnd).map_state; }
    bool WaitMapState(HWND hwnd, int state) {
        return PumpUntil([&] { return MapState(hwnd) == state; });
    }

    HWND m_hwnd = nullptr;
    std::unique_ptr<Orvik::CWindowHostUI> m_host;
};

TEST_F(ShadowX11Test, ShadowIsADepth32WindowAroundItsParentThatTakesNoInput) {
    StartCompositor();
    HWND shadow = OpenShadowed();
    ASSERT_NE(shadow, nullptr);
    ASSERT_TRUE(WaitMapState(shadow, IsViewable));
    RECT rc = ServerRect(shadow);
    EXPECT_EQ(rc.left, 100 - 18);
    EXPECT_EQ(rc.top, 100 - 17);
    EXPECT_EQ(rc.right - rc.left, 716);
    EXPECT_EQ(rc.bottom - rc.top, 520);
    EXPECT_EQ(Attributes(shadow).depth, 32);
    int count = -1, ordering = 0;
    XRectangle* rects = XShapeGetRectangles(m_observer, Xid(shadow), ShapeInput, &count, &ordering);
    EXPECT_EQ(count, 0) << "the shadow must let the pointer through";
    if (rects != nullptr)
        XFree(rects);
}

TEST_F(ShadowX11Test, ShadowIsUnmappedWithoutACompositorAndMappedOnceOneStarts) {
    HWND shadow = OpenShadowed();
    ASSERT_NE(shadow, nullptr);
    PumpFor(100);
    EXPECT_EQ(MapState(shadow), IsUnmapped);
    EXPECT_EQ(MapState(m_hwnd), IsViewable);
    StartCompositor();
    EXPECT_TRUE(WaitMapState(shadow, IsViewable)) << "the shadow missed the compositor's start";
}

TEST_F(ShadowX11Test, ShadowHidesWhileItsWindowIsMinimised) {
    StartWindowManager();
    StartCompositor();
    HWND shadow = OpenShadowed();
    ASSERT_NE(shadow, nullptr);
    ASSERT_TRUE(WaitMapState(shadow, IsViewable));
    ShowWindow(m_hwnd, SW_MINIMIZE);
    // The manager iconifies on its own time: the shadow must be gone once it has.
    ASSERT_TRUE(PumpUntil([&] { return WmState(m_hwnd) == IconicState; }));
    ASSERT_TRUE(WaitMapState(m_hwnd, IsUnmapped));
    EXPECT_EQ(MapState(shadow), IsUnmapped) << "the shadow stayed over the desktop";
    ShowWindow(m_hwnd, SW_RESTORE);
    ASSERT_TRUE(PumpUntil([&] { return WmState(m_hwnd) == NormalState; }));
    EXPECT_TRUE(WaitMapState(m_hwnd, IsViewable));
    EXPECT_TRUE(WaitMapState(shadow, IsViewable)) << "the shadow did not come back";
    EXPECT_FALSE(IsIconic(m_hwnd));
}

TEST_F(ShadowX11Test, ShadowComesBackWhenRestoredBeforeTheManagerMinimised) {
    StartWindowManager();
    StartCompositor();
    HWND shadow = OpenShadowed();
    ASSERT_NE(shadow, nullptr);
    ASSERT_TRUE(WaitMapState(shadow, IsViewable));
    ShowWindow(m_hwnd, SW_MINIMIZE);
    ShowWindow(m_hwnd, SW_RESTORE);
    // Wait until the manager has dealt with both requests, whatever their order was.
    ASSERT_TRUE(PumpUntil(
        [&] { return WmState(m_hwnd) == NormalState && MapState(m_hwnd) == IsViewable; }));
    PumpFor(200);
    EXPECT_FALSE(IsIconic(m_hwnd));
    EXPECT_EQ(MapState(m_hwnd), IsViewable) << "the late iconify won over the restore";
    EXPECT_EQ(MapState(shadow), IsViewable) << "the shadow did not come back";
}

}  // namespace x11test
