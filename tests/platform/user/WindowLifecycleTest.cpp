// Window classes, creation and destruction order, window longs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/kernel.h"
#include "platform/user.h"

namespace {

std::vector<std::string>* g_log = nullptr;

void Log(HWND hwnd, const char* what) {
    if (g_log != nullptr)
        g_log->push_back(std::to_string(uintptr_t(hwnd) & 0xffff) + what);
}

LRESULT CALLBACK LoggingProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_NCCREATE: {
            auto* cs = reinterpret_cast<CREATESTRUCTA*>(lp);
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
            Log(hwnd, ":nccreate");
            break;
        }
        case WM_CREATE:
            Log(hwnd, ":create");
            break;
        case WM_DESTROY:
            Log(hwnd, ":destroy");
            break;
        case WM_NCDESTROY:
            Log(hwnd, ":ncdestroy");
            break;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

LRESULT CALLBACK RefuseCreateProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = LoggingProc(hwnd, msg, wp, lp);
    return msg == WM_CREATE ? -1 : result;
}

ATOM Register(const char* name, WNDPROC proc) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = proc;
    wc.lpszClassName = name;
    return RegisterClassExA(&wc);
}

class WindowLifecycle : public ::testing::Test {
protected:
    void SetUp() override { g_log = &m_log; }
    void TearDown() override { g_log = nullptr; }
    std::vector<std::string> m_log;
};

std::string Id(HWND hwnd) {
    return std::to_string(uintptr_t(hwnd) & 0xffff);
}

}  // namespace

TEST_F(WindowLifecycle, ClassesRegisterOnceIgnoringCase) {
    EXPECT_NE(Register("LifeA", LoggingProc), 0);
    EXPECT_EQ(Register("LIFEA", LoggingProc), 0);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_CLASS_ALREADY_EXISTS));
    WNDCLASSEXA info{};
    ASSERT_TRUE(GetClassInfoExA(nullptr, "lifea", &info));
    EXPECT_EQ(info.lpfnWndProc, &LoggingProc);
    EXPECT_STREQ(info.lpszClassName, "LifeA");  // the name as registered
    EXPECT_EQ(
        CreateWindowExA(0, "NoSuchClass", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr),
        nullptr);
    EXPECT_FALSE(GetClassInfoExA(nullptr, "NoSuchClass", &info));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_CLASS_DOES_NOT_EXIST));
}

TEST_F(WindowLifecycle, CreateAndDestroyInOrder) {
    Register("LifeB", LoggingProc);
    int param = 7;
    HWND parent = CreateWindowExA(0, "LifeB", "title", WS_POPUP, 1, 2, 30, 40, nullptr, nullptr,
                                  nullptr, &param);
    ASSERT_NE(parent, nullptr);
    EXPECT_TRUE(IsWindow(parent));
    EXPECT_EQ(GetWindowLongPtrA(parent, GWLP_USERDATA), reinterpret_cast<LONG_PTR>(&param));
    EXPECT_EQ(GetWindowLongPtrA(parent, GWL_STYLE), LONG_PTR(WS_POPUP));
    HWND child =
        CreateWindowExA(0, "LifeB", "", WS_CHILD, 0, 0, 5, 5, parent, nullptr, nullptr, nullptr);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(GetParent(child), parent);

    m_log.clear();
    EXPECT_TRUE(DestroyWindow(parent));
    std::vector<std::string> expected{Id(parent) + ":destroy", Id(child) + ":destroy",
                                      Id(child) + ":ncdestroy", Id(parent) + ":ncdestroy"};
    EXPECT_EQ(m_log, expected);
    EXPECT_FALSE(IsWindow(parent));
    EXPECT_FALSE(IsWindow(child));
    EXPECT_FALSE(DestroyWindow(parent));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_WINDOW_HANDLE));
}

TEST_F(WindowLifecycle, RefusedCreationStillEndsWithFinalMessage) {
    Register("LifeC", RefuseCreateProc);
    HWND hwnd = CreateWindowExA(0, "LifeC", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(hwnd, nullptr);
    ASSERT_EQ(m_log.size(), 4u);
    EXPECT_NE(m_log[1].find(":create"), std::string::npos);
    EXPECT_NE(m_log[2].find(":destroy"), std::string::npos);
    EXPECT_NE(m_log[3].find(":ncdestroy"), std::string::npos);
}

namespace {
WNDPROC g_previous = nullptr;
int g_subclassCalls = 0;
LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_USER + 5)
        return ++g_subclassCalls;
    return CallWindowProcA(g_previous, hwnd, msg, wp, lp);
}
}  // namespace

TEST_F(WindowLifecycle, SubclassingChainsToPreviousProcedure) {
    Register("LifeD", LoggingProc);
    HWND hwnd = CreateWindowExA(0, "LifeD", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    g_previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassProc)));
    EXPECT_EQ(g_previous, &LoggingProc);
    EXPECT_EQ(SendMessageA(hwnd, WM_USER + 5, 0, 0), 1);
    m_log.clear();
    SendMessageA(hwnd, WM_CLOSE, 0, 0);  // default processing destroys the window
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(m_log.size(), 2u);
}
