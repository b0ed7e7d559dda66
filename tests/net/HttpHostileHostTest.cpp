// Hosts that never finish: redirect loops, slow chains, trickles, huge and broken bodies, shutdown.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "net/HttpClient.h"
#include "net/TestServer.h"

namespace fs = std::filesystem;

namespace {

const int CURL_ABORTED = 42;  // CURLE_ABORTED_BY_CALLBACK
const int CURL_TIMED_OUT = 28;

// A loopback host with every hostile answer, and a download target that
// must keep its earlier content whatever the host does.
class HostileHostTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::path(::testing::TempDir()) /
              ("lumora_hostile_" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        target = (dir / "qr.jpg").string();
        std::ofstream(target, std::ios::binary) << "earlier picture";
        AddHandlers(server.Server());
        ASSERT_TRUE(server.Start());
    }
    void TearDown() override {
        release = true;
        server.Stop();
        HttpAllowTransfers();
        HttpSetDownloadTimeLimit(HTTP_DOWNLOAD_TIME_LIMIT_SECONDS);
        fs::remove_all(dir);
    }

    void AddHandlers(httplib::Server& s) {
        s.Get("/loop", [this](const httplib::Request&, httplib::Response& res) {
            ++calls;
            res.set_redirect("/loop", 302);
        });
        s.Get(R"(/chain/(\d+))", [this](const httplib::Request& req, httplib::Response& res) {
            ++calls;
            Pause(200);
            res.set_redirect("/chain/" + std::to_string(std::stoi(req.matches[1]) + 1), 302);
        });
        s.Get("/trickle", [this](const httplib::Request&, httplib::Response& res) {
            ++calls;
            res.set_chunked_content_provider("image/jpeg", [this](size_t, httplib::DataSink& sink) {
                Pause(20);  // 50 bytes a second: far above any stall limit
                return !release && sink.write("x", 1);
            });
        });
        s.Get("/announced-huge", [](const httplib::Request&, httplib::Response& res) {
            res.set_content_provider(
                HTTP_MAX_BODY_BYTES + 1, "image/jpeg",
                [](size_t, size_t, httplib::DataSink& sink) { return sink.write("x", 1); });
        });
        s.Get("/unannounced-huge", [](const httplib::Request&, httplib::Response& res) {
            auto sent = std::make_shared<size_t>(0);
            res.set_chunked_content_provider("image/jpeg", [sent](size_t, httplib::DataSink& sink) {
                std::string chunk(1 << 20, 'x');
                *sent += chunk.size();
                return *sent <= HTTP_MAX_BODY_BYTES + chunk.size() &&
                       sink.write(chunk.data(), chunk.size());
            });
        });
        // A probe answer cut off after its markers.
        s.Get("/cut", [](const httplib::Request&, httplib::Response& res) {
            res.set_content_provider(100, "text/javascript",
                                     [](size_t, size_t, httplib::DataSink& sink) {
                                         sink.write("jQuery({\"msg\":\"ok\"", 18);
                                         return false;
                                     });
        });
    }

    // Sleeps in small steps so that TearDown never waits long for a handler.
    void Pause(int ms) {
        for (int i = 0; i < ms && !release; i += 5)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    // Bounded wait until the host has been asked at least once.
    bool WaitForCall() {
        for (int i = 0; i < 1000 && calls == 0; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        return calls > 0;
    }
    std::string TargetText() const {
        std::ifstream in(target, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    int Download(const char* path) {
        return HttpDownload(server.Url(path).c_str(), target.c_str());
    }

    CTestServer server;
    fs::path dir;
    std::string target;
    std::atomic<int> calls{0};
    std::atomic<bool> release{false};
};

TEST_F(HostileHostTest, RedirectLoopEndsAfterTheRedirectLimit) {
    EXPECT_EQ(Download("/loop"), 47);  // CURLE_TOO_MANY_REDIRECTS
    // The first request and ten hops, in each of the three attempts.
    EXPECT_EQ(calls, 3 * (HTTP_MAX_REDIRECTS + 1));
    EXPECT_EQ(TargetText(), "earlier picture");
}

TEST_F(HostileHostTest, SlowRedirectChainEndsAtTheTimeLimit) {
    HttpSetDownloadTimeLimit(1);
    EXPECT_EQ(Download("/chain/0"), CURL_TIMED_OUT);
    EXPECT_LT(calls, 3 * 6 + 1);  // a few hops per attempt, never the whole chain
    EXPECT_EQ(TargetText(), "earlier picture");
}

TEST_F(HostileHostTest, TrickleAboveTheStallRateEndsAtTheTimeLimit) {
    HttpSetDownloadTimeLimit(1);
    EXPECT_EQ(Download("/trickle"), CURL_TIMED_OUT);
    EXPECT_EQ(calls, 3);  // every attempt is limited
    EXPECT_EQ(TargetText(), "earlier picture");
}

TEST_F(HostileHostTest, OversizedBodiesAreRefused) {
    EXPECT_EQ(Download("/announced-huge"), 63);    // CURLE_FILESIZE_EXCEEDED, from the header
    EXPECT_EQ(Download("/unannounced-huge"), 23);  // the body sink's cap
    EXPECT_EQ(TargetText(), "earlier picture");
}

TEST_F(HostileHostTest, StopEndsADownloadInFlightWithTheCancelCode) {
    std::atomic<int> result{-100};
    std::thread worker([&] { result = Download("/trickle"); });
    ASSERT_TRUE(WaitForCall());
    HttpStopAll();
    worker.join();
    EXPECT_EQ(result, CURL_ABORTED);
    EXPECT_EQ(calls, 1);  // no retry after the stop
    EXPECT_EQ(TargetText(), "earlier picture");
}

TEST_F(HostileHostTest, AfterStopNothingIsSentUntilTransfersAreAllowed) {
    HttpStopAll();
    int status = 0;
    EXPECT_EQ(HttpGet(server.Url("/loop").c_str(), status, 5, 3), "");
    EXPECT_EQ(status, CURL_ABORTED);
    EXPECT_EQ(HttpPost(status, server.Url("/loop").c_str(), "a=1"), "");
    EXPECT_EQ(status, CURL_ABORTED);
    EXPECT_EQ(Download("/loop"), CURL_ABORTED);
    EXPECT_EQ(calls, 0);
    HttpAllowTransfers();
    HttpGet(server.Url("/loop").c_str(), status, 5, 1);
    EXPECT_EQ(status, 302);
}

TEST_F(HostileHostTest, FailedTransferReturnsNoPartialBody) {
    int status = 0;
    EXPECT_EQ(HttpGet(server.Url("/cut").c_str(), status, 5, 1), "");
    EXPECT_LT(status, 100);
    EXPECT_NE(status, 0);
    EXPECT_EQ(HttpGet(server.Url("/trickle").c_str(), status, 1, 1), "");
    EXPECT_EQ(status, CURL_TIMED_OUT);
}

}  // namespace
