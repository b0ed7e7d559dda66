// Posting across threads, PeekMessage, quit, dropped payloads.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "platform/kernel.h"
#include "platform/user.h"
#include "support/TestWindow.h"

namespace {

HWND MakeWindow() {
    return testsupport::MakeTestWindow("QueueTestWindow");
}

// Ends a GetMessage that would otherwise hang a broken build.
struct Watchdog {
    HWND hwnd;
    std::thread thread;
    std::atomic<bool> done{false};
    explicit Watchdog(HWND target) : hwnd(target) {
        thread = std::thread([this] {
            for (int i = 0; i < 200 && !done; ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            if (!done)
                PostMessageA(hwnd, WM_USER + 99, 0, 0);
        });
    }
    ~Watchdog() {
        done = true;
        thread.join();
    }
};

std::atomic<int> g_freed{0};
void CountFree(LPARAM lp) {
    g_freed += int(lp);
}

}  // namespace

TEST(MessageQueue, PostFromAnotherThreadWakesGetMessage) {
    HWND hwnd = MakeWindow();
    Watchdog watchdog(hwnd);
    std::thread poster([hwnd] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        EXPECT_TRUE(PostMessageA(hwnd, WM_USER + 1, 11, 22));
    });
    MSG msg{};
    ASSERT_EQ(GetMessageA(&msg, nullptr, 0, 0), TRUE);
    poster.join();
    EXPECT_EQ(msg.hwnd, hwnd);
    EXPECT_EQ(msg.message, UINT(WM_USER + 1));
    EXPECT_EQ(msg.wParam, 11u);
    EXPECT_EQ(msg.lParam, 22);
    DestroyWindow(hwnd);
}

TEST(MessageQueue, PeekFiltersAndKeepsOrder) {
    HWND a = MakeWindow();
    HWND b = MakeWindow();
    PostMessageA(a, WM_USER + 1, 1, 0);
    PostMessageA(b, WM_USER + 2, 2, 0);
    PostMessageA(a, WM_USER + 3, 3, 0);
    MSG msg{};
    EXPECT_TRUE(PeekMessageA(&msg, b, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.wParam, 2u);
    EXPECT_TRUE(PeekMessageA(&msg, nullptr, WM_USER + 3, WM_USER + 3, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 3u);
    EXPECT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 1u);
    EXPECT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 2u);
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    DestroyWindow(a);
    DestroyWindow(b);
}

TEST(MessageQueue, QuitComesAfterPostedMessagesAndEndsGetMessage) {
    HWND hwnd = MakeWindow();
    PostQuitMessage(3);
    PostMessageA(hwnd, WM_USER, 0, 0);
    MSG msg{};
    EXPECT_EQ(GetMessageA(&msg, nullptr, 0, 0), TRUE);
    EXPECT_EQ(msg.message, UINT(WM_USER));
    EXPECT_EQ(GetMessageA(&msg, nullptr, 0, 0), FALSE);
    EXPECT_EQ(msg.message, UINT(WM_QUIT));
    EXPECT_EQ(msg.wParam, 3u);
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    DestroyWindow(hwnd);
}

TEST(MessageQueue, DestroyedWindowsTakeNoMessagesAndFreePayloads) {
    HWND hwnd = MakeWindow();
    g_freed = 0;
    EXPECT_TRUE(platform::PostMessageOwning(hwnd, WM_USER, 0, 5, CountFree));
    EXPECT_TRUE(PostMessageA(hwnd, WM_USER, 0, 0));
    DestroyWindow(hwnd);
    EXPECT_EQ(g_freed, 5);  // dropped from the queue with the window
    MSG msg{};
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));

    EXPECT_FALSE(PostMessageA(hwnd, WM_USER, 0, 0));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_WINDOW_HANDLE));
    EXPECT_FALSE(platform::PostMessageOwning(hwnd, WM_USER, 0, 7, CountFree));
    EXPECT_EQ(g_freed, 12);
}

TEST(MessageQueue, DispatchedPayloadBelongsToTheReceiver) {
    HWND hwnd = MakeWindow();
    g_freed = 0;
    platform::PostMessageOwning(hwnd, WM_USER, 0, 5, CountFree);
    MSG msg{};
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    DispatchMessageA(&msg);
    DestroyWindow(hwnd);
    EXPECT_EQ(g_freed, 0);
}

TEST(MessageQueue, QueueOfAnEndedThreadFreesItsPayloads) {
    g_freed = 0;
    std::thread owner([] {
        HWND hwnd = MakeWindow();
        platform::PostMessageOwning(hwnd, WM_USER, 0, 4, CountFree);
        PostMessageA(nullptr, WM_USER, 0, 0);
        // The thread ends without reading or destroying anything.
    });
    owner.join();
    EXPECT_EQ(g_freed, 4);
}

TEST(MessageQueue, WindowlessMessagesAndSendsFromOtherThreads) {
    HWND hwnd = MakeWindow();
    LRESULT sent = 1;
    DWORD error = 0;
    std::thread other([&] {
        sent = SendMessageA(hwnd, WM_USER, 0, 0);
        error = GetLastError();
    });
    other.join();
    EXPECT_EQ(sent, 0);
    EXPECT_EQ(error, DWORD(ERROR_NOT_SUPPORTED));

    // The filter -1 takes only messages posted without a window.
    ASSERT_TRUE(PostMessageA(hwnd, WM_USER + 1, 0, 0));
    ASSERT_TRUE(PostMessageA(nullptr, WM_USER + 7, 1, 2));
    MSG msg{};
    ASSERT_TRUE(PeekMessageA(&msg, reinterpret_cast<HWND>(-1), 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, nullptr);
    EXPECT_EQ(msg.message, UINT(WM_USER + 7));
    EXPECT_EQ(msg.wParam, WPARAM(1));
    EXPECT_FALSE(PeekMessageA(&msg, reinterpret_cast<HWND>(-1), 0, 0, PM_REMOVE));
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, hwnd);
    DestroyWindow(hwnd);
}

TEST(MessageQueue, FilteredGetMessageWaitsForItsOwnWindow) {
    HWND a = MakeWindow();
    HWND b = MakeWindow();
    Watchdog watchdog(a);
    PostMessageA(b, WM_USER + 2, 0, 0);  // not for the filter: must not be returned
    std::thread poster([a] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        PostMessageA(a, WM_USER + 1, 0, 0);
    });
    MSG msg{};
    ASSERT_EQ(GetMessageA(&msg, a, 0, 0), TRUE);
    poster.join();
    EXPECT_EQ(msg.hwnd, a);
    EXPECT_EQ(msg.message, UINT(WM_USER + 1));
    EXPECT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, b);
    EXPECT_EQ(GetMessageA(&msg, reinterpret_cast<HWND>(0x1234), 0, 0), -1);
    DestroyWindow(a);
    DestroyWindow(b);
}
