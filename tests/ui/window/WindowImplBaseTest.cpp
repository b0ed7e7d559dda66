// The skinned window base: hit test, system buttons, default keys, modal runs and centring.
#include <gtest/gtest.h>

#include "platform/backends/headless/headless.h"
#include "platform/kernel.h"
#include "tests/ui/window/FrameFixture.h"

namespace {

using frametest::CreateFrame;
using frametest::CTestFrame;
using frametest::Pump;

const char* const kFrame = R"(<Window size="680,480" sizebox="5,5,5,5" caption="0,0,0,40"
    roundcorner="4,4" mininfo="300,200">
    <VerticalLayout><HorizontalLayout height="40">
      <Probe name="title" type="Label"/><Probe name="minbtn" type="Button" width="20"/>
      <Probe name="maxbtn" type="Button" width="20"/>
      <Probe name="restorebtn" type="Button" width="20" visible="false"/>
      <Probe name="closebtn" type="Button" width="20"/>
    </HorizontalLayout><Probe name="body"/></VerticalLayout></Window>)";

LRESULT HitAt(HWND hWnd, int x, int y) {
    POINT pt = {x, y};
    ClientToScreen(hWnd, &pt);
    return SendMessageA(hWnd, WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y));
}

TEST(WindowImplBaseTest, HitTestOfBordersCornersAndCaption) {
    CTestFrame frame(kFrame);
    HWND hWnd = CreateFrame(frame);
    Pump();
    struct Case {
        int x, y;
        LRESULT expected;
    };
    const Case cases[] = {
        {2, 2, HTTOPLEFT},      {340, 2, HTTOP},      {677, 2, HTTOPRIGHT},
        {2, 240, HTLEFT},       {678, 240, HTRIGHT},  {4, 240, HTLEFT},
        {5, 240, HTCLIENT},     {675, 240, HTCLIENT}, {676, 240, HTRIGHT},
        {2, 477, HTBOTTOMLEFT}, {340, 478, HTBOTTOM}, {678, 478, HTBOTTOMRIGHT},
        {340, 475, HTCLIENT},   {340, 476, HTBOTTOM}, {340, 4, HTTOP},
        {340, 5, HTCAPTION},    {340, 39, HTCAPTION}, {340, 40, HTCLIENT},
        {340, 200, HTCLIENT},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HitAt(hWnd, c.x, c.y), c.expected) << c.x << "," << c.y;
    // The caption's buttons take clicks, at y 39 too.
    for (const char* pstrButton : {"minbtn", "maxbtn", "closebtn"}) {
        const RECT& rc = frame.Host().FindControlByName(pstrButton)->GetBounds();
        EXPECT_EQ(HitAt(hWnd, (rc.left + rc.right) / 2, 39), HTCLIENT) << pstrButton;
    }
    const RECT& rcMin = frame.Host().FindControlByName("minbtn")->GetBounds();
    EXPECT_EQ(HitAt(hWnd, rcMin.left - 1, 39), HTCAPTION);  // the label beside it
    DestroyWindow(hWnd);
}

TEST(WindowImplBaseTest, MaximisedHasNoBordersAndButtonsSwap) {
    CTestFrame frame(kFrame);
    HWND hWnd = CreateFrame(frame);
    Pump();
    Orvik::CWindowHostUI& host = frame.Host();
    host.SendNotify(host.FindControlByName("maxbtn"), "click");
    Pump();
    ASSERT_TRUE(IsZoomed(hWnd));
    EXPECT_FALSE(host.FindControlByName("maxbtn")->IsVisible());
    EXPECT_TRUE(host.FindControlByName("restorebtn")->IsVisible());
    EXPECT_EQ(HitAt(hWnd, 2, 2), HTCAPTION);
    EXPECT_EQ(HitAt(hWnd, 340, 2), HTCAPTION);
    EXPECT_EQ(HitAt(hWnd, 678, 240), HTCLIENT);
    host.SendNotify(host.FindControlByName("restorebtn"), "click");
    Pump();
    EXPECT_FALSE(IsZoomed(hWnd));
    EXPECT_TRUE(host.FindControlByName("maxbtn")->IsVisible());
    EXPECT_FALSE(host.FindControlByName("restorebtn")->IsVisible());
    host.SendNotify(host.FindControlByName("minbtn"), "click");
    EXPECT_TRUE(IsIconic(hWnd));
    DestroyWindow(hWnd);
}

