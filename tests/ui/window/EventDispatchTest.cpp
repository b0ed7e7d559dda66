// Pointer, keyboard, focus and close messages reaching controls through a window's host.
#include <gtest/gtest.h>

#include "tests/ui/window/EventFixture.h"

namespace {

using eventtest::CEventWindow;
using eventtest::Log;

// Three 100-wide probes side by side; a and c are tab stops, b is not.
const char* const kRow = R"(<Window size="300,200"><HorizontalLayout name="root">
    <Probe name="a" width="100" tabstop="1"/><Probe name="b" width="100"/>
    <Probe name="c" tabstop="1"/></HorizontalLayout></Window>)";

std::vector<std::string> Lines(std::initializer_list<const char*> lines) {
    return std::vector<std::string>(lines.begin(), lines.end());
}

TEST(EventDispatchTest, PressMoveOutAndReleaseStaysWithThePressedControl) {
    CEventWindow w(kRow);
    w.Point(50, 50);
    w.Press();
    w.Point(150, 50);  // over b, captured: no enter or leave
    w.Release();
    EXPECT_EQ(Log(), Lines({"a:11", "a:9", "a:13", "a:9", "a:14"}));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_FALSE(w.Host().IsCaptured());
    EXPECT_EQ(w.Host().GetPressed(), nullptr);
    EXPECT_EQ(w.Host().GetHover(), w.Probe("a"));
    Log().clear();
    w.Point(151, 50);  // released: hover follows again
    EXPECT_EQ(Log(), Lines({"a:10", "b:11", "b:9"}));
}

TEST(EventDispatchTest, HoverLeaveGoesToListenersFirst) {
    CEventWindow w(kRow);
    w.Host().AddMouseLeaveListener(w.Probe("c"));
    w.Host().AddMouseLeaveListener(w.Probe("c"));  // once only
    w.Move(50, 50);
    Log().clear();
    w.Move(150, 50);
    EXPECT_EQ(Log(), Lines({"c:10", "a:10", "b:11", "b:9"}));
    Log().clear();
    w.Move(-1, -1);  // off every control
    EXPECT_EQ(Log(), Lines({"c:10", "b:10"}));
    EXPECT_EQ(w.Host().GetHover(), nullptr);
}

TEST(EventDispatchTest, ButtonEventsCarryTheMessageKeyStateAndPoint) {
    CEventWindow w(kRow);
    SetFocus(w.Hwnd());
    w.Point(250, 20);
    w.KeyDown(VK_SHIFT);
    w.Press();
    w.KeyUp(VK_SHIFT);
    eventtest::CProbeUI* c = w.Probe("c");
    EXPECT_EQ(c->m_lastEvent.kind, Orvik::UIEVENT_BUTTONDOWN);
    EXPECT_EQ(c->m_lastEvent.keyState, MK_LBUTTON | MK_SHIFT);
    EXPECT_EQ(c->m_lastEvent.mousePoint.x, 250);
    EXPECT_EQ(c->m_lastEvent.mousePoint.y, 20);
    EXPECT_EQ(w.Host().GetFocus(), c);  // pressing focuses
    EXPECT_EQ(GetCapture(), w.Hwnd());
    w.Release();
}

