// HttpPost: the body is sent unchanged as a form post, one attempt.
#include <gtest/gtest.h>

#include <atomic>

#include "net/Endpoints.h"
#include "net/HttpClient.h"
#include "net/TestServer.h"

namespace {

TEST(HttpPost, SendsTheFormBodyUnchangedWithTheDefaultContentType) {
    CTestServer server;
    std::string method, type, body, agent;
    server.Server().Post(PTLINE_QUERY_PATH,
                         [&](const httplib::Request& req, httplib::Response& res) {
                             method = req.method;
                             type = req.get_header_value("Content-Type");
                             agent = req.get_header_value("User-Agent");
                             body = req.body;
                             res.set_content("{\"code\":1}", "application/json");
                         });
    ASSERT_TRUE(server.Start());
    int status = -1;
    std::string answer = HttpPost(status, server.Url(PTLINE_QUERY_PATH).c_str(), PTLINE_QUERY_BODY);
    EXPECT_EQ(status, 200);
    EXPECT_EQ(answer, "{\"code\":1}");
    EXPECT_EQ(method, "POST");
    EXPECT_EQ(body, "lineType=4&platformId=5");
    EXPECT_EQ(type, "application/x-www-form-urlencoded");
    EXPECT_EQ(agent, "TavexClient");
}

TEST(HttpPost, MakesExactlyOneAttempt) {
    CTestServer server;
    std::atomic<int> calls{0};
    server.Server().Post("/fail", [&calls](const httplib::Request&, httplib::Response& res) {
        ++calls;
        res.set_content_provider(50, "text/plain", [](size_t, size_t, httplib::DataSink& sink) {
            sink.write("partial", 7);
            return false;
        });
    });
    ASSERT_TRUE(server.Start());
    int status = -1;
    EXPECT_EQ(HttpPost(status, server.Url("/fail").c_str(), "a=1"), "");  // never a partial body
    EXPECT_EQ(status, 18);                                                // partial file
    EXPECT_EQ(calls, 1);
}

TEST(HttpPost, RedirectIsReportedNotFollowed) {
    CTestServer server;
    std::atomic<int> targetCalls{0};
    server.Server().Post("/moved", [](const httplib::Request&, httplib::Response& res) {
        res.set_redirect("/target", 302);
    });
    server.Server().Post("/target",
                         [&](const httplib::Request&, httplib::Response&) { ++targetCalls; });
    ASSERT_TRUE(server.Start());
    int status = -1;
    HttpPost(status, server.Url("/moved").c_str(), "x=1");
    EXPECT_EQ(status, 302);
    EXPECT_EQ(targetCalls, 0);
}

TEST(HttpPost, RefusesOtherSchemes) {
    int status = -1;
    EXPECT_EQ(HttpPost(status, "file:///etc/hostname", "a=1"), "");
    EXPECT_EQ(status, 1);
}

}  // namespace
