// The input part: capture through each press, references of a removed control, a window closed by
// focus handlers.
#include <gtest/gtest.h>

#include "tests/ui/window/EventFixture.h"

namespace {

using eventtest::CEventWindow;
using eventtest::Log;

const char* const kRow = R"(<Window size="300,200"><HorizontalLayout name="root">
    <Probe name="a" width="100" tabstop="1"/><Probe name="b" width="100"/>
    <Probe name="c" tabstop="1"/></HorizontalLayout></Window>)";

// Which presses take the capture and which control counts as pressed.
TEST(HostInputTest, CaptureAndPressedThroughEachButtonMessage) {
    struct Case {
        UINT uMsg;
        bool bCaptured;
        const char* pstrPressed;  // null: none
    };
    const Case cases[] = {
        {WM_LBUTTONDOWN, true, "a"},
        {WM_LBUTTONDBLCLK, true, "a"},
        {WM_RBUTTONDOWN, false, "a"},
        {WM_LBUTTONUP, false, nullptr},
    };
    for (const Case& c : cases) {
        CEventWindow w(kRow);
        w.Move(50, 50);
        w.Send(c.uMsg, 0, MAKELPARAM(50, 50));
        EXPECT_EQ(w.Host().IsCaptured(), c.bCaptured) << c.uMsg;
        EXPECT_EQ(GetCapture() == w.Hwnd(), c.bCaptured) << c.uMsg;
        Orvik::CControlUI* pExpected = c.pstrPressed ? w.Probe(c.pstrPressed) : nullptr;
        EXPECT_EQ(w.Host().GetPressed(), pExpected) << c.uMsg;
        // A release always gives the capture back.
        w.Up(50, 50);
        EXPECT_FALSE(w.Host().IsCaptured()) << c.uMsg;
        EXPECT_EQ(GetCapture(), nullptr) << c.uMsg;
    }
}

// A pointer point stopped by a filter is still recorded, in client
// coordinates; the wheel and the context menu report screen coordinates.
class CStopAll : public Orvik::IMessageFilterUI {
public:
    LRESULT FilterMessage(UINT, WPARAM, LPARAM, bool& bHandled) override {
        bHandled = true;
        return 0;
    }
};

TEST(HostInputTest, AFilteredMessageStillMovesTheMousePoint) {
    struct Case {
        UINT uMsg;
        int x, y;  // as the message carries it
        int xAfter, yAfter;
    };
    // The window's client area starts at (100, 100) on the screen.
    const Case cases[] = {
        {WM_MOUSEMOVE, 30, 40, 30, 40},    {WM_LBUTTONUP, 31, 41, 31, 41},
        {WM_MOUSEWHEEL, 150, 160, 50, 60}, {WM_CONTEXTMENU, 170, 180, 70, 80},
        {WM_RBUTTONDOWN, 5, 5, 70, 80},  // not a point it records
    };
    CStopAll filter;
    CEventWindow w(kRow);
    w.Host().AddMessageFilter(&filter);
    for (const Case& c : cases) {
        LRESULT lRes = 0;
        EXPECT_TRUE(w.Host().MessageHandler(c.uMsg, 0, MAKELPARAM(c.x, c.y), lRes));
        EXPECT_EQ(w.Host().GetMousePos().x, c.xAfter) << c.uMsg;
        EXPECT_EQ(w.Host().GetMousePos().y, c.yAfter) << c.uMsg;
    }
    w.Host().RemoveMessageFilter(&filter);
}

// Focus, hover, pressed and key target all let go of a removed control, so
// no later message reaches it.
TEST(HostInputTest, ARemovedControlIsForgottenByEveryInputState) {
    CEventWindow w(kRow);
    auto* root = static_cast<Orvik::CContainerUI*>(w.Host().GetRoot());
    root->SetDelayedDestroy(false);
    eventtest::CProbeUI* a = w.Probe("a");
    w.Host().AddMouseLeaveListener(a);
    w.Move(50, 50);
    w.Down(50, 50);
    w.Host().SetFocus(a);
    w.Send(WM_KEYDOWN, 'K', 0);
    ASSERT_EQ(w.Host().GetFocus(), a);
    ASSERT_EQ(w.Host().GetHover(), a);
    ASSERT_EQ(w.Host().GetPressed(), a);
    root->Remove(a);
    EXPECT_EQ(w.Host().GetFocus(), nullptr);
    EXPECT_EQ(w.Host().GetHover(), nullptr);
    EXPECT_EQ(w.Host().GetPressed(), nullptr);
    Log().clear();
    w.Send(WM_KEYUP, 'K', 0);
    w.Up(50, 50);
    w.Move(150, 50);  // a leave would go to the listener first
    EXPECT_TRUE(CEventWindow::Only("a:").empty());
}

// The window closing while its focus control says farewell: the close ends
// there instead of reading the freed host.
TEST(HostInputTest, CloseWhenAFocusHandlerDestroysTheWindow) {
    auto* w = new CEventWindow(kRow);
    HWND hWnd = w->Hwnd();
    w->Host().SetFocus(w->Probe("a"));
    ASSERT_EQ(w->Host().GetFocus(), w->Probe("a"));
    w->Probe("a")->Hook(Orvik::UIEVENT_KILLFOCUS, [hWnd] { DestroyWindow(hWnd); });
    SendMessageA(hWnd, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(hWnd));
    delete w;
}

// Forward and backward steps through the tab stops, wrapping at both ends.
TEST(HostInputTest, TabStepsFromEachFocus) {
    struct Case {
        const char* pstrFrom;  // null: no focus
        bool bForward;
        const char* pstrTo;
    };
    const Case cases[] = {
        {nullptr, true, "a"}, {"a", true, "c"},  {"c", true, "a"},
        {"a", false, "c"},    {"c", false, "a"},
    };
    CEventWindow w(kRow);
    for (const Case& c : cases) {
        w.Host().SetFocus(c.pstrFrom != nullptr ? w.Probe(c.pstrFrom) : nullptr);
        w.Host().SetNextTabControl(c.bForward);
        EXPECT_EQ(w.Host().GetFocus(), w.Probe(c.pstrTo))
            << (c.pstrFrom ? c.pstrFrom : "-") << c.bForward;
    }
}

}  // namespace