TEST(EventDispatchTest, DoubleClickAndRightButtonPress) {
    CEventWindow w(kRow);
    w.Point(150, 50);
    w.Press();
    w.Release();
    w.Press();  // the second press soon after is the double click
    EXPECT_EQ(w.Probe("b")->Last(Orvik::UIEVENT_DBLCLICK).kind, Orvik::UIEVENT_DBLCLICK);
    EXPECT_EQ(w.Host().GetPressed(), w.Probe("b"));
    EXPECT_TRUE(w.Host().IsCaptured());
    w.Release();
    w.Host().SetFocus(w.Probe("a"));  // the first press focused b
    Log().clear();
    w.Send(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(50, 50));
    EXPECT_EQ(w.Host().GetPressed(), w.Probe("a"));
    EXPECT_FALSE(w.Host().IsCaptured());  // no capture for the right button
    POINT pt = {150, 60};
    ClientToScreen(w.Hwnd(), &pt);
    w.Send(WM_CONTEXTMENU, 0, MAKELPARAM(pt.x, pt.y));
    EXPECT_EQ(Log(), Lines({"a:15", "a:17"}));
    EXPECT_EQ(w.Probe("a")->m_lastEvent.lParam, reinterpret_cast<LPARAM>(w.Probe("a")));
    EXPECT_EQ(w.Host().GetMousePos().x, 150);
    EXPECT_EQ(w.Host().GetPressed(), nullptr);
}

TEST(EventDispatchTest, WheelDirectionAndHoverFollow) {
    CEventWindow w(kRow);
    struct Turn {
        short delta;
        WPARAM expected;
    };
    w.Point(150, 50);
    // Negative deltas turn towards the user. Whole notches come from the
    // wheel itself; partial turns only from a message.
    for (Turn t : {Turn{-WHEEL_DELTA, 1}, Turn{WHEEL_DELTA, 0}, Turn{-1, 1}, Turn{0, 0}}) {
        Log().clear();
        POINT pt = {150, 50};
        ClientToScreen(w.Hwnd(), &pt);
        if (t.delta != 0 && t.delta % WHEEL_DELTA == 0)
            w.Wheel(t.delta / WHEEL_DELTA);
        else
            w.Send(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(t.delta)),
                   MAKELPARAM(pt.x, pt.y));
        EXPECT_EQ(w.Probe("b")->Last(Orvik::UIEVENT_SCROLLWHEEL).wParam, t.expected) << t.delta;
        ASSERT_GE(Log().size(), 2u);
        EXPECT_EQ(Log()[0], "b:18");
        EXPECT_EQ(Log().back(), "b:9");  // the synthetic move after scrolling
        EXPECT_EQ(w.Host().GetHover(), w.Probe("b"));
    }
}

TEST(EventDispatchTest, CloseSaysFarewellToHoverAndPressed) {
    CEventWindow w(kRow);
    w.Point(150, 50);
    w.Press();
    Log().clear();
    w.Send(WM_CLOSE);
    EXPECT_EQ(Log(), Lines({"b:10", "b:14", "b:20", "notify killfocus b 0 0"}));
    EXPECT_FALSE(IsWindow(w.Hwnd()));  // the default answer closed it, and the host with it
}

TEST(EventDispatchTest, KeysGoToFocusAndKeyUpToTheKeyDownControl) {
    CEventWindow w(kRow);
    SetFocus(w.Hwnd());
    w.Host().SetFocus(w.Probe("a"));
    Log().clear();
    platform::headless::PressKey('X', "x");  // the key down and the character it types
    w.Pump();
    w.Host().SetFocus(w.Probe("c"));
    w.KeyUp('X');
    w.Send(WM_KEYUP, 'X');  // nothing holds the key any more
    EXPECT_EQ(Log(), Lines({"a:3", "a:5", "a:20", "notify killfocus a 0 0", "c:21",
                            "notify setfocus c 0 0", "a:4"}));
    EXPECT_EQ(w.Probe("a")->m_lastEvent.keyChar, 'X');
}

TEST(EventDispatchTest, FocusEventsNameTheSuccessorAndSkipHiddenOrDisabled) {
    CEventWindow w(kRow);
    w.Host().SetFocus(w.Probe("a"));
    w.Host().SetFocus(w.Probe("c"));
    EXPECT_EQ(w.Probe("a")->m_lastEvent.kind, Orvik::UIEVENT_KILLFOCUS);
    EXPECT_EQ(w.Probe("a")->m_lastEvent.sender, w.Probe("c"));
    w.Probe("b")->SetEnabled(false);
    w.Host().SetFocus(w.Probe("b"));
    EXPECT_EQ(w.Host().GetFocus(), nullptr);
    w.Probe("a")->SetVisible(false);
    w.Host().SetFocus(w.Probe("a"));
    EXPECT_EQ(w.Host().GetFocus(), nullptr);
}

