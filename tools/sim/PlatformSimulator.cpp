// Binds every simulated host first, so the line query can announce the bound ports, then starts
// them.
#include "tools/sim/PlatformSimulator.h"

#include "tools/sim/SimLineHost.h"
#include "tools/sim/SimUpdateServer.h"

namespace {

// The path of an absolute URL ("http://host:port/a/b" gives "/a/b"); empty without one.
std::string PathOf(const std::string& url) {
    size_t scheme = url.find("://");
    size_t slash = url.find('/', scheme == std::string::npos ? 0 : scheme + 3);
    return slash == std::string::npos ? std::string() : url.substr(slash);
}

}  // namespace

CPlatformSimulator::CPlatformSimulator() = default;

CPlatformSimulator::~CPlatformSimulator() {
    Stop();
}

bool CPlatformSimulator::Fail(const std::string& error) {
    m_strError = error;
    Stop();
    return false;
}

bool CPlatformSimulator::Start(const SimProfile& profile) {
    Stop();
    m_profile = profile;
    m_strError.clear();
    m_content.assets = SimAssets::Make(profile.mobileUrl, profile.mobileGjUrl);
    m_content.mobilePath = PathOf(profile.mobileUrl);
    m_content.mobileGjPath = PathOf(profile.mobileGjUrl);
    m_content.qrJpegPath = profile.qrJpegPath;
    m_content.qrPngPath = profile.qrPngPath;
    m_content.announcedVersion = profile.announcedVersion;
    m_content.stop.Reset();

    const std::string& address = profile.bindAddress;
    m_pSeed = std::make_unique<CSimLineHost>(profile.seed, m_content);
    if (m_pSeed->Bind(address) <= 0)
        return Fail("cannot bind the seed host to port " + std::to_string(profile.seed.port));
    for (const SimHostConfig& line : profile.lines) {
        m_lstLines.push_back(std::make_unique<CSimLineHost>(line, m_content));
        if (m_lstLines.back()->Bind(address) <= 0)
            return Fail("cannot bind a line host to port " + std::to_string(line.port));
    }
    m_pUpdate = std::make_unique<CSimUpdateServer>(m_content);
    if (m_pUpdate->Bind(address, profile.updatePort) <= 0)
        return Fail("cannot bind the update server to port " + std::to_string(profile.updatePort));

    m_content.lineUrls = LineUrls();
    m_pSeed->Start();
    for (auto& line : m_lstLines)
        line->Start();
    m_pUpdate->Start();
    m_bRunning = true;
    return true;
}

void CPlatformSimulator::Stop() {
    m_content.stop.Stop();
    if (m_pSeed)
        m_pSeed->Stop();
    for (auto& line : m_lstLines)
        line->Stop();
    if (m_pUpdate)
        m_pUpdate->Stop();
    m_pSeed.reset();
    m_lstLines.clear();
    m_pUpdate.reset();
    m_bRunning = false;
}

int CPlatformSimulator::SeedPort() const {
    return m_pSeed ? m_pSeed->Port() : -1;
}

int CPlatformSimulator::UpdatePort() const {
    return m_pUpdate ? m_pUpdate->Port() : -1;
}

std::vector<int> CPlatformSimulator::LinePorts() const {
    std::vector<int> ports;
    for (const auto& line : m_lstLines)
        ports.push_back(line->Port());
    return ports;
}

std::string CPlatformSimulator::SeedUrl() const {
    return "http://" + m_profile.bindAddress + ":" + std::to_string(SeedPort());
}

std::string CPlatformSimulator::UpdateHost() const {
    return m_profile.bindAddress + ":" + std::to_string(UpdatePort());
}

std::vector<std::string> CPlatformSimulator::LineUrls() const {
    std::vector<std::string> urls;
    for (size_t i = 0; i < m_lstLines.size(); ++i) {
        const char* pstrScheme = m_profile.lines[i].tls ? "https://" : "http://";
        urls.push_back(pstrScheme + m_profile.bindAddress + ":" +
                       std::to_string(m_lstLines[i]->Port()));
    }
    return urls;
}
