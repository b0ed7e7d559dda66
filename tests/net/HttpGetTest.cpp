// HttpGet against real loopback servers: status conventions, redirects, retries, limits.
#include <gtest/gtest.h>

#include <atomic>
#include <fstream>

#include "net/HttpClient.h"
#include "net/TestServer.h"
#include "support/CurlResetCodes.h"
#include "tools/sim/ResetListener.h"
#include "tools/sim/SelfSignedCert.h"
#include "tools/sim/StopSignal.h"

namespace {

class HttpGetTest : public ::testing::Test {
protected:
    void SetUp() override {
        httplib::Server& s = server.Server();
        s.Get("/plain", [](const httplib::Request&, httplib::Response& res) {
            res.set_content("hello", "text/plain");
        });
        s.Get("/moved", [](const httplib::Request&, httplib::Response& res) {
            res.set_content("moved body", "text/plain");
            res.set_redirect("http://127.0.0.1:9/elsewhere", 302);
        });
        s.Get("/missing", [](const httplib::Request&, httplib::Response& res) {
            res.status = 404;
            res.set_content("no such page", "text/plain");
        });
        s.Get("/zeros", [](const httplib::Request&, httplib::Response& res) {
            res.set_content(std::string("a\0b\0\0c", 6), "application/octet-stream");
        });
        s.Get("/headers", [this](const httplib::Request& req, httplib::Response& res) {
            agent = req.get_header_value("User-Agent");
            referer = req.get_header_value("Referer");
            res.set_content("ok", "text/plain");
        });
        ASSERT_TRUE(server.Start());
    }

