// Job clients whose windows are gone, kept until no worker can reach them.
#include <memory>
#include <vector>

#include "app/pool/IdleJob.h"
#include "app/pool/IdleThreadManager.h"

namespace {
std::vector<std::unique_ptr<IIdleTreadClient>> g_lstRetiredClients;
}  // namespace

void DeleteAfterWorkers(IIdleTreadClient* pClient) {
    if (g_pIdleThreadManager == nullptr)
        delete pClient;
    else
        g_lstRetiredClients.emplace_back(pClient);
}

void DeleteRetiredClients() {
    g_lstRetiredClients.clear();
}
