// The owning post: each record is freed exactly once, by its receiver or, when
// the window goes first, by the queue.
#include <gtest/gtest.h>

#include <vector>

#include "platform/user.h"

namespace {

const UINT WM_RECORD = WM_APP + 1;
std::vector<int> g_received;
int g_nFreed = 0;

void FreeRecord(LPARAM lParam) {
    ++g_nFreed;
    delete reinterpret_cast<int*>(lParam);
}

LRESULT CALLBACK Receive(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (uMsg != WM_RECORD)
        return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    auto* pRecord = reinterpret_cast<int*>(lParam);
    g_received.push_back(*pRecord + static_cast<int>(wParam));
    delete pRecord;
    return 0;
}

class OwnedPost : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = Receive;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "OwnedPostTest";
        RegisterClassA(&wc);
        m_hWnd = CreateWindowExA(0, "OwnedPostTest", nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 wc.hInstance, nullptr);
        ASSERT_NE(m_hWnd, nullptr);
        g_received.clear();
        g_nFreed = 0;
    }

    void TearDown() override {
        if (IsWindow(m_hWnd))
            DestroyWindow(m_hWnd);
        Pump();
    }

    BOOL Post(int nValue, WPARAM wParam = 0) {
        return platform::PostMessageOwning(m_hWnd, WM_RECORD, wParam,
                                           reinterpret_cast<LPARAM>(new int(nValue)), FreeRecord);
    }

    static void Pump() {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
    }

    HWND m_hWnd = nullptr;
};

}  // namespace

TEST_F(OwnedPost, ReadMessagesArriveAsPostedInOrderAndAreNotFreed) {
    ASSERT_TRUE(Post(10, 1));
    ASSERT_TRUE(Post(20, 2));
    ASSERT_TRUE(PostMessageA(m_hWnd, WM_RECORD, 3, reinterpret_cast<LPARAM>(new int(30))));
    Pump();
    EXPECT_EQ(g_received, (std::vector<int>{11, 22, 33}));
    EXPECT_EQ(g_nFreed, 0);
}

TEST_F(OwnedPost, QueuedRecordsAreFreedWhenTheWindowIsDestroyed) {
    for (int i = 0; i < 5; ++i)
        ASSERT_TRUE(Post(i));
    DestroyWindow(m_hWnd);
    Pump();
    EXPECT_TRUE(g_received.empty());
    EXPECT_EQ(g_nFreed, 5);
}

TEST_F(OwnedPost, APostToAWindowThatIsGoneFailsAndFreesAtOnce) {
    DestroyWindow(m_hWnd);
    EXPECT_FALSE(Post(1));
    EXPECT_EQ(g_nFreed, 1);
    Pump();
    EXPECT_EQ(g_nFreed, 1);
    EXPECT_TRUE(g_received.empty());
}