    CTestServer server;
    std::string agent, referer;
};

TEST_F(HttpGetTest, ReturnsBodyAndStatusAndIdentifiesItself) {
    int status = -1;
    EXPECT_EQ(HttpGet(server.Url("/plain").c_str(), status, 5, 1), "hello");
    EXPECT_EQ(status, 200);
    HttpGet(server.Url("/headers").c_str(), status, 5, 1);
    EXPECT_EQ(agent, "TavexClient");
    EXPECT_EQ(referer, "");  // only downloads send a Referer
}

TEST_F(HttpGetTest, RedirectIsNotFollowedAndTheTargetBecomesTheBody) {
    int status = -1;
    std::string body = HttpGet(server.Url("/moved").c_str(), status, 5, 1);
    EXPECT_EQ(status, 302);
    EXPECT_EQ(body, "http://127.0.0.1:9/elsewhere");
}

TEST_F(HttpGetTest, ErrorStatusKeepsItsBody) {
    int status = -1;
    EXPECT_EQ(HttpGet(server.Url("/missing").c_str(), status, 5, 1), "no such page");
    EXPECT_EQ(status, 404);
}

TEST_F(HttpGetTest, BodyWithZeroBytesIsReturnedWhole) {
    int status = -1;
    std::string body = HttpGet(server.Url("/zeros").c_str(), status, 5, 1);
    EXPECT_EQ(body, std::string("a\0b\0\0c", 6));
}

TEST(HttpGetFailures, UnreachableHostGivesTheLibcurlCodeAfterEveryAttempt) {
    // A listener that resets every connection counts the attempts.
    CResetListener listener;
    int port = listener.Bind("127.0.0.1", 0);
    ASSERT_GT(port, 0);
    listener.Start();
    int status = -1;
    std::string url = "http://127.0.0.1:" + std::to_string(port) + "/";
    EXPECT_EQ(HttpGet(url.c_str(), status, 5, 3), "");
    EXPECT_EQ(listener.AcceptCount(), 3);
    EXPECT_TRUE(testsupport::IsResetCode(status)) << status;
    listener.Stop();

    // Nothing listens there any more: connection refused.
    EXPECT_EQ(HttpGet(url.c_str(), status, 5, 3), "");
    EXPECT_EQ(status, 7);
}

TEST(HttpGetFailures, SlowAnswerEndsAtTheTimeLimit) {
    // The answer waits for the test, not for a clock, so it is late however
    // slowly the machine runs.
    CStopSignal answer;
    CTestServer server;
    server.Server().Get("/slow", [&answer](const httplib::Request&, httplib::Response& res) {
        answer.WaitFor(30000);
        res.set_content("late", "text/plain");
    });
    ASSERT_TRUE(server.Start());
    int status = -1;
    EXPECT_EQ(HttpGet(server.Url("/slow").c_str(), status, 1, 1), "");
    answer.Stop();
    EXPECT_EQ(status, 28);
}

TEST(HttpGetFailures, RetryNeverShowsBytesOfAnEarlierAttempt) {
    CTestServer server;
    std::atomic<int> calls{0};
    server.Server().Get("/flaky", [&calls](const httplib::Request&, httplib::Response& res) {
        if (++calls == 1) {
            // Promise 100 bytes, send 11, then drop the connection.
            res.set_content_provider(100, "text/plain",
                                     [](size_t, size_t, httplib::DataSink& sink) {
                                         sink.write("first-bytes", 11);
                                         return false;
                                     });
            return;
        }
        res.set_content("second", "text/plain");
    });
    ASSERT_TRUE(server.Start());
    int status = -1;
    EXPECT_EQ(HttpGet(server.Url("/flaky").c_str(), status, 5, 3), "second");
    EXPECT_EQ(status, 200);
    EXPECT_EQ(calls, 2);
}

TEST(HttpGetFailures, BodyAboveTheCapEndsAsWriteError) {
    CTestServer server;
    server.Server().Get("/big", [](const httplib::Request& req, httplib::Response& res) {
        size_t extra = req.has_param("over") ? 1 : 0;
        res.set_content(std::string(HTTP_MAX_BODY_BYTES + extra, 'x'), "text/plain");
    });
    ASSERT_TRUE(server.Start());
    int status = -1;
    EXPECT_EQ(HttpGet(server.Url("/big").c_str(), status, 15, 1).size(), HTTP_MAX_BODY_BYTES);
    EXPECT_EQ(status, 200);
    HttpGet(server.Url("/big?over=1").c_str(), status, 15, 1);
    EXPECT_EQ(status, 23);
}

TEST(HttpGetSchemes, OnlyHttpAndHttpsAreSpoken) {
    std::string path = ::testing::TempDir() + "lumora_local_secret.txt";
    std::ofstream(path) << "secret";
    int status = -1;
    EXPECT_EQ(HttpGet(("file://" + path).c_str(), status, 5, 1), "");
    EXPECT_EQ(status, 1);  // unsupported protocol
    EXPECT_EQ(HttpGet("ftp://127.0.0.1:9/x", status, 5, 1), "");
    EXPECT_EQ(status, 1);
    EXPECT_EQ(HttpGet("gopher://127.0.0.1:9/", status, 5, 1), "");
    EXPECT_EQ(status, 1);
    std::remove(path.c_str());
}

TEST(HttpGetSchemes, SelfSignedHttpsServerIsAccepted) {
    CSelfSignedCert cert;
    ASSERT_TRUE(cert.Generate());
    httplib::SSLServer tls(cert.Cert(), cert.Key());
    ASSERT_TRUE(tls.is_valid());
    tls.Get("/secure", [](const httplib::Request&, httplib::Response& res) {
        res.set_content("over tls", "text/plain");
    });
    CTestServer server(tls);
    ASSERT_TRUE(server.Start("https"));
    int status = -1;
    // "localhost" does not match the certificate's name either.
    std::string url = "https://localhost:" + std::to_string(server.Port()) + "/secure";
    EXPECT_EQ(HttpGet(url.c_str(), status, 5, 1), "over tls");
    EXPECT_EQ(status, 200);
}

}  // namespace

namespace {

TEST(HttpGetConcurrency, WorkerThreadsShareNothing) {
    CTestServer server;
    server.Server().Get(R"(/echo/(\d+))", [](const httplib::Request& req, httplib::Response& res) {
        res.set_content("n=" + req.matches[1].str(), "text/plain");
    });
    ASSERT_TRUE(server.Start());
    // Three workers, as the launcher's pool has; the first calls race the
    // library's one-time set-up.
    std::atomic<int> wrong{0};
    std::vector<std::thread> workers;
    for (int w = 0; w < 3; ++w)
        workers.emplace_back([&, w] {
            for (int i = 0; i < 20; ++i) {
                std::string n = std::to_string(w * 100 + i);
                int status = -1;
                if (HttpGet(server.Url("/echo/" + n).c_str(), status, 5, 1) != "n=" + n ||
                    status != 200)
                    ++wrong;
            }
        });
    for (std::thread& worker : workers)
        worker.join();
    EXPECT_EQ(wrong, 0);
}

}  // namespace
