// Host timers, notifications at once and queued, and controls or windows that go away mid-delivery.
#include <gtest/gtest.h>

#include "tests/ui/window/EventFixture.h"

namespace {

using eventtest::CEventWindow;
using eventtest::Log;

const char* const kPair = R"(<Window><HorizontalLayout name="root">
    <Probe name="a" width="100"/><Probe name="b"/></HorizontalLayout></Window>)";

// The host's timer events name the control's key, wherever the native id came from.
TEST(EventTimersTest, IdsRunFromSeventeenTo254ThenWrapToZero) {
    CEventWindow w(kPair);
    Orvik::CControlUI* a = w.Probe("a");
    for (UINT key = 0; key < 241; ++key)
        ASSERT_TRUE(w.Host().SetTimer(a, key, 60000)) << key;
    struct Expect {
        UINT nativeId;
        UINT key;
    };
    for (Expect e : {Expect{17, 0}, Expect{18, 1}, Expect{254, 237}, Expect{0, 238}, Expect{1, 239},
                     Expect{2, 240}}) {
        w.Send(WM_TIMER, e.nativeId, 77);
        Orvik::ControlEvent ev = w.Probe("a")->Last(Orvik::UIEVENT_TIMER);
        EXPECT_EQ(ev.wParam, e.key) << e.nativeId;
        EXPECT_EQ(ev.lParam, 77);
    }
    Log().clear();
    w.Send(WM_TIMER, 255, 0);  // never handed out
    EXPECT_TRUE(eventtest::CEventWindow::Only("a:").empty());
    w.Host().RemoveAllTimers();
}

TEST(EventTimersTest, ASecondSetFailsAndAKilledTimerKeepsItsId) {
    CEventWindow w(kPair);
    Orvik::CControlUI* a = w.Probe("a");
    Orvik::CControlUI* b = w.Probe("b");
    EXPECT_TRUE(w.Host().SetTimer(a, 10, 1000));   // id 17
    EXPECT_FALSE(w.Host().SetTimer(a, 10, 1000));  // still live
    EXPECT_TRUE(w.Host().SetTimer(b, 10, 1000));   // id 18: keys are per control
    EXPECT_TRUE(w.Host().KillTimer(a, 10));
    EXPECT_FALSE(w.Host().KillTimer(a, 10));
    Log().clear();
    w.Send(WM_TIMER, 17, 0);  // killed: nothing
    EXPECT_TRUE(Log().empty());
    EXPECT_TRUE(w.Host().SetTimer(a, 10, 1000));  // reuses 17
    w.Send(WM_TIMER, 17, 0);
    EXPECT_EQ(Log(), (std::vector<std::string>{"a:24", "notify timer a 10 0"}));
    w.Host().KillTimers(a);
    Log().clear();
    w.Send(WM_TIMER, 17, 0);
    w.Send(WM_TIMER, 18, 0);
    EXPECT_EQ(Log(), (std::vector<std::string>{"b:24", "notify timer b 10 0"}));
    EXPECT_FALSE(w.Host().SetTimer(nullptr, 1, 10));
}

TEST(EventTimersTest, ATimerOfADestroyedControlIsDropped) {
    CEventWindow w(kPair);
    auto* root = static_cast<Orvik::CContainerUI*>(w.Host().GetRoot());
    root->SetDelayedDestroy(false);
    EXPECT_TRUE(w.Host().SetTimer(w.Probe("a"), 5, 1000));
    root->Remove(w.Probe("a"));
    Log().clear();
    w.Send(WM_TIMER, 17, 0);
    EXPECT_TRUE(Log().empty());
}

TEST(EventNotifyTest, SynchronousNotificationsReachListenersThenNotifiers) {
    CEventWindow w(kPair);
    static std::vector<std::string>* s_log = &Log();
    Orvik::CDelegateStatic listener(nullptr, [](void*, void* p) {
        s_log->push_back("listener " + std::string(static_cast<Orvik::NotifyRecord*>(p)->type));
        return false;  // the result does not stop notifiers
    });
    w.Probe("a")->OnNotify.Add(listener);
    w.Move(20, 30);
    Log().clear();
    w.Host().SendNotify(w.Probe("a"), "click", 1, 2);
    EXPECT_EQ(Log(), (std::vector<std::string>{"listener click", "notify click a 1 2"}));
    Orvik::NotifyRecord msg;
    msg.type = "itemselect";
    msg.sender = w.Probe("a");
    w.Host().SendNotify(msg);
    EXPECT_EQ(msg.mousePoint.x, 20);  // stamped with the host's mouse point
    EXPECT_EQ(Log().back(), "notify itemselect a 0 0");
    EXPECT_EQ(Log()[Log().size() - 2], "listener itemselect");
}

