// Routes of a simulated line host and the probe behaviours.
#include "tools/sim/SimLineHost.h"

#include "net/Endpoints.h"
#include "tools/sim/SimAnswers.h"
#include "tools/sim/SimSocketOptions.h"

namespace {

// The probe path without its query, which is how the server matches routes.
std::string ProbeRoute() {
    std::string path = PTLINE_PROBE_PATH;
    return path.substr(0, path.find('?'));
}

void Serve(httplib::Server& server, const std::string& path, const std::string& body,
           const char* type) {
    server.Get(path, [&body, type](const httplib::Request&, httplib::Response& res) {
        res.set_content(body, type);
    });
}

}  // namespace

CSimLineHost::CSimLineHost(const SimHostConfig& config, const SimContent& content)
    : m_config(config), m_content(content) {}

CSimLineHost::~CSimLineHost() {
    Stop();
}

int CSimLineHost::Bind(const std::string& address) {
    if (m_config.behaviour == SimProbeBehaviour::Reset) {
        m_nPort = m_reset.Bind(address, m_config.port);
        return m_nPort;
    }
    m_pServer = MakeServer();
    if (m_pServer == nullptr || !m_pServer->is_valid())
        return -1;
    m_pServer->set_socket_options(SimSocketOptions);
    if (m_config.port == 0)
        m_nPort = m_pServer->bind_to_any_port(address);
    else
        m_nPort = m_pServer->bind_to_port(address, m_config.port) ? m_config.port : -1;
    if (m_nPort > 0)
        Route();
    return m_nPort;
}

std::unique_ptr<httplib::Server> CSimLineHost::MakeServer() {
    if (!m_config.tls)
        return std::make_unique<httplib::Server>();
    if (!m_cert.Generate())
        return nullptr;
    return std::make_unique<httplib::SSLServer>([this](SSL_CTX& ctx) { return SetUpTls(ctx); });
}

bool CSimLineHost::SetUpTls(SSL_CTX& ctx) {
    if (SSL_CTX_use_certificate(&ctx, m_cert.Cert()) != 1 ||
        SSL_CTX_use_PrivateKey(&ctx, m_cert.Key()) != 1)
        return false;
    SSL_CTX_set_client_hello_cb(&ctx, DelayHandshake, this);
    return true;
}

// Holding the server's first handshake answer back lengthens the client's TLS phase.
int CSimLineHost::DelayHandshake(SSL*, int*, void* pHost) {
    auto* pThis = static_cast<CSimLineHost*>(pHost);
    if (pThis->m_config.tlsDelayMs > 0)
        pThis->m_content.stop.WaitFor(pThis->m_config.tlsDelayMs);
    return SSL_CLIENT_HELLO_SUCCESS;
}

void CSimLineHost::Route() {
    httplib::Server& server = *m_pServer;
    server.Post(PTLINE_QUERY_PATH,
                [this](const httplib::Request&, httplib::Response& res) { AnswerQuery(res); });
    server.Get(ProbeRoute(), [this](const httplib::Request& req, httplib::Response& res) {
        AnswerProbe(req, res);
    });
    Serve(server, m_content.qrJpegPath, m_content.assets.qrJpeg, "image/jpeg");
    Serve(server, m_content.qrPngPath, m_content.assets.qrPng, "image/png");
    if (!m_content.mobilePath.empty())
        Serve(server, m_content.mobilePath, m_content.assets.mobilePage, "text/html");
    if (!m_content.mobileGjPath.empty())
        Serve(server, m_content.mobileGjPath, m_content.assets.mobileGjPage, "text/html");
    Serve(server, UPDATE_INSTALLER_PATH, m_content.assets.installer, "application/octet-stream");
}

void CSimLineHost::AnswerQuery(httplib::Response& res) const {
    SimAnswer answer = BuildLineQueryAnswer(m_config.query, m_content.lineUrls);
    res.status = answer.status;
    res.set_content(answer.body, "application/json");
}

void CSimLineHost::AnswerProbe(const httplib::Request& req, httplib::Response& res) const {
    // A stopping simulator drops the request instead of answering late.
    int delay = m_config.behaviour == SimProbeBehaviour::Hang ? -1 : m_config.probeLatencyMs;
    if (!m_content.stop.WaitFor(delay)) {
        res.status = 503;
        return;
    }
    std::string callback = req.get_param_value("callback");
    bool markers = m_config.behaviour != SimProbeBehaviour::NoMarkers;
    res.status = m_config.behaviour == SimProbeBehaviour::Status ? m_config.status : 200;
    res.set_content(BuildProbeAnswer(callback, markers), "application/javascript");
}

void CSimLineHost::Start() {
    if (m_nPort <= 0 || m_thread.joinable())
        return;
    if (m_pServer == nullptr) {
        m_reset.Start();
        return;
    }
    m_thread = std::thread([this] { m_pServer->listen_after_bind(); });
    // A stop before the loop runs would be lost, so wait until it does.
    for (int i = 0; i < 5000 && !m_pServer->is_running(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

void CSimLineHost::Stop() {
    m_reset.Stop();
    if (m_pServer != nullptr)
        m_pServer->stop();
    if (m_thread.joinable())
        m_thread.join();
}
