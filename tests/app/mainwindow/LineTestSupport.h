// Shared pieces of the main window's line-work tests: the list, a query server, a message loop.
#pragma once

#include <httplib.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "app/lines/PtLine.h"
#include "net/Endpoints.h"
#include "platform/testing/platform_seam.h"
#include "platform/user.h"
#include "platform/wininet.h"

namespace linetest {

inline void SetLines(const std::vector<std::string>& urls) {
    std::lock_guard<std::mutex> guard(g_csPtLine);
    g_lstPtLine.clear();
    for (const std::string& url : urls)
        g_lstPtLine.push_back(PtLineEntry{url, -1});
}

inline std::vector<std::string> Lines() {
    std::lock_guard<std::mutex> guard(g_csPtLine);
    std::vector<std::string> urls;
    for (const PtLineEntry& entry : g_lstPtLine)
        urls.push_back(entry.url);
    return urls;
}

// A line host whose query answer the test writes; counts the requests.
class CQueryServer {
public:
    explicit CQueryServer(std::string body) : m_strBody(std::move(body)) {
        m_server.Post(PTLINE_QUERY_PATH, [this](const httplib::Request&, httplib::Response& res) {
            ++m_nRequests;
            res.set_content(m_strBody, "application/json");
        });
        m_nPort = m_server.bind_to_any_port("127.0.0.1");
        m_thread = std::thread([this] { m_server.listen_after_bind(); });
        // The socket listens once bound; waiting for the loop only keeps
        // stop() from racing its start.
        while (!m_server.is_running())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ~CQueryServer() {
        m_server.stop();
        m_thread.join();
    }
    std::string Url() const { return "http://127.0.0.1:" + std::to_string(m_nPort); }
    int Requests() const { return m_nRequests; }

private:
    std::string m_strBody;
    httplib::Server m_server;
    int m_nPort = 0;
    std::atomic<int> m_nRequests{0};
    std::thread m_thread;
};

// Reads and dispatches the calling thread's messages until done() holds,
// giving up after 30 seconds so a fault cannot hang the suite.
inline bool PumpUntil(const std::function<bool()>& done) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    MSG msg{};
    while (!done() && std::chrono::steady_clock::now() < deadline) {
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageA(&msg);
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
    return done();
}

// Forces the connection answer for one test.
struct ConnectedScope {
    explicit ConnectedScope(bool connected) { platform::seam::SetConnectedState(connected); }
    ~ConnectedScope() { platform::seam::ResetConnectedState(); }
};

}  // namespace linetest
