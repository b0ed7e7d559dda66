// QR downloads that complete but carry no picture keep the one of an earlier run and the button.
#include <gtest/gtest.h>

#include "app/launcher/LauncherFixture.h"
#include "app/pages/Page2QRFile.h"
#include "net/TestServer.h"

using namespace launchertest;

namespace {

std::string FileText(const std::string& strPath) {
    std::ifstream in(strPath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

const std::string SKIN_DIR = std::string(LUMORA_SOURCE_DIR) + "/skin/";

// What a line host answers to every QR request; refused means nothing listens.
struct Answer {
    const char* name;
    std::string body;
    const char* type;
    bool refused;
};

std::vector<Answer> BadAnswers() {
    std::string jpeg = FileText(SKIN_DIR + "qrcode.jpg");
    std::string png = FileText(SKIN_DIR + "bg.png");
    return {
        {"a web page", "<!DOCTYPE html><html><body>Login</body></html>", "text/html", false},
        {"a cut-off JPEG", jpeg.substr(0, jpeg.size() / 2), "image/jpeg", false},
        {"a cut-off PNG", png.substr(0, png.size() / 2), "image/png", false},
        {"an empty body", "", "image/jpeg", false},
        {"a refused connection", "", "", true},
    };
}

class QRCodeDownload : public CLauncherTest {
protected:
    // Runs the job as the worker would, for a line host answering with answer,
    // then hands its end to the page.
    void DownloadFrom(const Answer& answer) {
        CTestServer server;
        server.Server().Get(".*", [&](const httplib::Request&, httplib::Response& res) {
            res.set_content(answer.body, answer.type);
        });
        ASSERT_TRUE(server.Start());
        std::string strHost = server.Url("");
        if (answer.refused)
            server.Stop();
        CPage2* pPage = m_pFrame->GetPage2();
        auto* pArg = new std::vector<std::string>{strHost, pPage->GetMobileQRUrl(),
                                                  pPage->GetMobileGjQRUrl()};
        testsupport::CCaptureStderr quiet;
        m_nResult = m_pFrame->DownloadQRCodes(reinterpret_cast<INT_PTR>(pArg), nullptr);
        pPage->OnCustomMessage(WM_GETQRCODE_DONE);
        Pump();
    }
    // Names in the temporary folder that are neither QR file nor the fixture's own.
    std::vector<std::string> LeftOver() {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_strTempDir)) {
            std::string strName = entry.path().filename().string();
            if (strName.rfind("tavex_", 0) == 0 && strName != "tavex_mqr.jpg" &&
                strName != "tavex_mgjqr.jpg")
                names.push_back(strName);
        }
        return names;
    }
    int m_nResult = 0;
};

}  // namespace

TEST_F(QRCodeDownload, AnAnswerThatIsNoPictureKeepsTheCodeOfAnEarlierRun) {
    const std::string strGood = FileText(SKIN_DIR + "qrcode.jpg");
    std::ofstream(m_strTempDir + "tavex_mqr.jpg", std::ios::binary) << strGood;
    std::ofstream(m_strTempDir + "tavex_mgjqr.jpg", std::ios::binary) << strGood;
    Open(false);
    Click(Find("opt_page2"));
    for (const Answer& answer : BadAnswers()) {
        DownloadFrom(answer);
        EXPECT_NE(m_nResult, 0) << answer.name;
        EXPECT_TRUE(FileText(m_strTempDir + "tavex_mqr.jpg") == strGood) << answer.name;
        EXPECT_TRUE(FileText(m_strTempDir + "tavex_mgjqr.jpg") == strGood) << answer.name;
        EXPECT_EQ(LeftOver(), std::vector<std::string>()) << answer.name;
        EXPECT_FALSE(Find("lbl_mobile")->IsEnabled()) << answer.name;
        EXPECT_STREQ(Find("lbl_mobile")->GetText(), "") << answer.name;
    }
}

TEST_F(QRCodeDownload, AFailedDownloadLeavesTheButtonUsableForARetry) {
    // An older version may have left a web page under the picture's name.
    std::ofstream(m_strTempDir + "tavex_mgjqr.jpg", std::ios::binary) << "<html></html>";
    Open(false);
    Click(Find("opt_page2"));
    std::string strText = Find("lbl_mobile")->GetText().GetData();
    ASSERT_FALSE(strText.empty());
    EXPECT_TRUE(Find("lbl_mobilegj")->IsEnabled());
    DownloadFrom(BadAnswers()[0]);
    EXPECT_FALSE(std::filesystem::exists(m_strTempDir + "tavex_mqr.jpg"));
    for (const char* pstrName : {"lbl_mobile", "lbl_mobilegj"}) {
        EXPECT_TRUE(Find(pstrName)->IsEnabled()) << pstrName;
        EXPECT_EQ(std::string(Find(pstrName)->GetText().GetData()), strText) << pstrName;
    }
    Screenshot("client_page_after_bad_answer");
    // The retry that gets a picture shows it.
    DownloadFrom({"a picture", FileText(SKIN_DIR + "qrcode.jpg"), "image/jpeg", false});
    EXPECT_EQ(m_nResult, 0);
    EXPECT_TRUE(FileText(m_strTempDir + "tavex_mgjqr.jpg") == FileText(SKIN_DIR + "qrcode.jpg"));
    EXPECT_FALSE(Find("lbl_mobilegj")->IsEnabled());
    EXPECT_EQ(LeftOver(), std::vector<std::string>());
    Screenshot("client_page_retry_after_bad_answer");
}

TEST(QRCodeFile, AReplaceSwapsTheWholeFileOrLeavesBoth) {
    std::string strDir = ::testing::TempDir() + "qr_replace_" + std::to_string(getpid()) + "/";
    std::filesystem::create_directories(strDir);
    std::ofstream(strDir + "old", std::ios::binary) << "old";
    std::ofstream(strDir + "new", std::ios::binary) << "new";
    EXPECT_TRUE(ReplaceFileAtomically(strDir + "new", strDir + "old"));
    EXPECT_EQ(FileText(strDir + "old"), "new");
    EXPECT_FALSE(std::filesystem::exists(strDir + "new"));
    EXPECT_FALSE(ReplaceFileAtomically(strDir + "missing", strDir + "old"));
    EXPECT_EQ(FileText(strDir + "old"), "new");
    std::filesystem::remove_all(strDir);
}
