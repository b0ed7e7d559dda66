// Start-up and shutdown steps shared by the entry point and the tests.
#include "app/startup/StartUp.h"

#include <memory>
#include <new>
#include <vector>

#include "app/lines/PtLine.h"
#include "app/pool/IdleThreadManager.h"
#include "app/util/Utilities.h"
#include "net/HttpClient.h"

const std::string g_strExeDir = GetExeDir();
CIdleThreadManager* g_pIdleThreadManager = nullptr;

namespace {
std::string g_strSeedOverride;
// Job clients whose windows are gone, kept until no worker can reach them.
std::vector<std::unique_ptr<IIdleTreadClient>> g_lstRetiredClients;
}  // namespace

void SetSeedOverride(const std::string& strUrl) {
    g_strSeedOverride = strUrl;
}

void InitWorkersAndLines() {
    if (g_pIdleThreadManager == nullptr)
        g_pIdleThreadManager = new (std::nothrow) CIdleThreadManager();
    const std::vector<PtLineEntry>& seed = GetSeedPtLines();
    std::lock_guard<std::mutex> guard(g_csPtLine);
    g_lstPtLine.clear();
    if (!g_strSeedOverride.empty())
        g_lstPtLine.push_back(PtLineEntry{g_strSeedOverride, -1});
    else
        g_lstPtLine.insert(g_lstPtLine.end(), seed.begin(), seed.end());
}

void ShutdownWorkers() {
    if (g_pIdleThreadManager == nullptr)
        return;
    // Transfers in flight end at once, so waiting for the running jobs never
    // waits on a slow or hostile host. No job runs once the pool is gone, so
    // the network is allowed again for whatever comes after.
    HttpStopAll();
    delete g_pIdleThreadManager;
    g_pIdleThreadManager = nullptr;
    g_lstRetiredClients.clear();
    HttpAllowTransfers();
}

void DeleteAfterWorkers(IIdleTreadClient* pClient) {
    if (g_pIdleThreadManager == nullptr)
        delete pClient;
    else
        g_lstRetiredClients.emplace_back(pClient);
}

std::string GetDefaultSkinFolder() {
    return g_strExeDir + "Resource/Skin";
}