TEST(WindowImplBaseTest, CreationDropsTheCaptionAndShowsTheTitle) {
    CTestFrame frame(kFrame);
    HWND hWnd = CreateFrame(frame);
    LONG_PTR lStyle = GetWindowLongPtrA(hWnd, GWL_STYLE);
    EXPECT_EQ(lStyle & WS_CAPTION, 0);
    EXPECT_EQ(lStyle & (WS_CLIPSIBLINGS | WS_CLIPCHILDREN), WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
    EXPECT_STREQ(frame.Host().FindControlByName("title")->GetText(), "Frame title");
    HRGN hRgn = CreateRectRgn(0, 0, 0, 0);
    EXPECT_NE(GetWindowRgn(hWnd, hRgn), ERROR);  // rounded on size
    DeleteObject(hRgn);
    MINMAXINFO info = {};
    SendMessageA(hWnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, 300);
    EXPECT_EQ(info.ptMinTrackSize.y, 200);
    EXPECT_GT(info.ptMaxTrackSize.x, 0);
    EXPECT_EQ(SendMessageA(hWnd, WM_NCPAINT, 0, 0), 0);
    DestroyWindow(hWnd);
    EXPECT_TRUE(frame.m_bFinal);
    EXPECT_EQ(frame.GetHWND(), nullptr);
    EXPECT_EQ(frame.Host().GetRoot(), nullptr);  // the tree went with the window
    EXPECT_EQ(frame.Host().FindControlByName("title"), nullptr);
}

TEST(WindowImplBaseTest, ShowModalReturnsTheCloseCode) {
    struct Case {
        UINT msg;
        WPARAM wParam;
        UINT expected;
    };
    const Case cases[] = {{WM_USER, 1, 1}, {WM_USER, 2, 2}, {WM_SYSCOMMAND, SC_CLOSE, 0}};
    for (const Case& c : cases) {
        CTestFrame owner(kFrame);
        HWND hOwner = CreateFrame(owner);
        CTestFrame frame(kFrame);
        HWND hWnd = CreateFrame(frame, hOwner);
        PostMessageA(hWnd, c.msg, c.wParam, 0);
        EXPECT_EQ(frame.ShowModal(), c.expected) << c.wParam;
        EXPECT_FALSE(IsWindow(hWnd));
        EXPECT_TRUE(IsWindowEnabled(hOwner));
        if (c.msg == WM_USER) {
            EXPECT_EQ(frame.m_hOwnerSeen, hOwner);
            EXPECT_FALSE(frame.m_bOwnerEnabledInside);  // disabled while modal
        }
        DestroyWindow(hOwner);
    }
}

TEST(WindowImplBaseTest, AQuitDuringAModalLoopEndsItAndIsPostedAgain) {
    CTestFrame owner(kFrame);
    HWND hOwner = CreateFrame(owner);
    CTestFrame frame(kFrame);
    HWND hWnd = CreateFrame(frame, hOwner);
    PostQuitMessage(7);
    EXPECT_EQ(frame.ShowModal(), 0u);
    EXPECT_TRUE(IsWindow(hWnd));
    EXPECT_TRUE(IsWindowEnabled(hOwner));
    MSG msg = {};
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 7u);
    DestroyWindow(hWnd);
    DestroyWindow(hOwner);
}

TEST(WindowImplBaseTest, EscapeClosesWithTwoAndEnterDoesNothing) {
    CTestFrame frame(kFrame);
    HWND hWnd = CreateFrame(frame);
    SetFocus(hWnd);
    platform::headless::PressKey(VK_RETURN);
    platform::headless::ReleaseKey(VK_RETURN);
    Pump();
    EXPECT_TRUE(IsWindow(hWnd));
    PostMessageA(hWnd, WM_USER, 0, 0);  // served after Enter: the window still runs
    platform::headless::PressKey(VK_ESCAPE);
    platform::headless::ReleaseKey(VK_ESCAPE);
    EXPECT_EQ(frame.ShowModal(), 2u);
    EXPECT_EQ(frame.m_nCustom, 1);
}

