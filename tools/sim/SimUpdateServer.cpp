// HTTPS routes of the update server.
#include "tools/sim/SimUpdateServer.h"

#include "net/Endpoints.h"
#include "tools/sim/SimAnswers.h"
#include "tools/sim/SimSocketOptions.h"

CSimUpdateServer::~CSimUpdateServer() {
    Stop();
}

int CSimUpdateServer::Bind(const std::string& address, int port) {
    if (!m_cert.Generate())
        return -1;
    m_pServer = std::make_unique<httplib::SSLServer>(m_cert.Cert(), m_cert.Key());
    if (!m_pServer->is_valid())
        return -1;
    m_pServer->set_socket_options(SimSocketOptions);
    if (port == 0)
        m_nPort = m_pServer->bind_to_any_port(address);
    else
        m_nPort = m_pServer->bind_to_port(address, port) ? port : -1;
    if (m_nPort <= 0)
        return -1;
    std::string manifest = BuildManifest(m_content.announcedVersion);
    m_pServer->Get(UPDATE_MANIFEST_PATH,
                   [manifest](const httplib::Request&, httplib::Response& res) {
                       res.set_content(manifest, "application/json");
                   });
    m_pServer->Get(UPDATE_INSTALLER_PATH, [this](const httplib::Request&, httplib::Response& res) {
        res.set_content(m_content.assets.installer, "application/octet-stream");
    });
    return m_nPort;
}

void CSimUpdateServer::Start() {
    if (m_nPort <= 0 || m_thread.joinable())
        return;
    m_thread = std::thread([this] { m_pServer->listen_after_bind(); });
    for (int i = 0; i < 5000 && !m_pServer->is_running(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

void CSimUpdateServer::Stop() {
    if (m_pServer != nullptr)
        m_pServer->stop();
    if (m_thread.joinable())
        m_thread.join();
}
