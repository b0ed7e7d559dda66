// The host's binding and tree: renaming, a second root, a second Init and reflected child messages.
#include <gtest/gtest.h>

#include "tests/ui/window/EventFixture.h"

namespace {

using eventtest::CEventWindow;
using eventtest::Log;

const char* const kPair = R"(<Window><HorizontalLayout name="root">
    <Probe name="a" width="100"/><Probe name="b"/></HorizontalLayout></Window>)";

TEST(WindowHostTreeTest, RenameOnlyControlsOfThisHost) {
    CEventWindow w(kPair);
    CEventWindow other(R"(<Window><Probe name="x"/></Window>)");
    Orvik::CControlUI* a = w.Probe("a");
    Orvik::CControlUI* x = other.Probe("x");
    struct Case {
        Orvik::CControlUI* pControl;
        const char* pstrName;
        bool bResult;
        const char* pstrNameAfter;
    };
    const Case cases[] = {
        {x, "x2", false, "x"},                        // belongs to the other window
        {a, "", false, "a"},   {a, "b", false, "a"},  // taken
        {a, "a", true, "a"},   {a, "a2", true, "a2"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(w.Host().RenameControl(c.pControl, c.pstrName), c.bResult) << c.pstrName;
        EXPECT_STREQ(c.pControl->GetName(), c.pstrNameAfter) << c.pstrName;
    }
    EXPECT_EQ(w.Host().FindControlByName("x2"), nullptr);
    EXPECT_EQ(w.Host().FindControlByName("a2"), a);
    EXPECT_EQ(w.Host().FindControlByName("a"), nullptr);
    EXPECT_EQ(other.Host().FindControlByName("x"), x);
}

// What the old tree queued must not reach the notifiers once a new tree is in.
TEST(WindowHostTreeTest, ANewRootDropsTheOldTreesQueuedNotifications) {
    CEventWindow w(kPair);
    w.Host().SendNotify(w.Probe("a"), "late", 0, 0, true);
    ASSERT_EQ(w.Host().GetPendingNotifyCount(), 1);
    Orvik::CSkinBuilder builder;
    eventtest::CProbeFactory factory;
    w.Host().AttachRoot(builder.Create(kPair, nullptr, &factory, &w.Host()));
    EXPECT_EQ(w.Host().GetPendingNotifyCount(), 0);
    w.Pump();
    EXPECT_TRUE(CEventWindow::Only("notify late").empty());
}

TEST(WindowHostTreeTest, ASecondInitRemovesTheWindowsTimers) {
    CEventWindow w(kPair);
    Orvik::CControlUI* a = w.Probe("a");          // Init empties the name index too
    ASSERT_TRUE(w.Host().SetTimer(a, 5, 60000));  // native id 17
    w.Host().Init(w.Hwnd());
    Log().clear();
    w.Send(WM_TIMER, 17, 0);
    EXPECT_TRUE(Log().empty());
    EXPECT_TRUE(w.Host().SetTimer(a, 5, 60000));  // no record left to refuse it
    w.Host().RemoveAllTimers();
}

// A native child that answers its reflected messages with their number plus one.
LRESULT CALLBACK ReflectTarget(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (uMsg >= 0x2000 && uMsg < 0x3000) {
        Log().push_back("child " + std::to_string(uMsg) + " " + std::to_string(wParam));
        return uMsg + 1;
    }
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

TEST(WindowHostTreeTest, ChildMessagesAreReflectedToTheChild) {
    CEventWindow w(kPair);
    static bool s_registered = [] {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = ReflectTarget;
        wc.lpszClassName = "OrvikReflectTarget";
        return RegisterClassExA(&wc) != 0;
    }();
    ASSERT_TRUE(s_registered);
    HWND hChild = CreateWindowExA(0, "OrvikReflectTarget", "", WS_CHILD, 0, 0, 10, 10, w.Hwnd(),
                                  nullptr, nullptr, nullptr);
    ASSERT_NE(hChild, nullptr);
    // The notification header as native children send it: sender, id, code.
    struct {
        HWND hwndFrom;
        UINT_PTR idFrom;
        UINT code;
    } header = {hChild, 7, 0};
    struct Case {
        UINT uMsg;
        LPARAM lParam;
        bool bHandled;
        LRESULT lResult;
        const char* pstrChild;
    };
    const Case cases[] = {
        {WM_NOTIFY, reinterpret_cast<LPARAM>(&header), true, 0x204F, "child 8270 3"},
        {WM_NOTIFY, 0, true, 0, nullptr},
        {WM_COMMAND, reinterpret_cast<LPARAM>(hChild), true, 0x2112, "child 8465 3"},
        {WM_COMMAND, 0, false, 0, nullptr},
    };
    for (const Case& c : cases) {
        Log().clear();
        LRESULT lRes = -1;
        EXPECT_EQ(w.Host().MessageHandler(c.uMsg, 3, c.lParam, lRes), c.bHandled) << c.uMsg;
        EXPECT_EQ(lRes, c.lResult) << c.uMsg;
        std::vector<std::string> expected;
        if (c.pstrChild != nullptr)
            expected.push_back(c.pstrChild);
        EXPECT_EQ(Log(), expected) << c.uMsg;
    }
    DestroyWindow(hChild);
}

}  // namespace
