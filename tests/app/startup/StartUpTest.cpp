// Start-up state: the program folder, the seed list and the pool seam (the run:
// tests/app/launcher).
#include "app/startup/StartUp.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "app/lines/PtLine.h"
#include "app/pool/IdleJob.h"
#include "app/pool/IdleThreadManager.h"
#include "app/util/Utilities.h"

TEST(StartUp, ProgramFolderAndSkinFolder) {
    EXPECT_EQ(g_strExeDir, GetExeDir());
    EXPECT_EQ(g_strExeDir.back(), '/');
    EXPECT_EQ(GetDefaultSkinFolder(), g_strExeDir + "Resource/Skin");
}

TEST(StartUp, SeedListHoldsExactlyTheSeedHost) {
    const std::vector<PtLineEntry>& seed = GetSeedPtLines();
    ASSERT_EQ(seed.size(), 1u);
    EXPECT_EQ(seed[0].url, LUMORA_SEED_HOST);
    EXPECT_EQ(seed[0].costMs, -1);
    EXPECT_EQ(&GetSeedPtLines(), &seed);
}

TEST(StartUp, InitCopiesTheSeedListAndShutdownClearsThePool) {
    {
        std::lock_guard<std::mutex> guard(g_csPtLine);
        g_lstPtLine = {{"http://stale", 120}, {"http://other", -1}};
    }
    InitWorkersAndLines();
    ASSERT_NE(g_pIdleThreadManager, nullptr);
    CIdleThreadManager* first = g_pIdleThreadManager;
    InitWorkersAndLines();  // a second call keeps the pool and does not duplicate the seed
    EXPECT_EQ(g_pIdleThreadManager, first);
    {
        std::lock_guard<std::mutex> guard(g_csPtLine);
        ASSERT_EQ(g_lstPtLine.size(), 1u);
        EXPECT_EQ(g_lstPtLine.front().url, LUMORA_SEED_HOST);
        EXPECT_EQ(g_lstPtLine.front().costMs, -1);
    }
    ShutdownWorkers();
    EXPECT_EQ(g_pIdleThreadManager, nullptr);
    ShutdownWorkers();  // nothing left to destroy
    EXPECT_EQ(g_pIdleThreadManager, nullptr);
}

namespace {

// A job client that notes its deletion; its job holds the worker until released.
class CRetiringClient : public IIdleTreadClient {
public:
    explicit CRetiringClient(std::atomic<bool>& bDeleted) : m_bDeleted(bDeleted) {}
    ~CRetiringClient() override { m_bDeleted = true; }
    int Work(INT_PTR, LPARAM*) {
        m_bStarted = true;
        for (int i = 0; i < 5000 && !m_bRelease; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return m_nValue;  // the object must still be there
    }
    std::atomic<bool> m_bStarted{false};
    std::atomic<bool> m_bRelease{false};

private:
    std::atomic<bool>& m_bDeleted;
    int m_nValue = 7;
};

}  // namespace

TEST(StartUp, AClientRetiredWhileItsJobRunsLivesUntilThePoolStops) {
    InitWorkersAndLines();
    std::atomic<bool> bDeleted{false};
    auto* pClient = new CRetiringClient(bDeleted);
    IdleJob job;
    job.client = pClient;
    job.proc = static_cast<IdleProc>(&CRetiringClient::Work);
    job.name = "retiring";
    ASSERT_NE(PostIdleJob(-1, job), 0u);
    for (int i = 0; i < 5000 && !pClient->m_bStarted; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    ASSERT_TRUE(pClient->m_bStarted);
    DeleteAfterWorkers(pClient);
    EXPECT_FALSE(bDeleted);
    pClient->m_bRelease = true;
    ShutdownWorkers();
    EXPECT_TRUE(bDeleted);

    std::atomic<bool> bDeletedAtOnce{false};
    DeleteAfterWorkers(new CRetiringClient(bDeletedAtOnce));  // no pool: nothing can reach it
    EXPECT_TRUE(bDeletedAtOnce);
}
