// GetKeyState follows the input messages the thread retrieves; GetAsyncKeyState the keys now.
#include <thread>

#include "InputFixture.h"

using platform::headless::PressKey;
using platform::headless::ReleaseKey;

namespace {

// What a handler sees of a key while it handles each key message.
struct Seen {
    UINT message;
    WPARAM vk;
    short keyState;
    short asyncState;
};

int g_nWatchedKey = VK_SHIFT;

std::vector<Seen>& SeenLog() {
    static std::vector<Seen> log;
    return log;
}

LRESULT CALLBACK WatchingProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg >= WM_KEYDOWN && msg <= WM_SYSKEYUP)
        SeenLog().push_back(
            Seen{msg, wp, GetKeyState(g_nWatchedKey), GetAsyncKeyState(g_nWatchedKey)});
    return DefWindowProcA(hwnd, msg, wp, lp);
}

bool Down(short state) {
    return state < 0;
}

class KeyState : public usertest::InputTest {
protected:
    void SetUp() override {
        InputTest::SetUp();
        usertest::Register("KeyWatch", WatchingProc);
        m_hwnd = Make(RECT{0, 0, 50, 50}, 0, "KeyWatch", WatchingProc);
        SetFocus(m_hwnd);
        Take();
        SeenLog().clear();
        g_nWatchedKey = VK_SHIFT;
    }
    // Retrieves one message with PM_REMOVE and dispatches it.
    MSG TakeOne() {
        MSG msg{};
        EXPECT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
        DispatchMessageA(&msg);
        return msg;
    }
    HWND m_hwnd = nullptr;
};

}  // namespace

TEST_F(KeyState, ABurstIsHandledWithTheKeysAsEachMessageWasTyped) {
    PressKey(VK_SHIFT);
    PressKey(VK_TAB);
    ReleaseKey(VK_SHIFT);
    ReleaseKey(VK_TAB);
    EXPECT_FALSE(Down(GetAsyncKeyState(VK_SHIFT)));
    EXPECT_FALSE(Down(GetKeyState(VK_SHIFT))) << "nothing retrieved yet";
    Take();
    struct Step {
        UINT message;
        WPARAM vk;
        bool shiftDown;
    };
    const Step expected[] = {
        {WM_KEYDOWN, VK_SHIFT, true},
        {WM_KEYDOWN, VK_TAB, true},
        {WM_KEYUP, VK_SHIFT, false},
        {WM_KEYUP, VK_TAB, false},
    };
    ASSERT_EQ(SeenLog().size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        const Seen& seen = SeenLog()[i];
        EXPECT_EQ(seen.message, expected[i].message) << i;
        EXPECT_EQ(seen.vk, expected[i].vk) << i;
        EXPECT_EQ(Down(seen.keyState), expected[i].shiftDown) << i;
        EXPECT_FALSE(Down(seen.asyncState)) << i << ": the key is up by now";
    }
}

TEST_F(KeyState, OnlyRemovingAMessageMakesItsKeysCurrent) {
    PressKey(VK_SHIFT);
    MSG msg{};
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.message, UINT(WM_KEYDOWN));
    EXPECT_FALSE(Down(GetKeyState(VK_SHIFT))) << "a look leaves the state alone";
    ASSERT_EQ(GetMessageA(&msg, nullptr, 0, 0), TRUE);
    EXPECT_EQ(msg.wParam, WPARAM(VK_SHIFT));
    EXPECT_TRUE(Down(GetKeyState(VK_SHIFT)));
    ReleaseKey(VK_SHIFT);
    EXPECT_TRUE(Down(GetKeyState(VK_SHIFT)));
    ASSERT_EQ(GetMessageA(&msg, nullptr, 0, 0), TRUE);
    EXPECT_FALSE(Down(GetKeyState(VK_SHIFT)));
}

TEST_F(KeyState, TogglesFollowTheRetrievedMessages) {
    g_nWatchedKey = VK_CAPITAL;
    PressKey(VK_CAPITAL);
    ReleaseKey(VK_CAPITAL);
    PressKey(VK_CAPITAL);
    ReleaseKey(VK_CAPITAL);
    EXPECT_EQ(GetKeyState(VK_CAPITAL), 0) << "nothing retrieved yet";
    Take();
    const short expected[] = {short(0x8001), 0x0001, short(0x8000), 0x0000};
    ASSERT_EQ(SeenLog().size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i)
        EXPECT_EQ(SeenLog()[i].keyState, expected[i]) << i;
    EXPECT_EQ(GetAsyncKeyState(VK_CAPITAL), 0) << "the async state has no toggle";
}

TEST_F(KeyState, MessagesFromProgramsLeaveTheStateAlone) {
    PressKey(VK_SHIFT);
    Take();
    ASSERT_TRUE(Down(GetKeyState(VK_SHIFT)));
    SendMessageA(m_hwnd, WM_KEYUP, VK_SHIFT, 0xC0000001);
    EXPECT_TRUE(Down(GetKeyState(VK_SHIFT)));
    PostMessageA(m_hwnd, WM_KEYUP, VK_SHIFT, 0xC0000001);
    platform::headless::MovePointer(300, 200);  // off the window: tracking leaves at once
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, m_hwnd, HOVER_DEFAULT};
    ASSERT_TRUE(TrackMouseEvent(&track));
    ReleaseKey(VK_SHIFT);
    const UINT order[] = {WM_KEYUP, WM_MOUSELEAVE, WM_KEYUP};
    const bool shiftDown[] = {true, true, false};
    for (size_t i = 0; i < std::size(order); ++i) {
        MSG msg = TakeOne();
        EXPECT_EQ(msg.message, order[i]) << i;
        EXPECT_EQ(Down(GetKeyState(VK_SHIFT)), shiftDown[i]) << i;
    }
    EXPECT_FALSE(Down(GetKeyState(VK_SHIFT)));
}

TEST_F(KeyState, EachThreadHasItsOwnRetrievedState) {
    PressKey(VK_SHIFT);
    Take();
    short other = 0;
    std::thread reader([&] { other = GetKeyState(VK_SHIFT); });
    reader.join();
    EXPECT_TRUE(Down(GetKeyState(VK_SHIFT)));
    EXPECT_FALSE(Down(other)) << "a thread that read no input sees no key held";
    ReleaseKey(VK_SHIFT);
    Take();
}
