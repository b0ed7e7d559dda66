// One simulated line host: line query, speed probe, QR images and installer on a loopback port.
#pragma once

#include <httplib.h>

#include <memory>
#include <thread>

#include "tools/sim/ResetListener.h"
#include "tools/sim/SelfSignedCert.h"
#include "tools/sim/SimContent.h"
#include "tools/sim/SimProfile.h"

class CSimLineHost {
public:
    CSimLineHost(const SimHostConfig& config, const SimContent& content);
    ~CSimLineHost();
    CSimLineHost(const CSimLineHost&) = delete;
    CSimLineHost& operator=(const CSimLineHost&) = delete;

    // Binds the configured port (0 = ephemeral); returns the bound port or -1.
    int Bind(const std::string& address);
    // Starts answering on a thread of its own; the content must be complete.
    void Start();
    // Stops answering; the content's stop signal must already be raised so
    // that delayed and hanging handlers return.
    void Stop();
    int Port() const { return m_nPort; }

private:
    std::unique_ptr<httplib::Server> MakeServer();
    bool SetUpTls(SSL_CTX& ctx);
    static int DelayHandshake(SSL* pSsl, int* pAlert, void* pHost);
    void Route();
    void AnswerQuery(httplib::Response& res) const;
    void AnswerProbe(const httplib::Request& req, httplib::Response& res) const;

    SimHostConfig m_config;
    const SimContent& m_content;
    int m_nPort = -1;
    std::unique_ptr<httplib::Server> m_pServer;
    CResetListener m_reset;
    CSelfSignedCert m_cert;
    std::thread m_thread;
};
