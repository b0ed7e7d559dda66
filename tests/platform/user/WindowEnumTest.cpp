// EnumThreadWindows and GetClassNameA: a thread's top-level windows and their class names.
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "platform/kernel.h"
#include "platform/user.h"
#include "platform/user/UserTestSupport.h"

namespace {

using usertest::MakeWindow;
using usertest::WindowGuard;

struct Walk {
    std::vector<HWND> seen;
    size_t nStopAfter = 100;
};

BOOL CALLBACK Collect(HWND hWnd, LPARAM lParam) {
    auto* pWalk = reinterpret_cast<Walk*>(lParam);
    pWalk->seen.push_back(hWnd);
    return pWalk->seen.size() < pWalk->nStopAfter ? TRUE : FALSE;
}

TEST(WindowEnum, ThreadWindowsAreTheTopLevelOnesInCreationOrder) {
    WindowGuard first{MakeWindow({0, 0, 10, 10})};
    WindowGuard owned{MakeWindow({0, 0, 10, 10}, WS_POPUP, 0, first.hwnd)};
    WindowGuard child{MakeWindow({0, 0, 5, 5}, WS_CHILD, 0, first.hwnd)};
    Walk walk;
    EXPECT_TRUE(EnumThreadWindows(GetCurrentThreadId(), Collect, reinterpret_cast<LPARAM>(&walk)));
    // Windows other tests left on this thread may come first.
    std::vector<HWND> ours;
    for (HWND hWnd : walk.seen) {
        if (hWnd == first.hwnd || hWnd == owned.hwnd || hWnd == child.hwnd)
            ours.push_back(hWnd);
    }
    EXPECT_EQ(ours, (std::vector<HWND>{first.hwnd, owned.hwnd}));

    Walk stopped;
    stopped.nStopAfter = 1;
    EXPECT_FALSE(
        EnumThreadWindows(GetCurrentThreadId(), Collect, reinterpret_cast<LPARAM>(&stopped)));
    EXPECT_EQ(stopped.seen.size(), 1u);
}

TEST(WindowEnum, AnotherThreadsWindowsAreNotListed) {
    WindowGuard mine{MakeWindow({0, 0, 10, 10})};
    DWORD dwOther = 0;
    std::thread([&] { dwOther = GetCurrentThreadId(); }).join();
    Walk walk;
    EXPECT_FALSE(EnumThreadWindows(dwOther, Collect, reinterpret_cast<LPARAM>(&walk)));
    EXPECT_TRUE(walk.seen.empty());
    EXPECT_FALSE(EnumThreadWindows(GetCurrentThreadId(), nullptr, 0));
}

TEST(WindowEnum, ClassNameIsCutToTheBuffer) {
    WindowGuard window{MakeWindow({0, 0, 10, 10})};
    char szName[64] = {};
    EXPECT_EQ(GetClassNameA(window.hwnd, szName, sizeof szName), 14);
    EXPECT_STREQ(szName, "UserTestWindow");
    char szShort[5] = {};
    EXPECT_EQ(GetClassNameA(window.hwnd, szShort, sizeof szShort), 4);
    EXPECT_STREQ(szShort, "User");
    EXPECT_EQ(GetClassNameA(reinterpret_cast<HWND>(0x1), szName, sizeof szName), 0);
}

}  // namespace