TEST(EventNotifyTest, QueuedNotificationsWithoutRepeatMerge) {
    struct Case {
        bool repeat;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {false, {"notify tick a 3 4", "notify tick b 5 6"}},
        {true, {"notify tick a 1 2", "notify tick b 5 6", "notify tick a 3 4"}},
    };
    for (const Case& c : cases) {
        CEventWindow w(kPair);
        w.Host().SendNotify(w.Probe("a"), "tick", 1, 2, true, c.repeat);
        w.Host().SendNotify(w.Probe("b"), "tick", 5, 6, true, c.repeat);
        w.Host().SendNotify(w.Probe("a"), "tick", 3, 4, true, c.repeat);
        EXPECT_TRUE(Log().empty());  // nothing before the queue is served
        w.Pump();
        EXPECT_EQ(Log(), c.expected) << c.repeat;
        EXPECT_EQ(w.Host().GetPendingNotifyCount(), 0);
    }
}

TEST(EventNotifyTest, AQueuedNotificationOfADestroyedSenderArrivesWithoutSender) {
    CEventWindow w(kPair);
    auto* root = static_cast<Orvik::CContainerUI*>(w.Host().GetRoot());
    root->SetDelayedDestroy(false);
    w.Host().SendNotify(w.Probe("a"), "later", 0, 0, true);
    root->Remove(w.Probe("a"));
    w.Pump();
    EXPECT_EQ(Log(), (std::vector<std::string>{"notify later (none) 0 0"}));
}

TEST(EventNotifyTest, RegistrationsRefuseNullAndDuplicates) {
    CEventWindow w(kPair);
    eventtest::CEventWindow* pSelf = &w;
    EXPECT_FALSE(w.Host().AddNotifier(pSelf));  // the fixture registered itself
    EXPECT_FALSE(w.Host().AddNotifier(nullptr));
    EXPECT_TRUE(w.Host().RemoveNotifier(pSelf));
    EXPECT_FALSE(w.Host().RemoveNotifier(pSelf));
    EXPECT_FALSE(w.Host().AddNativeWindow(nullptr, w.Hwnd()));
    EXPECT_TRUE(w.Host().AddNativeWindow(w.Probe("a"), w.Hwnd()));
    EXPECT_FALSE(w.Host().AddNativeWindow(w.Probe("b"), w.Hwnd()));
    EXPECT_TRUE(w.Host().RemoveNativeWindow(w.Hwnd()));
    EXPECT_FALSE(w.Host().RemoveNativeWindow(w.Hwnd()));
}

TEST(EventLifetimeTest, AControlDeletedByItsOwnButtonUp) {
    for (bool bDelayed : {false, true}) {
        CEventWindow w(kPair);
        auto* root = static_cast<Orvik::CContainerUI*>(w.Host().GetRoot());
        root->SetDelayedDestroy(bDelayed);
        eventtest::CProbeUI* a = w.Probe("a");
        a->Hook(Orvik::UIEVENT_BUTTONUP, [root, a] { root->Remove(a); });
        w.Move(10, 10);
        w.Down(10, 10);
        w.Up(10, 10);
        w.Pump();
        EXPECT_EQ(w.Host().FindControlByName("a"), nullptr);
        EXPECT_EQ(w.Host().GetPressed(), nullptr);
        EXPECT_EQ(w.Host().GetHover(), nullptr);
        EXPECT_EQ(w.Host().GetFocus(), nullptr);
        w.Move(20, 20);  // b took the place in the next layout
        EXPECT_EQ(w.Host().GetHover(), w.Probe("b"));
    }
}

