// Accepts and closes with a zero linger time, which sends a TCP reset.
#include "tools/sim/ResetListener.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
const int POLL_MS = 50;
}

int CResetListener::Bind(const std::string& address, int port) {
    m_nSocket = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (m_nSocket < 0)
        return -1;
    int one = 1;
    setsockopt(m_nSocket, SOL_SOCKET, SO_REUSEADDR, &one, sizeof(one));
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(uint16_t(port));
    socklen_t len = sizeof(addr);
    if (inet_pton(AF_INET, address.c_str(), &addr.sin_addr) != 1 ||
        bind(m_nSocket, reinterpret_cast<sockaddr*>(&addr), len) != 0 ||
        listen(m_nSocket, 16) != 0 ||
        getsockname(m_nSocket, reinterpret_cast<sockaddr*>(&addr), &len) != 0) {
        close(m_nSocket);
        m_nSocket = -1;
        return -1;
    }
    return ntohs(addr.sin_port);
}

void CResetListener::Start() {
    if (m_nSocket < 0 || m_bRunning)
        return;
    m_bRunning = true;
    m_thread = std::thread(&CResetListener::Run, this);
}

void CResetListener::Stop() {
    m_bRunning = false;
    if (m_thread.joinable())
        m_thread.join();
    if (m_nSocket >= 0)
        close(m_nSocket);
    m_nSocket = -1;
}

void CResetListener::Run() {
    while (m_bRunning) {
        pollfd pfd{m_nSocket, POLLIN, 0};
        if (poll(&pfd, 1, POLL_MS) <= 0)
            continue;
        int client = accept4(m_nSocket, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0)
            continue;
        ++m_nAccepted;
        linger hard{1, 0};
        setsockopt(client, SOL_SOCKET, SO_LINGER, &hard, sizeof(hard));
        close(client);
    }
}
