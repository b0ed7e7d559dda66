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
    // Connections accepted (and reset) so far.
    int AcceptCount() const { return m_nAccepted; }

private:
    void Run();

    int m_nSocket = -1;
    std::atomic<bool> m_bRunning{false};
    std::atomic<int> m_nAccepted{0};
    std::thread m_thread;
};
