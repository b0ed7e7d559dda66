// The simulated update server: the version manifest and the installer over HTTPS.
#pragma once

#include <httplib.h>

#include <memory>
#include <thread>

#include "tools/sim/SelfSignedCert.h"
#include "tools/sim/SimContent.h"

class CSimUpdateServer {
public:
    explicit CSimUpdateServer(const SimContent& content) : m_content(content) {}
    ~CSimUpdateServer();
    CSimUpdateServer(const CSimUpdateServer&) = delete;
    CSimUpdateServer& operator=(const CSimUpdateServer&) = delete;

    // Makes a fresh self-signed certificate and binds address:port (0 =
    // ephemeral). Returns the bound port or -1.
    int Bind(const std::string& address, int port);
    void Start();
    void Stop();
    int Port() const { return m_nPort; }

private:
    const SimContent& m_content;
    CSelfSignedCert m_cert;
    std::unique_ptr<httplib::SSLServer> m_pServer;
    int m_nPort = -1;
    std::thread m_thread;
};
