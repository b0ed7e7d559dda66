// The notification part: who sees a notification when listeners change mid-walk, filter order, the
// queue.
#include <gtest/gtest.h>

#include <functional>

#include "tests/ui/window/EventFixture.h"

namespace {

using eventtest::CEventWindow;
using eventtest::Log;

const char* const kPair = R"(<Window><HorizontalLayout name="root">
    <Probe name="a" width="100"/><Probe name="b"/></HorizontalLayout></Window>)";

// Logs under its tag and runs an optional action on every notification.
class CTaggedNotifier : public Orvik::INotifyUI {
public:
    explicit CTaggedNotifier(const char* pstrTag) : m_sTag(pstrTag) {}
    void HandleNotify(Orvik::NotifyRecord& msg) override {
        Log().push_back(m_sTag + " " + std::string(msg.type));
        if (m_onNotify)
            m_onNotify(msg);
    }
    std::function<void(Orvik::NotifyRecord&)> m_onNotify;

private:
    std::string m_sTag;
};

// A notifier removed by an earlier one misses the notification; one added
// during the walk waits for the next.
TEST(HostNotificationTest, NotifiersChangedDuringAWalk) {
    // Declared before the window: its end still sends through the host.
    CTaggedNotifier first("first"), removed("removed"), added("added");
    CEventWindow w(kPair);
    w.Host().AddNotifier(&first);
    w.Host().AddNotifier(&removed);
    first.m_onNotify = [&](Orvik::NotifyRecord&) {
        w.Host().RemoveNotifier(&removed);
        w.Host().AddNotifier(&added);
    };
    Log().clear();
    w.Host().SendNotify(w.Probe("a"), "one");
    w.Host().SendNotify(w.Probe("a"), "two");
    EXPECT_EQ(Log(), (std::vector<std::string>{"notify one a 0 0", "first one", "notify two a 0 0",
                                               "first two", "added two"}));
}

// The queue runs in order in one pass, including what its own delivery queues.
TEST(HostNotificationTest, TheQueueDeliversWhatItsDeliveryQueues) {
    CTaggedNotifier chain("chain");
    CEventWindow w(kPair);
    chain.m_onNotify = [&](Orvik::NotifyRecord& msg) {
        if (msg.type == "first")
            w.Host().SendNotify(w.Probe("b"), "second", 0, 0, true);
    };
    w.Host().AddNotifier(&chain);
    w.Host().SendNotify(w.Probe("a"), "first", 0, 0, true);
    EXPECT_EQ(w.Host().GetPendingNotifyCount(), 1);
    Log().clear();
    LRESULT lRes = 0;
    w.Host().MessageHandler(Orvik::CWindowHostUI::WM_HOST_DEFERRED, 0, 0, lRes);
    EXPECT_EQ(CEventWindow::Only("chain"),
              (std::vector<std::string>{"chain first", "chain second"}));
    EXPECT_EQ(w.Host().GetPendingNotifyCount(), 0);
}

// Answers a fixed result, handled or not, and logs that it ran.
class CFixedFilter : public Orvik::IMessageFilterUI {
public:
    CFixedFilter(const char* pstrTag, bool bHandle, LRESULT lResult)
        : m_sTag(pstrTag), m_bHandle(bHandle), m_lResult(lResult) {}
    LRESULT FilterMessage(UINT, WPARAM, LPARAM, bool& bHandled) override {
        Log().push_back(m_sTag);
        bHandled = m_bHandle;
        return m_lResult;
    }

private:
    std::string m_sTag;
    bool m_bHandle;
    LRESULT m_lResult;
};

TEST(HostNotificationTest, TheFirstHandlingFilterDecides) {
    struct Case {
        bool bFirstHandles;
        bool bSecondHandles;
        bool bHandled;
        LRESULT lRes;
        std::vector<std::string> ran;
    };
    const Case cases[] = {
        {true, true, true, 1, {"f1"}},
        {false, true, true, 2, {"f1", "f2"}},
        {false, false, false, 0, {"f1", "f2"}},
    };
    for (const Case& c : cases) {
        CFixedFilter f1("f1", c.bFirstHandles, 1), f2("f2", c.bSecondHandles, 2);
        CEventWindow w(kPair);
        w.Host().AddMessageFilter(&f1);
        w.Host().AddMessageFilter(&f2);
        LRESULT lRes = -1;
        Log().clear();
        EXPECT_EQ(w.Host().MessageHandler(WM_USER + 7, 0, 0, lRes), c.bHandled);
        EXPECT_EQ(lRes, c.lRes);
        EXPECT_EQ(Log(), c.ran);
    }
}

// A pre-message filter that destroys the window consumes the message, and
// the host is not touched after it.
class CClosingFilter : public Orvik::IMessageFilterUI {
public:
    explicit CClosingFilter(HWND hWnd) : m_hWnd(hWnd) {}
    LRESULT FilterMessage(UINT, WPARAM, LPARAM, bool&) override {
        DestroyWindow(m_hWnd);
        return 0;
    }

private:
    HWND m_hWnd;
};

TEST(HostNotificationTest, APreFilterThatClosesTheWindowConsumesTheKey) {
    CEventWindow w(kPair);
    CClosingFilter closer(w.Hwnd());
    CFixedFilter later("later", false, 0);
    w.Host().AddPreMessageFilter(&closer);
    w.Host().AddPreMessageFilter(&later);
    Log().clear();
    EXPECT_TRUE(w.Host().TranslateMessage(WM_KEYDOWN, 'A', 0));
    EXPECT_FALSE(IsWindow(w.Hwnd()));
    EXPECT_TRUE(Log().empty());
}

}  // namespace
