// Start-up and shutdown steps shared by the entry point and the tests.
#include "app/startup/StartUp.h"

#include <new>
#include <vector>

#include "app/lines/PtLine.h"
#include "app/pool/IdleThreadManager.h"
#include "app/testing/LauncherSeam.h"
#include "app/util/Utilities.h"
#include "net/HttpClient.h"

const std::string g_strExeDir = GetExeDir();

namespace {
// Empty: the built-in seed.
std::string g_strSeedOverride;
}  // namespace

void seam::SetSeedHost(const std::string& strUrl) {
    g_strSeedOverride = strUrl;
}

void seam::ResetSeedHost() {
    g_strSeedOverride.clear();
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
    DeleteRetiredClients();
    HttpAllowTransfers();
}

std::string GetDefaultSkinFolder() {
    return g_strExeDir + "Resource/Skin";
}