// Deleted between press and release, by itself or from outside: the release still
// gives the capture back, and hover follows the pointer again.
TEST(EventLifetimeTest, AControlDeletedWhilePressed) {
    for (bool bByItself : {false, true}) {
        CEventWindow w(kPair);
        auto* root = static_cast<Orvik::CContainerUI*>(w.Host().GetRoot());
        root->SetDelayedDestroy(false);
        eventtest::CProbeUI* a = w.Probe("a");
        if (bByItself)
            a->Hook(Orvik::UIEVENT_BUTTONDOWN, [root, a] { root->Remove(a); });
        w.Move(10, 10);
        w.Down(10, 10);
        EXPECT_TRUE(w.Host().IsCaptured());
        if (!bByItself)
            root->Remove(a);
        EXPECT_EQ(w.Host().GetPressed(), nullptr);
        w.Up(10, 10);
        EXPECT_FALSE(w.Host().IsCaptured()) << bByItself;
        EXPECT_EQ(GetCapture(), nullptr);
        w.Pump();  // the layout moves b into a's place
        w.Move(20, 20);
        EXPECT_EQ(w.Host().GetHover(), w.Probe("b")) << bByItself;
    }
}

TEST(EventLifetimeTest, AControlDeletedWhenTheHoverLeavesIt) {
    CEventWindow w(kPair);
    auto* root = static_cast<Orvik::CContainerUI*>(w.Host().GetRoot());
    root->SetDelayedDestroy(false);
    eventtest::CProbeUI* a = w.Probe("a");
    a->Hook(Orvik::UIEVENT_MOUSELEAVE, [root, a] { root->Remove(a); });
    w.Move(10, 10);
    Log().clear();
    w.Move(150, 10);  // b moved into a's place by the next layout only
    EXPECT_EQ(Log().front(), "a:10");
    EXPECT_EQ(w.Host().FindControlByName("a"), nullptr);
}

TEST(EventLifetimeTest, AWindowDestroyedByATimer) {
    auto* w = new CEventWindow(kPair);
    HWND hWnd = w->Hwnd();
    w->Probe("a")->Hook(Orvik::UIEVENT_TIMER, [hWnd] { DestroyWindow(hWnd); });
    EXPECT_TRUE(w->Host().SetTimer(w->Probe("a"), 1, 1000));
    SendMessageA(hWnd, WM_TIMER, 17, 0);
    EXPECT_FALSE(IsWindow(hWnd));
    delete w;
}

// A "windowinit" listener that closes the window ends the paint there.
TEST(EventLifetimeTest, AWindowDestroyedByWindowInit) {
    auto* w = new CEventWindow(kPair);
    HWND hWnd = w->Hwnd();
    static HWND s_hWnd = nullptr;
    s_hWnd = hWnd;
    Orvik::CDelegateStatic closer(nullptr, [](void*, void* pMsg) {
        if (static_cast<Orvik::NotifyRecord*>(pMsg)->type == "windowinit")
            DestroyWindow(s_hWnd);
        return true;
    });
    Orvik::CSkinBuilder builder;
    eventtest::CProbeFactory factory;
    Orvik::CControlUI* pRoot = builder.Create(kPair, nullptr, &factory, &w->Host());
    ASSERT_NE(pRoot, nullptr);
    pRoot->OnNotify.Add(closer);
    w->Host().AttachRoot(pRoot);  // a new root gets its "windowinit" on the next paint
    w->Pump();
    EXPECT_FALSE(IsWindow(hWnd));
    delete w;
}

TEST(EventLifetimeTest, AWindowDestroyedByAQueuedNotification) {
    auto* w = new CEventWindow(kPair);
    HWND hWnd = w->Hwnd();
    static HWND s_hWnd = nullptr;
    s_hWnd = hWnd;
    Orvik::CDelegateStatic closer(nullptr, [](void*, void*) {
        DestroyWindow(s_hWnd);
        return true;
    });
    w->Probe("a")->OnNotify.Add(closer);
    w->Host().SendNotify(w->Probe("a"), "first", 0, 0, true);
    w->Host().SendNotify(w->Probe("b"), "second", 0, 0, true);
    w->Pump();
    EXPECT_FALSE(IsWindow(hWnd));
    EXPECT_EQ(Log(), (std::vector<std::string>{}));
    delete w;
}

}  // namespace
