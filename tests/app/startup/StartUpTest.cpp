// Start-up state: the program folder, the seed list and the pool seam (the run:
// tests/app/launcher).
#include "app/startup/StartUp.h"

#include <gtest/gtest.h>
#include <string>

#include "app/lines/PtLine.h"
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
        EXPECT_EQ(g_lstPtLine[0].url, LUMORA_SEED_HOST);
        EXPECT_EQ(g_lstPtLine[0].costMs, -1);
    }
    ShutdownWorkers();
    EXPECT_EQ(g_pIdleThreadManager, nullptr);
    ShutdownWorkers();  // nothing left to destroy
    EXPECT_EQ(g_pIdleThreadManager, nullptr);
}
