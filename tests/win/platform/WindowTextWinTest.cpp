// Code page 936 texts that the system keeps: the titles of the program's own
// windows (narrow procedures) and font face names.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/gdi.h"
#include "platform/user.h"

namespace {

const char* const TITLES[] = {"Lumora", "Lumora-升级提示", "关闭", ""};

// Windows of a narrow class whose procedure is the default one, where the
// program's windows end.
class WindowTextWin : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "WindowTextWin";
        RegisterClassA(&wc);
    }

    HWND Create(const char* pstrTitle) {
        HWND hWnd = CreateWindowExA(0, "WindowTextWin", pstrTitle, WS_POPUP, 0, 0, 10, 10, nullptr,
                                    nullptr, GetModuleHandleA(nullptr), nullptr);
        m_windows.push_back(hWnd);
        return hWnd;
    }

    void TearDown() override {
        for (HWND hWnd : m_windows)
            DestroyWindow(hWnd);
    }

    std::vector<HWND> m_windows;
};

// The title as the system shows it (a frame, a task bar), asking no window.
std::wstring ShownTitle(HWND hWnd) {
    wchar_t szText[64] = {};
    InternalGetWindowText(hWnd, szText, 64);
    return szText;
}

std::string NarrowTitle(HWND hWnd, int nSize = 64) {
    char szText[64] = {};
    GetWindowTextA(hWnd, szText, nSize);
    return szText;
}

}  // namespace

TEST_F(WindowTextWin, TitlesGiveBackTheirBytesAndShowAsTheirCharacters) {
    for (const char* pstrTitle : TITLES) {
        SCOPED_TRACE(platform::AnsiToUtf8(pstrTitle));
        HWND hWnd = Create(pstrTitle);
        ASSERT_NE(hWnd, nullptr);
        EXPECT_EQ(NarrowTitle(hWnd), pstrTitle) << "as created";
        EXPECT_EQ(ShownTitle(hWnd), platform::AnsiToWide(pstrTitle));
        ASSERT_TRUE(SetWindowTextA(hWnd, "中文"));
        EXPECT_EQ(NarrowTitle(hWnd), "中文") << "as set";
        EXPECT_EQ(ShownTitle(hWnd), L"中文");
    }
}

TEST_F(WindowTextWin, ShortBuffersCutTitlesBetweenCharacters) {
    HWND hWnd = Create("关闭");
    struct Cut {
        int size;
        const char* text;
    } const cuts[] = {{5, "关闭"}, {4, "关"}, {3, "关"}, {2, ""}};
    for (const Cut& c : cuts)
        EXPECT_EQ(NarrowTitle(hWnd, c.size), c.text) << c.size;
}

TEST(FontFaceWin, FaceNamesComeBackInCodePage936) {
    for (const char* pstrFace : {"微软雅黑", "Tahoma"}) {
        SCOPED_TRACE(platform::AnsiToUtf8(pstrFace));
        LOGFONTA lf = {};
        lf.lfHeight = -12;
        std::strcpy(lf.lfFaceName, pstrFace);
        HFONT hFont = CreateFontIndirectA(&lf);
        ASSERT_NE(hFont, nullptr);
        LOGFONTA back = {};
        EXPECT_EQ(GetObjectA(hFont, sizeof(back), &back), static_cast<int>(sizeof(back)));
        EXPECT_STREQ(back.lfFaceName, pstrFace);
        EXPECT_EQ(back.lfHeight, -12);
        DeleteObject(hFont);
    }
}