TEST(EventDispatchTest, TabWrapsBothWays) {
    CEventWindow w(kRow);
    SetFocus(w.Hwnd());
    w.Host().SetFocus(nullptr);
    struct Step {
        bool forward;
        const char* expected;
    };
    const Step steps[] = {{true, "a"}, {true, "c"}, {true, "a"}, {false, "c"}, {false, "a"}};
    for (const Step& step : steps) {
        if (!step.forward)
            w.KeyDown(VK_SHIFT);
        w.KeyDown(VK_TAB);
        w.KeyUp(VK_TAB);
        if (!step.forward)
            w.KeyUp(VK_SHIFT);
        ASSERT_NE(w.Host().GetFocus(), nullptr);
        EXPECT_STREQ(w.Host().GetFocus()->GetName(), step.expected);
    }
    w.Host().SetFocus(nullptr);
    w.Host().SetNextTabControl(false);  // backward with no focus: the last stop
    EXPECT_STREQ(w.Host().GetFocus()->GetName(), "c");
}

TEST(EventDispatchTest, TheFirstLayoutFocusesTheFirstTabStop) {
    CEventWindow w(kRow);
    ASSERT_NE(w.Host().GetFocus(), nullptr);
    EXPECT_STREQ(w.Host().GetFocus()->GetName(), "a");
}

TEST(EventDispatchTest, ShortcutOfALabelSelectsTheControlAfterIt) {
    CEventWindow w(R"(<Window><HorizontalLayout>
        <Probe name="lbl" type="Label" width="50"/><Probe name="edit" width="50"/>
        <Probe name="btn" type="Button"/></HorizontalLayout></Window>)");
    w.Probe("lbl")->SetShortcut('n');
    w.Probe("btn")->SetShortcut('K');
    MSG key = {w.Hwnd(), WM_SYSCHAR, 'N', 0, 0, {0, 0}};
    EXPECT_TRUE(Orvik::CWindowHostUI::PreTranslateMessage(&key));
    EXPECT_EQ(w.Host().GetFocus(), w.Probe("edit"));
    key.wParam = 'k';
    EXPECT_TRUE(Orvik::CWindowHostUI::PreTranslateMessage(&key));
    EXPECT_EQ(w.Host().GetFocus(), w.Probe("btn"));
    key.wParam = 'q';
    EXPECT_FALSE(Orvik::CWindowHostUI::PreTranslateMessage(&key));
}

TEST(EventDispatchTest, NoActivateKeepsTheNativeFocusAway) {
    CEventWindow other(kRow);
    CEventWindow w(R"(<Window noactivate="true"><HorizontalLayout>
        <Probe name="a" tabstop="1"/></HorizontalLayout></Window>)");
    SetFocus(other.Hwnd());
    EXPECT_EQ(w.Send(WM_MOUSEACTIVATE), 3);
    w.Down(10, 10);
    w.Up(10, 10);
    w.Send(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 10));
    w.Send(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(10, 10));
    w.Up(10, 10);
    EXPECT_EQ(GetFocus(), other.Hwnd());
    EXPECT_EQ(other.Send(WM_MOUSEACTIVATE), 1);  // an ordinary window leaves it to the default
}

// Stops every message and counts; pointer messages still move the host's mouse point.
class CStopFilter : public Orvik::IMessageFilterUI {
public:
    LRESULT FilterMessage(UINT uMsg, WPARAM, LPARAM, bool& bHandled) override {
        bHandled = uMsg == WM_LBUTTONDOWN || uMsg == WM_ERASEBKGND;
        return 42;
    }
};

