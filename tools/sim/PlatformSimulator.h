// The local platform simulator: line hosts, the seed host and the HTTPS update server.
//
// Use in a test:
//
//     CPlatformSimulator sim;
//     ASSERT_TRUE(sim.Start(SimProfile::Default().WithEphemeralPorts()));
//     std::string seed = sim.SeedUrl();        // "http://127.0.0.1:<port>"
//     std::vector<std::string> lines = sim.LineUrls();
//     ... requests ...
//     sim.Stop();                               // also done by the destructor
//
// Configure a SimProfile before Start: SimProfile::lines lists the line hosts
// in the order the line query announces them, each with its probe latency,
// probe behaviour (SimProbeBehaviour) and line-query answer (SimQueryMode);
// SimProfile::seed is the seed host, which serves the same endpoints;
// announcedVersion is what the update manifest says. Port 0 binds an
// ephemeral port; the bound ports are read back after Start.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "tools/sim/SimContent.h"
#include "tools/sim/SimProfile.h"

class CSimLineHost;
class CSimUpdateServer;

class CPlatformSimulator {
public:
    CPlatformSimulator();
    ~CPlatformSimulator();
    CPlatformSimulator(const CPlatformSimulator&) = delete;
    CPlatformSimulator& operator=(const CPlatformSimulator&) = delete;

    // Binds every host, then starts answering. False (with nothing left
    // running) when a port cannot be bound; Error() says which.
    bool Start(const SimProfile& profile);
    // Stops every host; hanging and delayed probes return at once.
    void Stop();
    bool IsRunning() const { return m_bRunning; }
    const std::string& Error() const { return m_strError; }

    // Bound ports and URLs, valid while running.
    int SeedPort() const;
    int UpdatePort() const;
    std::vector<int> LinePorts() const;
    std::string SeedUrl() const;                // "http://" + address + ":" + port
    std::string UpdateHost() const;             // address + ":" + port (as LUMORA_UPDATE_HOST)
    std::vector<std::string> LineUrls() const;  // in the line query's order
    const SimContent& Content() const { return m_content; }

private:
    bool Fail(const std::string& error);

    SimProfile m_profile;
    SimContent m_content;
    std::unique_ptr<CSimLineHost> m_pSeed;
    std::vector<std::unique_ptr<CSimLineHost>> m_lstLines;
    std::unique_ptr<CSimUpdateServer> m_pUpdate;
    bool m_bRunning = false;
    std::string m_strError;
};
