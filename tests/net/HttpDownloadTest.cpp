// HttpDownload: result codes, redirects, Referer, and a target that only a full download replaces.
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "net/HttpClient.h"
#include "net/TestServer.h"
#include "net/testing/HttpSeam.h"
#include "platform/kernel.h"

namespace fs = std::filesystem;

namespace {

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class HttpDownloadTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::path(::testing::TempDir()) /
              ("lumora_dl_" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        target = (dir / "qr.jpg").string();
        httplib::Server& s = server.Server();
        s.Get("/image", [this](const httplib::Request& req, httplib::Response& res) {
            ++calls;
            referer = req.get_header_value("Referer");
            agent = req.get_header_value("User-Agent");
            res.set_content(std::string("\xFF\xD8\0image", 8), "image/jpeg");
        });
        s.Get("/hop", [](const httplib::Request&, httplib::Response& res) {
            res.set_redirect("/image", 302);
        });
        s.Get("/missing", [this](const httplib::Request&, httplib::Response& res) {
            ++calls;
            res.status = 404;
            res.set_content("not here", "text/plain");
        });
        ASSERT_TRUE(server.Start());
    }
    void TearDown() override {
        server.Stop();
        seam::ResetStallLimit();
        fs::remove_all(dir);
    }
    // Only the target may be left in the folder: no temporary files.
    size_t FilesInDir() const {
        return size_t(std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
    }
    void WriteTarget(const std::string& text) const {
        std::ofstream(target, std::ios::binary) << text;
    }

    CTestServer server;
    fs::path dir;
    std::string target;
    std::atomic<int> calls{0};
    std::atomic<bool> release{false};  // lets stalled handlers end before the server stops
    std::string referer, agent;
};

TEST_F(HttpDownloadTest, WritesTheBodyAndSendsRefererOfTheOrigin) {
    EXPECT_EQ(HttpDownload(server.Url("/image").c_str(), target.c_str()), 0);
    EXPECT_EQ(ReadFile(target), std::string("\xFF\xD8\0image", 8));
    EXPECT_EQ(referer, server.Url(""));
    EXPECT_EQ(agent, "TavexClient");
    EXPECT_EQ(FilesInDir(), 1u);
}

TEST_F(HttpDownloadTest, FollowsRedirects) {
    EXPECT_EQ(HttpDownload(server.Url("/hop").c_str(), target.c_str()), 0);
    EXPECT_EQ(ReadFile(target), std::string("\xFF\xD8\0image", 8));
}

TEST_F(HttpDownloadTest, ErrorStatusGives78AndKeepsTheExistingTarget) {
    WriteTarget("earlier picture");
    EXPECT_EQ(HttpDownload(server.Url("/missing").c_str(), target.c_str()), 78);
    EXPECT_EQ(ReadFile(target), "earlier picture");
    EXPECT_EQ(FilesInDir(), 1u);
}

TEST_F(HttpDownloadTest, MissingTargetStaysMissingOnFailure) {
    EXPECT_EQ(HttpDownload(server.Url("/missing").c_str(), target.c_str()), 78);
    EXPECT_FALSE(fs::exists(target));
    EXPECT_EQ(FilesInDir(), 0u);
}

TEST_F(HttpDownloadTest, FolderThatDoesNotExistGivesMinusOneWithoutARequest) {
    std::string inMissing = (dir / "no_such_folder" / "qr.jpg").string();
    EXPECT_EQ(HttpDownload(server.Url("/image").c_str(), inMissing.c_str()), -1);
    EXPECT_EQ(HttpDownload(server.Url("/image").c_str(), ""), -1);
    EXPECT_EQ(HttpDownload(server.Url("/image").c_str(), dir.string().c_str()), -1);
    EXPECT_EQ(calls, 0);
}

TEST_F(HttpDownloadTest, PathInCodePage936IsConvertedForTheFileSystem) {
    // "二维码.jpg" is compiled to GBK bytes; the file system gets UTF-8.
    std::string ansi = (dir / "").string() + "二维码.jpg";
    EXPECT_EQ(HttpDownload(server.Url("/image").c_str(), ansi.c_str()), 0);
    EXPECT_TRUE(fs::exists(platform::AnsiToUtf8(ansi.c_str())));
}

TEST_F(HttpDownloadTest, RedirectToAnotherSchemeIsRefusedAndKeepsTheTarget) {
    fs::path secret = dir / "secret.txt";
    std::ofstream(secret) << "local secret";
    server.Server().Get("/to-file", [secret](const httplib::Request&, httplib::Response& res) {
        res.set_redirect("file://" + secret.string(), 302);
    });
    WriteTarget("earlier picture");
    EXPECT_EQ(HttpDownload(server.Url("/to-file").c_str(), target.c_str()), 1);
    EXPECT_EQ(ReadFile(target), "earlier picture");
    EXPECT_EQ(HttpDownload(("file://" + secret.string()).c_str(), target.c_str()), 1);
    EXPECT_EQ(ReadFile(target), "earlier picture");
}

TEST_F(HttpDownloadTest, RetryLeavesOnlyTheSuccessfulAttemptInTheFile) {
    std::atomic<int> flakyCalls{0};
    server.Server().Get("/flaky", [&flakyCalls](const httplib::Request&, httplib::Response& res) {
        if (++flakyCalls < 3) {
            res.set_content_provider(100, "text/plain",
                                     [](size_t, size_t, httplib::DataSink& sink) {
                                         sink.write("broken-", 7);
                                         return false;
                                     });
            return;
        }
        res.set_content("whole", "text/plain");
    });
    EXPECT_EQ(HttpDownload(server.Url("/flaky").c_str(), target.c_str()), 0);
    EXPECT_EQ(ReadFile(target), "whole");
    EXPECT_EQ(flakyCalls, 3);
}

TEST_F(HttpDownloadTest, StalledTransferEndsAtTheStallLimit) {
    server.Server().Get("/stall", [this](const httplib::Request&, httplib::Response& res) {
        res.set_content_provider(1000, "image/jpeg",
                                 [this](size_t offset, size_t, httplib::DataSink& sink) {
                                     if (offset == 0)
                                         return sink.write("head", 4);
                                     while (!release)
                                         std::this_thread::sleep_for(std::chrono::milliseconds(10));
                                     return false;
                                 });
    });
    WriteTarget("earlier picture");
    // libcurl averages the speed over a few seconds, so a short test needs a
    // limit well above the few bytes that did arrive.
    seam::SetStallLimit(1000, 1);
    int result = HttpDownload(server.Url("/stall").c_str(), target.c_str());
    release = true;
    EXPECT_EQ(result, 28);
    EXPECT_EQ(ReadFile(target), "earlier picture");
    EXPECT_EQ(FilesInDir(), 1u);
}

TEST(HttpUrlOrigin, CutsAtTheFirstSlashAfterTheHost) {
    EXPECT_EQ(HttpUrlOrigin("http://a.example:81/static/x.png"), "http://a.example:81");
    EXPECT_EQ(HttpUrlOrigin("https://b.example/a/b/c"), "https://b.example");
    EXPECT_EQ(HttpUrlOrigin("https://b.example"), "https://b.example");
    EXPECT_EQ(HttpUrlOrigin("host/path"), "host");
    EXPECT_EQ(HttpUrlOrigin(nullptr), "");
}

TEST(HttpWriteToBuffer, AppendsAndRefusesNullPointersAndOversizedBodies) {
    std::string buffer = "ab";
    char data[] = "cdef";
    EXPECT_EQ(HttpWriteToBuffer(data, 2, 2, &buffer), 4u);
    EXPECT_EQ(buffer, "abcdef");
    EXPECT_EQ(HttpWriteToBuffer(nullptr, 1, 4, &buffer), size_t(-1));
    EXPECT_EQ(HttpWriteToBuffer(data, 1, 4, nullptr), size_t(-1));
    buffer.assign(HTTP_MAX_BODY_BYTES - 2, 'x');
    EXPECT_EQ(HttpWriteToBuffer(data, 1, 2, &buffer), 2u);
    EXPECT_NE(HttpWriteToBuffer(data, 1, 1, &buffer), 1u);
    EXPECT_EQ(buffer.size(), HTTP_MAX_BODY_BYTES);
}

}  // namespace
