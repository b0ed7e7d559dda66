// A backend of the test's own: refused creations, events read only on the owning thread.
#include <gtest/gtest.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <atomic>
#include <thread>

#include "UserTestSupport.h"
#include "platform/backends/headless/headless_backend.h"
#include "platform/kernel.h"
#include "platform/user.h"
#include "platform/user/backend.h"

using platform::user::NativeEvent;
using platform::user::NativeEventKind;

namespace {

// Signals events through an eventfd, or holds them "buffered" where the
// descriptor does not show them.
class FakeBackend : public platform::headless::HeadlessBackend {
public:
    FakeBackend() : m_fd(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}
    ~FakeBackend() override { close(m_fd); }

    bool CreateNativeWindow(HWND hwnd, const platform::user::NativeWindowDesc& desc) override {
        return !refuse && HeadlessBackend::CreateNativeWindow(hwnd, desc);
    }
    int EventFd() const override { return m_fd; }
    int DispatchNativeEvents() override {
        uint64_t count = 0;
        bool signalled = read(m_fd, &count, sizeof count) == ssize_t(sizeof count);
        if (!signalled && !buffered)
            return 0;
        buffered = false;
        dispatchThreads.push_back(GetCurrentThreadId());
        NativeEvent event;
        event.kind = NativeEventKind::PointerMotion;
        event.hwnd = target;
        platform::user::TranslateNativeEvent(event);
        return 1;
    }
    void Signal() {
        uint64_t one = 1;
        ASSERT_EQ(write(m_fd, &one, sizeof one), ssize_t(sizeof one));
    }

    std::atomic<bool> refuse{false};
    std::atomic<bool> buffered{false};
    HWND target = nullptr;
    std::vector<DWORD> dispatchThreads;

private:
    int m_fd;
};

class FakeBackendTest : public ::testing::Test {
protected:
    void SetUp() override { platform::user::InstallBackend(&m_backend); }
    void TearDown() override { platform::user::InstallBackend(nullptr); }
    FakeBackend m_backend;
};

int g_nccreates = 0;
LRESULT CALLBACK CountingProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE)
        ++g_nccreates;
    return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

TEST_F(FakeBackendTest, RefusedNativeWindowFailsCreationBeforeAnyMessage) {
    m_backend.refuse = true;
    g_nccreates = 0;
    HWND hwnd =
        usertest::MakeWindow(RECT{0, 0, 10, 10}, WS_POPUP, 0, nullptr, "FakeRefused", CountingProc);
    EXPECT_EQ(hwnd, nullptr);
    EXPECT_EQ(g_nccreates, 0);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_NOT_ENOUGH_MEMORY));
}

TEST_F(FakeBackendTest, EventsAreReadOnTheOwningThreadOnly) {
    HWND hwnd = usertest::MakeWindow(RECT{0, 0, 10, 10});
    usertest::WindowGuard guard{hwnd};
    m_backend.target = hwnd;
    m_backend.Signal();

    // Another thread waits on its own queue while the descriptor is readable.
    std::thread other([] {
        PostMessageA(nullptr, WM_USER, 0, 0);
        MSG msg{};
        EXPECT_EQ(GetMessageA(&msg, nullptr, 0, 0), TRUE);
        EXPECT_EQ(msg.message, UINT(WM_USER));
        EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    });
    other.join();
    EXPECT_TRUE(m_backend.dispatchThreads.empty());

    MSG msg{};
    ASSERT_EQ(GetMessageA(&msg, hwnd, WM_MOUSEMOVE, WM_MOUSEMOVE), TRUE);
    ASSERT_EQ(m_backend.dispatchThreads.size(), 1u);
    EXPECT_EQ(m_backend.dispatchThreads[0], GetCurrentThreadId());
}

TEST_F(FakeBackendTest, WaitServesEventsTheBackendHasBufferedFirst) {
    HWND hwnd = usertest::MakeWindow(RECT{0, 0, 10, 10});
    usertest::WindowGuard guard{hwnd};
    m_backend.target = hwnd;
    m_backend.buffered = true;  // the descriptor stays quiet
    // A timer bounds the wait should the buffered event be missed.
    SetTimer(hwnd, 9, 2000, nullptr);
    MSG msg{};
    ASSERT_EQ(GetMessageA(&msg, hwnd, 0, 0), TRUE);
    KillTimer(hwnd, 9);
    EXPECT_EQ(msg.message, UINT(WM_MOUSEMOVE));
}

TEST_F(FakeBackendTest, EventsForAnotherThreadsWindowAreTranslatedThere) {
    std::atomic<HWND> hwnd{nullptr};
    std::atomic<bool> ready{false};
    std::thread owner([&] {
        hwnd = usertest::MakeWindow(RECT{0, 0, 10, 10});
        ready = true;
        MSG msg{};
        ASSERT_EQ(GetMessageA(&msg, hwnd.load(), WM_MOUSEMOVE, WM_MOUSEMOVE), TRUE);
        DestroyWindow(hwnd);
    });
    while (!ready)
        std::this_thread::yield();
    m_backend.target = hwnd;
    m_backend.Signal();
    MSG msg{};
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);  // reads the event here, hands it over
    owner.join();
    EXPECT_EQ(m_backend.dispatchThreads.size(), 1u);
}