TEST(EventDispatchTest, AMessageFilterEndsProcessing) {
    CEventWindow w(kRow);
    CStopFilter filter;
    EXPECT_TRUE(w.Host().AddMessageFilter(&filter));
    EXPECT_FALSE(w.Host().AddMessageFilter(&filter));
    EXPECT_FALSE(w.Host().AddMessageFilter(nullptr));
    Log().clear();
    LRESULT lRes = 0;
    EXPECT_TRUE(w.Host().MessageHandler(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(120, 30), lRes));
    EXPECT_EQ(lRes, 42);
    EXPECT_TRUE(Log().empty());
    EXPECT_EQ(w.Host().GetMousePos().x, 120);
    EXPECT_EQ(w.Host().GetPressed(), nullptr);
    EXPECT_TRUE(w.Host().RemoveMessageFilter(&filter));
    EXPECT_FALSE(w.Host().RemoveMessageFilter(&filter));
    EXPECT_EQ(w.Send(WM_ERASEBKGND), 1);  // the host's own answer again
}

TEST(EventDispatchTest, MinMaxInfoTakesPositiveValues) {
    CEventWindow w(R"(<Window mininfo="200,0" maxinfo="0,700"><Control/></Window>)");
    MINMAXINFO info = {};
    info.ptMinTrackSize = {1, 2};
    info.ptMaxTrackSize = {3, 4};
    w.Send(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, 200);
    EXPECT_EQ(info.ptMinTrackSize.y, 2);
    EXPECT_EQ(info.ptMaxTrackSize.x, 3);
    EXPECT_EQ(info.ptMaxTrackSize.y, 700);
}

}  // namespace

namespace {

TEST(EventHoverTest, RestingPointerGivesHoverAndTheExpandedToolTip) {
    CEventWindow w(R"(<Window><HorizontalLayout>
        <Probe name="a" width="100" tooltip="tip %{7} end"/><Probe name="b"/>
        </HorizontalLayout></Window>)");
    Orvik::CWindowHostUI::SetLanguageText(7, "seven");
    w.Point(150, 10);
    EXPECT_EQ(w.Probe("b")->Last(Orvik::UIEVENT_MOUSEHOVER).kind, 0);  // the clock stands still
    platform::headless::AdvanceClock(1000);
    w.Pump();
    EXPECT_EQ(w.Probe("b")->Last(Orvik::UIEVENT_MOUSEHOVER).kind, Orvik::UIEVENT_MOUSEHOVER);
    LRESULT lRes = 0;
    EXPECT_TRUE(w.Host().MessageHandler(WM_MOUSEHOVER, 0, MAKELPARAM(150, 10), lRes));  // no tip
    EXPECT_EQ(w.Probe("b")->Last(Orvik::UIEVENT_MOUSEHOVER).kind, Orvik::UIEVENT_MOUSEHOVER);
    EXPECT_TRUE(w.Host().GetToolTipText().IsEmpty());
    w.Move(10, 10);
    EXPECT_TRUE(w.Host().MessageHandler(WM_MOUSEHOVER, 0, MAKELPARAM(10, 10), lRes));
    EXPECT_STREQ(w.Host().GetToolTipText(), "tip seven end");
    EXPECT_FALSE(w.Host().MessageHandler(WM_MOUSEHOVER, 0, MAKELPARAM(500, 500), lRes));
}

TEST(EventHoverTest, LeavingTheWindowEndsTheHover) {
    CEventWindow w(R"(<Window><HorizontalLayout><Probe name="a"/></HorizontalLayout></Window>)");
    w.Move(10, 10);
    ASSERT_EQ(w.Host().GetHover(), w.Probe("a"));
    Log().clear();
    w.Send(WM_MOUSELEAVE);  // the pointer is not over this inactive window
    EXPECT_EQ(Log(), Lines({"a:10"}));
    EXPECT_EQ(w.Host().GetHover(), nullptr);
    EXPECT_TRUE(w.Host().GetToolTipText().IsEmpty());
}

}  // namespace
