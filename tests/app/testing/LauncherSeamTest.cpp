// The launcher's seams: each setter takes effect, and its reset brings back the product's own.
#include "app/testing/LauncherSeam.h"

#include <gtest/gtest.h>

#include <mutex>
#include <string>
#include <vector>

#include "app/lines/PtLine.h"
#include "app/pages/Page2.h"
#include "app/startup/StartUp.h"
#include "platform/kernel.h"

namespace {

DWORD FixedTicks() {
    return 42;
}

std::vector<std::string> SeededLines() {
    InitWorkersAndLines();
    ShutdownWorkers();
    std::vector<std::string> urls;
    std::lock_guard<std::mutex> guard(g_csPtLine);
    for (const PtLineEntry& entry : g_lstPtLine)
        urls.push_back(entry.url);
    g_lstPtLine.clear();
    return urls;
}

TEST(LauncherSeam, SeedHostReplacesTheSeedUntilReset) {
    const std::vector<std::string> builtIn = {LUMORA_SEED_HOST};
    // (what the test does before start-up seeds the lines, the lines it expects)
    struct Case {
        const char* what;
        void (*pfnAct)();
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"set", [] { seam::SetSeedHost("http://127.0.0.1:1"); }, {"http://127.0.0.1:1"}},
        {"set again", [] { seam::SetSeedHost("http://127.0.0.1:2"); }, {"http://127.0.0.1:2"}},
        {"empty", [] { seam::SetSeedHost(""); }, builtIn},
        {"set, then reset",
         [] {
             seam::SetSeedHost("http://127.0.0.1:3");
             seam::ResetSeedHost();
         },
         builtIn},
    };
    for (const Case& c : cases) {
        c.pfnAct();
        EXPECT_EQ(SeededLines(), c.lines) << c.what;
    }
    seam::ResetSeedHost();
}

TEST(LauncherSeam, ClockIsTheTickCountUnlessReplaced) {
    seam::SetClock(FixedTicks);
    EXPECT_EQ(CPage2::Ticks(), 42u);
    for (void (*pfnBack)() : {+[] { seam::ResetClock(); }, +[] { seam::SetClock(nullptr); }}) {
        seam::SetClock(FixedTicks);
        pfnBack();
        DWORD dwBefore = GetTickCount();
        DWORD dwTicks = CPage2::Ticks();
        EXPECT_LE(DWORD(dwTicks - dwBefore), DWORD(GetTickCount() - dwBefore));
    }
}

}  // namespace
