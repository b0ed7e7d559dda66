// MessageBoxA: routed through the backend's hook, headless text on standard error.
#include <gtest/gtest.h>

#include <string>

#include "UserTestSupport.h"
#include "platform/backends/headless/headless_backend.h"
#include "platform/user.h"
#include "platform/user/backend.h"
#include "support/CaptureStderr.h"

namespace {

std::string Utf8(const char8_t* text) {
    return reinterpret_cast<const char*>(text);
}

// Answers every message box with Cancel and remembers what it was asked.
class DialogBackend : public platform::headless::HeadlessBackend {
public:
    int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption,
                       UINT type) override {
        m_owner = owner, m_text = text, m_caption = caption, m_type = type;
        return IDCANCEL;
    }
    HWND m_owner = reinterpret_cast<HWND>(1);
    std::string m_text, m_caption;
    UINT m_type = 0;
};

}  // namespace

TEST(MessageBoxTest, HeadlessWritesCaptionAndTextInUtf8AndAnswersOk) {
    struct Case {
        const char* text;
        const char* caption;
        std::string expected;
    } cases[] = {
        {"加载资源文件失败", "Orvik", Utf8(u8"Orvik: 加载资源文件失败\n")},
        {"plain", nullptr, ": plain\n"},
        {nullptr, "only caption", "only caption: \n"},
    };
    for (const Case& c : cases) {
        testsupport::CCaptureStderr capture;
        EXPECT_EQ(MessageBoxA(nullptr, c.text, c.caption, MB_OK | MB_ICONERROR), IDOK);
        EXPECT_EQ(capture.Text(), c.expected);
    }
}

TEST(MessageBoxTest, InstalledBackendDecidesAndNeverSeesAStaleOwner) {
    DialogBackend backend;
    platform::user::InstallBackend(&backend);
    HWND owner = usertest::MakeWindow(RECT{0, 0, 50, 50});
    EXPECT_EQ(MessageBoxA(owner, "提示", "Lumora", MB_OKCANCEL), IDCANCEL);
    EXPECT_EQ(backend.m_owner, owner);
    EXPECT_EQ(backend.m_text, Utf8(u8"提示"));
    EXPECT_EQ(backend.m_caption, "Lumora");
    EXPECT_EQ(backend.m_type, UINT(MB_OKCANCEL));
    DestroyWindow(owner);
    MessageBoxA(owner, "", "", MB_OK);
    EXPECT_EQ(backend.m_owner, nullptr);
    platform::user::InstallBackend(nullptr);
}