// Shift held only around the Tab, all typed before the window reads any of it (as
// a fast typist over a slow link, or XTest, delivers it): the Tab still goes back.
TEST(WindowImplBaseTest, ATabTypedInOneBurstMovesAsTheShiftWasThen) {
    const char* const kStops = R"(<Window size="300,100"><HorizontalLayout>
        <Probe name="a" width="100" tabstop="1"/><Probe name="b" width="100" tabstop="1"/>
        <Probe name="c" tabstop="1"/></HorizontalLayout></Window>)";
    struct Case {
        bool shift;
        const char* expected;
    };
    for (const Case& c : {Case{true, "a"}, Case{false, "c"}}) {
        CTestFrame frame(kStops);
        HWND hWnd = CreateFrame(frame);
        SetFocus(hWnd);
        Pump();
        frame.Host().SetFocus(frame.Host().FindControlByName("b"), false);
        if (c.shift)
            platform::headless::PressKey(VK_SHIFT);
        platform::headless::PressKey(VK_TAB);
        if (c.shift)
            platform::headless::ReleaseKey(VK_SHIFT);
        platform::headless::ReleaseKey(VK_TAB);
        Pump();
        ASSERT_NE(frame.Host().GetFocus(), nullptr);
        EXPECT_STREQ(frame.Host().GetFocus()->GetName(), c.expected) << "shift " << c.shift;
        DestroyWindow(hWnd);
    }
}

TEST(WindowImplBaseTest, CloseButtonClosesWithTwo) {
    CTestFrame frame(kFrame);
    HWND hWnd = CreateFrame(frame);
    Pump();
    frame.Host().SendNotify(frame.Host().FindControlByName("closebtn"), "click", 0, 0, true);
    EXPECT_EQ(frame.ShowModal(), 2u);
    EXPECT_FALSE(IsWindow(hWnd));
}

