// A control's tooltip on a real X server: the pointer rests on it through XTest, the tip window
// becomes viewable with its text drawn inside the work area, and goes when the pointer leaves.
#include "X11Fixture.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <thread>

#include "platform/kernel.h"
#include "ui/controls/ControlUI.h"
#include "ui/window/WindowHostUI.h"
#include "ui/windowbase/WindowImplBase.h"

namespace x11test {

namespace {

// Two buttons with tips; the window is placed so that one sits near the screen's bottom edge.
const char* const TIP_SKIN = R"(<Window size="200,120">
  <Font id="0" name="Sans" size="12" default="true"/>
  <VerticalLayout bkcolor="#FF1D202A" inset="8,8,8,8">
    <Button name="top" height="40" bkcolor="#FF306090" tooltip="Top tip"/>
    <Control/>
    <Button name="bottom" height="40" bkcolor="#FF902040" tooltip="Bottom tip text"/>
  </VerticalLayout>
</Window>)";

class CTipFrame : public Orvik::WindowImplBase {
protected:
    const char* WindowClassName() const override { return "LumoraTipX11Test"; }
    Orvik::CUIString SkinFolder() override { return Orvik::CUIString(""); }
    Orvik::CUIString SkinFile() override { return Orvik::CUIString(TIP_SKIN); }
};

void ServeQueue() {
    MSG msg;
    for (int i = 0; i < 1000 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
        if (Orvik::CWindowHostUI::PreTranslateMessage(&msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

BOOL CALLBACK NoteTip(HWND hwnd, LPARAM lParam) {
    char name[64] = {};
    GetClassNameA(hwnd, name, sizeof name);
    if (std::strcmp(name, TOOLTIPS_CLASSA) == 0)
        *reinterpret_cast<HWND*>(lParam) = hwnd;
    return TRUE;
}

HWND FindTip() {
    HWND tip = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), NoteTip, reinterpret_cast<LPARAM>(&tip));
    return tip;
}

bool TipShown() {
    HWND tip = FindTip();
    return tip != nullptr && IsWindowVisible(tip);
}

// Sleeps in GetMessage as a program's loop does, until the core shows the tip; true when the
// tip came before a watchdog thread had to wake the loop. A timer would not do: its deadline
// alone would wake the sleeper.
bool SleepUntilTipShows(HWND hwnd, int timeoutMs) {
    std::mutex lock;
    std::condition_variable done;
    bool finished = false;
    std::atomic<bool> woken{false};
    std::thread watchdog([&] {
        std::unique_lock<std::mutex> guard(lock);
        if (!done.wait_for(guard, std::chrono::milliseconds(timeoutMs), [&] { return finished; })) {
            woken = true;
            PostMessageA(hwnd, WM_NULL, 0, 0);
        }
    });
    MSG msg;
    while (!TipShown() && !woken && GetMessageA(&msg, nullptr, 0, 0)) {
        if (Orvik::CWindowHostUI::PreTranslateMessage(&msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    {
        std::lock_guard<std::mutex> guard(lock);
        finished = true;
    }
    done.notify_one();
    watchdog.join();
    return TipShown() && !woken;
}

bool Inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

}  // namespace

class ToolTipTest : public X11Test {
protected:
    void TearDown() override {
        if (m_hWnd != nullptr && IsWindow(m_hWnd))
            DestroyWindow(m_hWnd);
        ServeQueue();
        m_frame.reset();
        X11Test::TearDown();
    }
    bool Serve(const std::function<bool()>& check, int timeoutMs = WAIT_MS) {
        return WaitFor(
            [&] {
                ServeQueue();
                XSync(m_observer, False);
                return check();
            },
            timeoutMs);
    }
    void Open(int x, int y) {
        MovePointer(0, 0);
        m_frame = std::make_unique<CTipFrame>();
        m_hWnd = m_frame->Create(nullptr, "tip test", WS_POPUP, 0, x, y, 200, 120);
        ASSERT_NE(m_hWnd, nullptr);
        m_frame->Show(true, true);
        ASSERT_TRUE(Serve([&] { return Attributes(m_hWnd).map_state == IsViewable; }));
        Serve([] { return false; }, 200);  // the manager may still be placing it
    }
    POINT Centre(const char* name) {
        Orvik::CControlUI* control = m_frame->Host().FindControlByName(name);
        EXPECT_NE(control, nullptr) << name;
        if (control == nullptr)
            return POINT{0, 0};
        const RECT& rc = control->GetBounds();
        RECT server = ServerRect(m_hWnd);
        return POINT{server.left + (rc.left + rc.right) / 2, server.top + (rc.top + rc.bottom) / 2};
    }
    bool TipViewable() {
        HWND tip = FindTip();
        return tip != nullptr && Xid(tip) != None && Attributes(tip).map_state == IsViewable;
    }
    // Dark pixels on the tip's light background: its text as the server shows it.
    int TextPixels(HWND tip) {
        XWindowAttributes attrs = Attributes(tip);
        XImage* image = XGetImage(m_observer, Xid(tip), 0, 0, unsigned(attrs.width),
                                  unsigned(attrs.height), AllPlanes, ZPixmap);
        if (image == nullptr)
            return 0;
        int dark = 0;
        for (int y = 2; y < attrs.height - 2; ++y)
            for (int x = 2; x < attrs.width - 2; ++x) {
                unsigned long p = XGetPixel(image, x, y);
                dark += ((p >> 16) & 0xff) + ((p >> 8) & 0xff) + (p & 0xff) < 3 * 96 ? 1 : 0;
            }
        XDestroyImage(image);
        return dark;
    }
    // Rests on the named control: its tip shows with text, inside the work area, and hides again
    // once the pointer leaves the window.
    void ExpectTipOn(const char* name) {
        POINT at = Centre(name);
        MovePointer(at.x, at.y);
        ASSERT_TRUE(SleepUntilTipShows(m_hWnd, WAIT_MS))
            << name << ": the resting pointer shows no tip";
        ASSERT_TRUE(Serve([&] { return TipViewable(); }))
            << name << ": no tip on the server (tip " << FindTip() << ", visible "
            << (FindTip() != nullptr && IsWindowVisible(FindTip())) << ")";
        HWND tip = FindTip();
        EXPECT_TRUE(Serve([&] { return TextPixels(tip) > 20; })) << name << ": tip without text";
        MONITORINFO info{sizeof info, {}, {}, 0};
        ASSERT_TRUE(GetMonitorInfoA(MonitorFromPoint(at, MONITOR_DEFAULTTONEAREST), &info));
        RECT rc = ServerRect(tip);
        EXPECT_TRUE(Inside(rc, info.rcWork))
            << name << ": tip at " << rc.left << "," << rc.top << "-" << rc.right << ","
            << rc.bottom << " off the work area";
        MovePointer(5, 5);
        EXPECT_TRUE(Serve([&] { return !TipViewable(); })) << name << ": tip stays";
    }

    std::unique_ptr<CTipFrame> m_frame;
    HWND m_hWnd = nullptr;
};

TEST_F(ToolTipTest, TipShowsOnRestAndHidesOnLeave) {
    Open(300, 200);
    ExpectTipOn("top");
    ExpectTipOn("bottom");  // a second tip after the first hid
}

TEST_F(ToolTipTest, TipNearTheScreenEdgeStaysInTheWorkArea) {
    StartWindowManager();
    Open(1280 - 200, 800 - 120);
    ExpectTipOn("bottom");
}

}  // namespace x11test
