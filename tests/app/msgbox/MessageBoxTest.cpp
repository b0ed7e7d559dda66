// The skinned message box from the real skin, answered by injected input inside its modal loop.
#include "app/msgbox/MessageBox.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/msgbox/ModalScript.h"

namespace {

// Pictures for review go beside the test programs, never into the source tree.
std::string OutputDir() {
    return std::string(LUMORA_BIN_DIR) + "/msgbox_output";
}

using msgboxtest::BoxControl;
using msgboxtest::ClickControl;
using msgboxtest::FindTopLevel;
namespace headless = platform::headless;

HWND CreateOwner() {
    static bool s_registered = [] {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = DefWindowProcA;
        wc.lpszClassName = "MsgBoxTestOwner";
        return RegisterClassExA(&wc) != 0;
    }();
    EXPECT_TRUE(s_registered);
    return CreateWindowExA(0, "MsgBoxTestOwner", "owner", WS_POPUP | WS_VISIBLE, 100, 80, 680, 480,
                           nullptr, nullptr, nullptr, nullptr);
}

bool Visible(HWND hBox, const char* pstrName) {
    Orvik::CControlUI* pControl = BoxControl(hBox, pstrName);
    return pControl != nullptr && pControl->IsVisible();
}

POINT Centre(const RECT& rc) {
    return POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
}

class SkinnedMessageBoxTest : public ::testing::Test {
protected:
    void TearDown() override {
        EXPECT_EQ(FindTopLevel("CMessageBox"), nullptr);  // the box went with its answer
    }
    msgboxtest::CBoxScreen m_screen;
};

// Runs a box with the script's steps; the guard must not have had to end it.
int RunBox(msgboxtest::CModalScript& script, HWND hOwner, const char* pstrText,
           const char* pstrCaption, int nType) {
    script.Start();
    int nResult = CMessageBox::ShowMessage(hOwner, pstrText, pstrCaption, nType);
    EXPECT_FALSE(script.GuardFired()) << "the steps left the box open";
    return nResult;
}

TEST_F(SkinnedMessageBoxTest, EachButtonGivesItsAnswer) {
    struct Case {
        int nType;
        const char* pstrButton;
        int nResult;
    };
    const Case cases[] = {{MSGBOX_OK, "btn_ok", 1},
                          {MSGBOX_OK, "closebtn", 2},
                          {MSGBOX_OKCANCEL, "btn_ok", 1},
                          {MSGBOX_OKCANCEL, "btn_cancel", 2},
                          {MSGBOX_OKCANCEL, "closebtn", 2}};
    for (const Case& c : cases) {
        msgboxtest::CModalScript script;
        script.Then([&](HWND hBox) { ClickControl(hBox, c.pstrButton); });
        EXPECT_EQ(RunBox(script, nullptr, "text", "caption", c.nType), c.nResult)
            << c.nType << " " << c.pstrButton;
        EXPECT_EQ(FindTopLevel("CMessageBox"), nullptr);
    }
}

TEST_F(SkinnedMessageBoxTest, TypesChooseTheButtonsAndOnlyTheCloseButtonStaysInTheCaption) {
    struct Case {
        int nType;
        bool bCancel;
    };
    for (const Case& c : {Case{MSGBOX_OK, false}, Case{MSGBOX_OKCANCEL, true}}) {
        msgboxtest::CModalScript script;
        script.Then([&](HWND hBox) {
            EXPECT_TRUE(Visible(hBox, "btn_ok"));
            EXPECT_EQ(Visible(hBox, "btn_cancel"), c.bCancel);
            EXPECT_TRUE(Visible(hBox, "closebtn"));
            for (const char* pstrHidden :
                 {"minbtn", "maxbtn", "restorebtn", "checkbox", "waitingmsg_layout", "gif"})
                EXPECT_FALSE(Visible(hBox, pstrHidden)) << pstrHidden;
            EXPECT_EQ(BoxControl(hBox, "systembtn_layout")->GetFixedWidth(), 16);
            EXPECT_TRUE(BoxControl(hBox, "btn_ok")->IsFocused());
            std::filesystem::create_directories(OutputDir());
            std::string strPng = OutputDir() + "/type" + std::to_string(c.nType) + ".png";
            EXPECT_TRUE(headless::SaveWindowPng(hBox, strPng.c_str()));
            ClickControl(hBox, "btn_ok");
        });
        EXPECT_EQ(RunBox(script, nullptr, "t", "c", c.nType), 1);
        EXPECT_EQ(script.StepsRun(), 1);
    }
}

TEST_F(SkinnedMessageBoxTest, EnterAndEscapeDoNotClose) {
    msgboxtest::CModalScript script;
    script
        .Then([](HWND hBox) {
            ASSERT_EQ(GetFocus(), hBox);  // the keys reach the box
            msgboxtest::TypeKey(VK_ESCAPE);
            msgboxtest::TypeKey(VK_RETURN);
        })
        .Then([](HWND hBox) { ASSERT_NE(hBox, nullptr); })
        .Then([](HWND hBox) {
            EXPECT_TRUE(IsWindow(hBox));
            ClickControl(hBox, "btn_cancel");
        });
    EXPECT_EQ(RunBox(script, nullptr, "t", "c", MSGBOX_OKCANCEL), 2);
    EXPECT_EQ(script.StepsRun(), 3);
}

TEST_F(SkinnedMessageBoxTest, OwnerIsDisabledWhileTheBoxRunsThenEnabledAndFocused) {
    HWND hOwner = CreateOwner();
    bool bEnabledInside = true;
    POINT ptBox = {}, ptOwner = {};
    msgboxtest::CModalScript script;
    script.Then([&](HWND hBox) {
        bEnabledInside = IsWindowEnabled(hOwner) != FALSE;
        RECT rcBox{}, rcOwner{};
        GetWindowRect(hBox, &rcBox);
        GetWindowRect(hOwner, &rcOwner);
        ptBox = Centre(rcBox);
        ptOwner = Centre(rcOwner);
        ClickControl(hBox, "btn_ok");
    });
    EXPECT_EQ(RunBox(script, hOwner, "t", "c", MSGBOX_OKCANCEL), 1);
    EXPECT_FALSE(bEnabledInside);
    EXPECT_NEAR(ptBox.x, ptOwner.x, 1);
    EXPECT_NEAR(ptBox.y, ptOwner.y, 1);
    EXPECT_TRUE(IsWindowEnabled(hOwner));
    EXPECT_EQ(GetFocus(), hOwner);
    DestroyWindow(hOwner);
}

TEST_F(SkinnedMessageBoxTest, WithoutOwnerTheBoxIsCentredOnTheWorkArea) {
    RECT rcBox{};
    msgboxtest::CModalScript script;
    script.Then([&](HWND hBox) {
        GetWindowRect(hBox, &rcBox);
        ClickControl(hBox, "closebtn");
    });
    EXPECT_EQ(RunBox(script, nullptr, "t", "c", MSGBOX_OK), 2);
    EXPECT_EQ(rcBox.right - rcBox.left, 320);  // the skin's size
    EXPECT_EQ(rcBox.bottom - rcBox.top, 200);
    POINT pt = Centre(rcBox);
    EXPECT_NEAR(pt.x, 640, 1);
    EXPECT_NEAR(pt.y, 380, 1);
}

TEST_F(SkinnedMessageBoxTest, QuitEndsTheBoxWithZeroAndIsPostedAgain) {
    HWND hOwner = CreateOwner();
    msgboxtest::CModalScript script;
    script.Then([](HWND) { PostQuitMessage(7); });
    EXPECT_EQ(RunBox(script, hOwner, "t", "c", MSGBOX_OKCANCEL), 0);
    EXPECT_TRUE(IsWindowEnabled(hOwner));
    MSG msg{};
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 7u);
    DestroyWindow(hOwner);
}