// A click whose handler runs a modal box, under which the window manager closes the
// window: the clicked control and the window object outlive the handler, and the
// window's final message comes once the click has returned.
TEST(WindowImplBaseTest, AWindowClosedUnderAModalLoopOfItsOwnClickEndsAfterTheClick) {
    CTestFrame frame(kFrame);
    HWND hWnd = CreateFrame(frame);
    Pump();
    auto* body = static_cast<eventtest::CProbeUI*>(frame.Host().FindControlByName("body"));
    ASSERT_NE(body, nullptr);
    bool bBodyGone = false;
    body->OnDestroy.Add(Orvik::CDelegateStatic(&bBodyGone, [](void* p, void*) {
        *static_cast<bool*>(p) = true;
        return true;
    }));
    struct Inside {
        bool bFinal = true, bBodyGone = true, bBoxFinal = false;
        UINT nBoxResult = 99;
    } inside;
    body->Hook(Orvik::UIEVENT_BUTTONUP, [pInside = &inside, pFrame = &frame, &bBodyGone, hWnd] {
        // Kept on the stack: a faulty base frees this hook with the tree.
        Inside* pSeen = pInside;
        CTestFrame* pOwner = pFrame;
        bool* pbGone = &bBodyGone;
        CTestFrame box(kFrame);
        CreateFrame(box, hWnd);
        PostMessageA(hWnd, WM_SYSCOMMAND, SC_CLOSE, 0);  // what a manager's close request becomes
        pSeen->nBoxResult = box.ShowModal();
        pSeen->bBoxFinal = box.m_bFinal;
        pSeen->bFinal = pOwner->m_bFinal;
        pSeen->bBodyGone = *pbGone;
    });
    const Orvik::CUIRect& rc = body->GetBounds();
    LPARAM lPoint = MAKELPARAM((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    SendMessageA(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, lPoint);
    SendMessageA(hWnd, WM_LBUTTONUP, 0, lPoint);
    EXPECT_EQ(inside.nBoxResult, 0u);
    EXPECT_TRUE(inside.bBoxFinal);  // the box went with its owner
    EXPECT_FALSE(inside.bFinal);
    EXPECT_FALSE(inside.bBodyGone);
    EXPECT_FALSE(IsWindow(hWnd));
    EXPECT_TRUE(frame.m_bFinal);
    EXPECT_TRUE(bBodyGone);
    EXPECT_EQ(frame.Host().GetRoot(), nullptr);
}

TEST(WindowImplBaseDeathTest, ASkinThatCannotBeBuiltIsToldAndEndsTheProgram) {
    // The headless backend shows a message box on standard error, in UTF-8.
    const std::string strShown = "Orvik: " + platform::AnsiToUtf8("加载资源文件失败");
    EXPECT_EXIT(
        {
            CTestFrame frame("no-such-skin.xml");
            frame.Create(nullptr, "Frame title", WS_POPUP, 0, 0, 0, 100, 100);
        },
        testing::ExitedWithCode(1), strShown);
}

TEST(WindowImplBaseTest, CenterWindowOverTheOwnerOrTheWorkArea) {
    struct Case {
        RECT owner;  // empty: no owner
        POINT expected;
    };
    MONITORINFO mi = {sizeof(mi), {0, 0, 0, 0}, {0, 0, 0, 0}, 0};
    GetMonitorInfoA(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &mi);
    const RECT& work = mi.rcWork;
    const Case cases[] = {
        {{100, 100, 500, 400}, {200, 200}},
        {{0, 0, 0, 0}, {(work.left + work.right) / 2 - 100, (work.top + work.bottom) / 2 - 50}},
        {{-300, -200, 100, 100}, {work.left, work.top}},  // pushed inside
        {{work.right - 100, work.bottom - 50, work.right + 300, work.bottom + 150},
         {work.right - 200, work.bottom - 100}},
    };
    for (const Case& c : cases) {
        CTestFrame owner(R"(<Window><Control/></Window>)");
        HWND hOwner = nullptr;
        if (c.owner.right > c.owner.left)
            hOwner = CreateFrame(owner, nullptr, c.owner.left, c.owner.top,
                                 c.owner.right - c.owner.left, c.owner.bottom - c.owner.top);
        CTestFrame frame(R"(<Window><Control/></Window>)");
        HWND hWnd = CreateFrame(frame, hOwner, 5, 5, 200, 100);
        frame.CenterWindow();
        RECT rc = {0, 0, 0, 0};
        GetWindowRect(hWnd, &rc);
        EXPECT_EQ(rc.left, c.expected.x) << c.owner.left;
        EXPECT_EQ(rc.top, c.expected.y) << c.owner.left;
        EXPECT_EQ(rc.right - rc.left, 200);
        DestroyWindow(hWnd);
        if (hOwner != nullptr)
            DestroyWindow(hOwner);
    }
}

// A window whose class copies an existing one; its object lives in a property.
class CSuperWnd : public Orvik::CWindowWnd {
public:
    explicit CSuperWnd(const char* pstrBase) : m_pstrBase(pstrBase) {}
    bool m_bFinal = false;

protected:
    const char* WindowClassName() const override { return "OrvikSuperTest"; }
    const char* SuperClassName() const override { return m_pstrBase; }
    void OnFinalMessage(HWND) override { m_bFinal = true; }

private:
    const char* m_pstrBase;
};

TEST(WindowWndTest, SuperclassKeepsTheObjectInAProperty) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = DefWindowProcA;
    wc.lpszClassName = "OrvikSuperBase";
    RegisterClassExA(&wc);
    CSuperWnd missing("NoSuchBaseClass");
    EXPECT_EQ(missing.Create(nullptr, "", WS_POPUP, 0, 0, 0, 10, 10), nullptr);
    CSuperWnd wnd("OrvikSuperBase");
    HWND hWnd = wnd.Create(nullptr, "", WS_POPUP, 0, 0, 0, 10, 10);
    ASSERT_NE(hWnd, nullptr);
    EXPECT_EQ(GetPropA(hWnd, "WndX"), &wnd);
    EXPECT_EQ(GetWindowLongPtrA(hWnd, GWLP_USERDATA), 0);
    CSuperWnd second("OrvikSuperBase");  // the class exists already: still fine
    HWND hSecond = second.Create(nullptr, "", WS_POPUP, 0, 0, 0, 10, 10);
    EXPECT_NE(hSecond, nullptr);
    DestroyWindow(hWnd);
    DestroyWindow(hSecond);
    EXPECT_TRUE(wnd.m_bFinal);
    EXPECT_EQ(wnd.GetHWND(), nullptr);
}

}  // namespace
