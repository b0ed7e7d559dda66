// ShellExecuteA: web addresses reach the opener as one argument, anything else is refused.
#include "platform/shell.h"

#include <errno.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/testing/platform_seam.h"
#include "support/CaptureStderr.h"
#include "support/ShellRecorder.h"

namespace {

INT_PTR Open(const char* pstrUrl, const char* pstrVerb = nullptr) {
    return reinterpret_cast<INT_PTR>(
        ShellExecuteA(nullptr, pstrVerb, pstrUrl, nullptr, nullptr, SW_SHOWNORMAL));
}

// Every child of ours is gone: reaped, not a zombie, not running.
bool NoChildLeft() {
    int nStatus = 0;
    return waitpid(-1, &nStatus, WNOHANG) == -1 && errno == ECHILD;
}

class ShellExecuteTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_recorder.Ready()); }
    // A marker call after the refused ones: once it is recorded, so would be any
    // call the refused ones had wrongly made before it.
    std::vector<std::string> CallsThroughMarker() {
        std::string marker = "http://marker.test/";
        EXPECT_GT(Open(marker.c_str()), 32);
        return m_recorder.WaitForCalls(1);
    }
    testsupport::CShellRecorder m_recorder;
};

TEST_F(ShellExecuteTest, WebAddressesReachTheOpenerVerbatimAsOneArgument) {
    std::string pwned = m_recorder.Dir() + "/pwned";
    const std::string urls[] = {
        "http://example.test/",
        "HTTPS://Example.Test/path?q=1&r=2#frag",
        "hTtP://h.test/with spaces/ and more ",
        "http://h.test/it's \"quoted\" 'twice'",
        "http://h.test/;touch " + pwned + ";",
        "http://h.test/$(touch " + pwned + ")`touch " + pwned + "`",
        "https://h.test/a|b&c>d<e*?",
    };
    size_t nCalls = 0;
    for (const std::string& url : urls) {
        EXPECT_GT(Open(url.c_str(), nCalls % 2 == 0 ? nullptr : "open"), 32) << url;
        std::vector<std::string> calls = m_recorder.WaitForCalls(++nCalls);
        ASSERT_EQ(calls.size(), nCalls) << url;
        EXPECT_EQ(calls.back(), "1|" + url);
    }
    EXPECT_FALSE(std::filesystem::exists(pwned));
    EXPECT_TRUE(NoChildLeft());
}

TEST_F(ShellExecuteTest, AnythingButAWebAddressIsRefusedAndTraced) {
    const char* const refused[] = {
        nullptr,
        "",
        "file:///etc/passwd",
        "FILE://x",
        "javascript:alert(1)",
        "relative/path",
        "/abs/path",
        "ftp://h.test/",
        "mailto:a@b.test",
        "http:",
        "http://",
        "http:/h.test",
        " http://h.test/",
        "-http://h.test/",
        "http://h.test/\nsecond line",
        "https://h.test/\x1b[2J",
    };
    testsupport::CCaptureStderr trace;
    for (const char* pstrUrl : refused) {
        INT_PTR nRes = Open(pstrUrl);
        EXPECT_LE(nRes, 32) << (pstrUrl ? pstrUrl : "(null)");
        EXPECT_EQ(nRes, SE_ERR_NOASSOC);
    }
    std::string text = trace.Text();
    EXPECT_NE(text.find("ShellExecuteA: refused, not a web address [(null)]"), std::string::npos);
    EXPECT_NE(text.find("[javascript:alert(1)]"), std::string::npos);
    EXPECT_EQ(CallsThroughMarker(), std::vector<std::string>{"1|http://marker.test/"});
}

TEST_F(ShellExecuteTest, OnlyTheOpenVerbOpens) {
    testsupport::CCaptureStderr trace;
    for (const char* pstrVerb : {"edit", "print", "runas", "OPEN", ""})
        EXPECT_EQ(Open("http://h.test/", pstrVerb), SE_ERR_NOASSOC) << pstrVerb;
    EXPECT_NE(trace.Text().find("ShellExecuteA: refused verb [print]"), std::string::npos);
    EXPECT_EQ(CallsThroughMarker(), std::vector<std::string>{"1|http://marker.test/"});
}

TEST_F(ShellExecuteTest, AMissingOpenerIsAFailureAndLeavesNoChild) {
    testsupport::CCaptureStderr trace;
    for (const char* pstrProgram : {"/nonexistent/lumora-opener", "lumora-no-such-opener"}) {
        platform::seam::SetShellOpenProgram(pstrProgram);
        EXPECT_EQ(Open("http://h.test/"), SE_ERR_FNF) << pstrProgram;
    }
    platform::seam::ResetShellOpenProgram();
    EXPECT_NE(trace.Text().find("the opener could not be started for [http://h.test/]"),
              std::string::npos);
    EXPECT_TRUE(NoChildLeft());
}

TEST_F(ShellExecuteTest, ManyOpensLeaveNoZombie) {
    for (int i = 0; i < 8; ++i)
        EXPECT_GT(Open(("http://h.test/" + std::to_string(i)).c_str()), 32);
    EXPECT_TRUE(NoChildLeft());
    EXPECT_EQ(m_recorder.WaitForCalls(8).size(), 8u);
}

TEST(ShellExecuteDescriptors, TheOpenerInheritsNoDescriptorButTheStandardOnes) {
    // The opener lists its shell's descriptors beside its log.
    testsupport::CShellRecorder recorder("ls /proc/$$/fd > \"$(dirname \"$0\")/fds\"");
    ASSERT_TRUE(recorder.Ready());
    const int LEAK_FD = 200;               // above what the shell uses for its script
    int fd = open("/dev/null", O_RDONLY);  // deliberately without close-on-exec
    ASSERT_EQ(dup2(fd, LEAK_FD), LEAK_FD);
    close(fd);
    EXPECT_GT(Open("http://h.test/"), 32);
    close(LEAK_FD);
    ASSERT_EQ(recorder.WaitForCalls(1).size(), 1u);
    std::ifstream in(recorder.Dir() + "/fds");
    std::vector<std::string> fds;
    for (std::string strFd; in >> strFd;)
        fds.push_back(strFd);
    for (const char* pstrStd : {"0", "1", "2"})
        EXPECT_NE(std::find(fds.begin(), fds.end(), pstrStd), fds.end()) << pstrStd;
    EXPECT_EQ(std::find(fds.begin(), fds.end(), std::to_string(LEAK_FD)), fds.end());
}

}  // namespace
