// Hosts that never finish: redirect loops, slow chains, trickles, huge and broken bodies, shutdown.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "net/HttpClient.h"
#include "net/TestServer.h"
#include "net/testing/HttpSeam.h"

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
        seam::ResetDownloadTimeLimit();
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

// Answers one connection with a header and the start of a probe answer that
// already holds both markers, then resets the connection.
class CResetMidBody {
public:
    CResetMidBody() {
        m_nListen = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t len = sizeof(addr);
        if (bind(m_nListen, reinterpret_cast<sockaddr*>(&addr), len) == 0 &&
            listen(m_nListen, 4) == 0 &&
            getsockname(m_nListen, reinterpret_cast<sockaddr*>(&addr), &len) == 0)
            m_nPort = ntohs(addr.sin_port);
        m_thread = std::thread([this] { Serve(); });
    }
    ~CResetMidBody() {
        m_thread.join();
        close(m_nListen);
    }
    std::string Url() const { return "http://127.0.0.1:" + std::to_string(m_nPort) + "/probe"; }

private:
    void Serve() {
        pollfd wait{m_nListen, POLLIN, 0};
        if (m_nPort <= 0 || poll(&wait, 1, 5000) <= 0)
            return;
        int client = accept(m_nListen, nullptr, nullptr);
        char request[4096];
        pollfd readable{client, POLLIN, 0};
        if (poll(&readable, 1, 5000) > 0)
            (void)!recv(client, request, sizeof(request), 0);
        const char answer[] =
            "HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\njQuery1({\"msg\":\"ok\"";
        (void)!send(client, answer, sizeof(answer) - 1, MSG_NOSIGNAL);
        linger hard{1, 0};
        setsockopt(client, SOL_SOCKET, SO_LINGER, &hard, sizeof(hard));
        close(client);
    }

    int m_nListen = -1;
    int m_nPort = -1;
    std::thread m_thread;
};

TEST_F(HostileHostTest, RedirectLoopEndsAfterTheRedirectLimit) {
    EXPECT_EQ(Download("/loop"), 47);  // CURLE_TOO_MANY_REDIRECTS
    // The first request and ten hops, in each of the three attempts.
    EXPECT_EQ(calls, 3 * (HTTP_MAX_REDIRECTS + 1));
    EXPECT_EQ(TargetText(), "earlier picture");
}

TEST_F(HostileHostTest, SlowRedirectChainEndsAtTheTimeLimit) {
    seam::SetDownloadTimeLimit(1);
    EXPECT_EQ(Download("/chain/0"), CURL_TIMED_OUT);
    EXPECT_LT(calls, 7);  // a few hops, and no retry: the limit covers the whole call
    EXPECT_EQ(TargetText(), "earlier picture");
}

TEST_F(HostileHostTest, TrickleAboveTheStallRateEndsAtTheTimeLimit) {
    seam::SetDownloadTimeLimit(1);
    EXPECT_EQ(Download("/trickle"), CURL_TIMED_OUT);
    EXPECT_EQ(calls, 1);  // the limit covers the whole call, retries included
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

// The speed probe would take such a body as a good line.
TEST(HostileReset, ResetAfterTheProbeMarkersReturnsNoBody) {
    CResetMidBody host;
    int status = 0;
    EXPECT_EQ(HttpGet(host.Url().c_str(), status, 5, 1), "");
    EXPECT_TRUE(status == 56 || status == 18) << status;  // receive error, or cut short
}

}  // namespace
