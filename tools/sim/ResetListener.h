// A loopback listener that resets every connection it accepts.
#pragma once

#include <atomic>
#include <string>
#include <thread>

class CResetListener {
public:
    ~CResetListener() { Stop(); }

    // Binds address:port (0 = ephemeral); returns the bound port or -1.
    int Bind(const std::string& address, int port);
    void Start();
    void Stop();

private:
    void Run();

    int m_nSocket = -1;
    std::atomic<bool> m_bRunning{false};
    std::thread m_thread;
};
