// An in-process HTTP server on an ephemeral loopback port for the client's tests.
#pragma once

#include <httplib.h>

#include <atomic>
#include <string>
#include <thread>

class CTestServer {
public:
    CTestServer() : m_pServer(&m_plain) {}
    explicit CTestServer(httplib::Server& server) : m_pServer(&server) {}
    ~CTestServer() { Stop(); }

    httplib::Server& Server() { return *m_pServer; }

    // Binds an ephemeral port and starts answering; false when it cannot.
    bool Start(const char* scheme = "http") {
        m_nPort = m_pServer->bind_to_any_port("127.0.0.1");
        if (m_nPort <= 0)
            return false;
        m_strBase = std::string(scheme) + "://127.0.0.1:" + std::to_string(m_nPort);
        m_thread = std::thread([this] { m_pServer->listen_after_bind(); });
        for (int i = 0; i < 5000 && !m_pServer->is_running(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return m_pServer->is_running();
    }
    void Stop() {
        m_pServer->stop();
        if (m_thread.joinable())
            m_thread.join();
    }
    std::string Url(const std::string& path) const { return m_strBase + path; }
    int Port() const { return m_nPort; }

private:
    httplib::Server m_plain;
    httplib::Server* m_pServer;
    int m_nPort = -1;
    std::string m_strBase;
    std::thread m_thread;
};