// The owner going (a window manager's close, say) takes the box along: no answer is an OK.
TEST_F(SkinnedMessageBoxTest, AnOwnerDestroyedUnderTheBoxAnswersCancel) {
    HWND hOwner = CreateOwner();
    HWND hBoxSeen = nullptr;
    msgboxtest::CModalScript script;
    script.Then([&](HWND hBox) {
        hBoxSeen = hBox;
        DestroyWindow(hOwner);
    });
    EXPECT_EQ(RunBox(script, hOwner, "t", "c", MSGBOX_OKCANCEL), MSGBOX_RESULT_CANCEL);
    EXPECT_NE(hBoxSeen, nullptr);
    EXPECT_FALSE(IsWindow(hBoxSeen));
    MSG msg{};
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST_F(SkinnedMessageBoxTest, TextAndCaptionShowInTheSkin) {
    const char* pstrText = "检测到新版本[1.0.7]，当前版本[1.0.6]， 请点击确定下载使用新版！";
    const char* pstrCaption = "Lumora-升级提示";
    std::string strText, strTitle;
    char szWindowText[64] = {};
    msgboxtest::CModalScript script;
    script.Then([&](HWND hBox) {
        strText = BoxControl(hBox, "txt_normalmsg")->GetText().GetData();
        strTitle = BoxControl(hBox, "title")->GetText().GetData();
        GetWindowTextA(hBox, szWindowText, sizeof szWindowText);
        std::filesystem::create_directories(OutputDir());
        EXPECT_TRUE(headless::SaveWindowPng(hBox, (OutputDir() + "/update-prompt.png").c_str()));
        ClickControl(hBox, "btn_ok");
    });
    EXPECT_EQ(RunBox(script, nullptr, pstrText, pstrCaption, MSGBOX_OK), 1);
    EXPECT_EQ(strText, pstrText);
    EXPECT_EQ(strTitle, pstrCaption);
    EXPECT_STREQ(szWindowText, pstrCaption);
}

}  // namespace
