// Shutdown while a worker downloads a QR image from a host that trickles it without end.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>

#include "app/pool/IdleThreadManager.h"
#include "app/startup/StartUp.h"
#include "net/HttpClient.h"
#include "net/TestServer.h"

namespace {

// Runs the download as the client page's QR job does and keeps its result.
class CDownloadClient : public IIdleTreadClient {
public:
    std::string url, path;
    std::atomic<int> result{-100};

    int Download(INT_PTR, LPARAM*) {
        result = HttpDownload(url.c_str(), path.c_str());
        return result;
    }
};

TEST(Shutdown, CancelsATricklingQrDownloadInFlight) {
    std::atomic<bool> release{false};
    std::atomic<int> calls{0};
    CTestServer server;
    server.Server().Get("/qr.jpg", [&](const httplib::Request&, httplib::Response& res) {
        ++calls;
        res.set_chunked_content_provider("image/jpeg", [&](size_t, httplib::DataSink& sink) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            return !release && sink.write("x", 1);
        });
    });
    ASSERT_TRUE(server.Start());
    CDownloadClient client;
    client.url = server.Url("/qr.jpg");
    client.path = (std::filesystem::path(::testing::TempDir()) / "lumora_shutdown_qr.jpg").string();

    InitWorkersAndLines();
    IdleJob job;
    job.name = "CMainFrame::DownloadQrCode";
    job.proc = static_cast<IdleProc>(&CDownloadClient::Download);
    job.client = &client;
    ASSERT_NE(PostIdleJob(-1, job), 0u);
    for (int i = 0; i < 2000 && calls == 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    ASSERT_EQ(calls, 1);

    auto start = std::chrono::steady_clock::now();
    ShutdownWorkers();
    auto waited = std::chrono::steady_clock::now() - start;
    release = true;
    EXPECT_EQ(client.result, 42);  // CURLE_ABORTED_BY_CALLBACK: cancelled, not timed out
    EXPECT_EQ(calls, 1);
    EXPECT_LT(waited, std::chrono::seconds(5));  // safety bound only; the code above is the proof
    EXPECT_FALSE(std::filesystem::exists(client.path));
    EXPECT_FALSE(HttpIsStopping());  // whatever runs after the pool may use the network
}

}  // namespace
