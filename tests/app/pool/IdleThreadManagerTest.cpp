// The worker pool: assignment, passes, posted results, shutdown.
#include "app/pool/IdleThreadManager.h"
#include "app/startup/StartUp.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>
#include "platform/kernel.h"
#include "support/TestWindow.h"

namespace {

// Records which worker thread ran each job and in which of its passes.
class CRecordingClient : public IIdleTreadClient {
public:
    struct Run {
        INT_PTR arg;
        DWORD thread;
    };

    int Record(INT_PTR arg, LPARAM* lparam) {
        std::lock_guard<std::mutex> guard(m_cs);
        m_lstRuns.push_back(Run{arg, GetCurrentThreadId()});
        if (m_pManager != nullptr)
            m_lstPasses.push_back(m_pManager->Worker(0)->PassCount());
        *lparam = arg * 10;
        return int(arg) + 1;
    }

    // Holds its worker until Release; tells the test when it has started.
    int Block(INT_PTR, LPARAM*) {
        std::unique_lock<std::mutex> lock(m_cs);
        m_bBlocking = true;
        m_cv.notify_all();
        m_cv.wait(lock, [this] { return m_bReleased; });
        m_bBlockDone = true;
        return 0;
    }

    void WaitBlocking() {
        std::unique_lock<std::mutex> lock(m_cs);
        ASSERT_TRUE(m_cv.wait_for(lock, std::chrono::seconds(10), [this] { return m_bBlocking; }));
    }
    void Release() {
        std::lock_guard<std::mutex> guard(m_cs);
        m_bReleased = true;
        m_cv.notify_all();
    }
    size_t RunCount() {
        std::lock_guard<std::mutex> guard(m_cs);
        return m_lstRuns.size();
    }

    std::mutex m_cs;
    std::condition_variable m_cv;
    std::vector<Run> m_lstRuns;
    std::vector<int> m_lstPasses;
    CIdleThreadManager* m_pManager = nullptr;
    bool m_bBlocking = false;
    bool m_bReleased = false;
    bool m_bBlockDone = false;
};

IdleJob MakeJob(CRecordingClient* client, INT_PTR arg, HWND window = nullptr,
                IdleProc proc = static_cast<IdleProc>(&CRecordingClient::Record)) {
    IdleJob job;
    job.msg = WM_USER + 1000;
    job.name = "test";
    job.proc = proc;
    job.client = client;
    job.arg = arg;
    job.window = window;
    return job;
}

HWND MakeWindow() {
    return testsupport::MakeTestWindow("PoolTestWindow");
}

// Reads the next posted message, giving up after ten seconds.
bool NextMessage(MSG& msg) {
    for (int i = 0; i < 1000; ++i) {
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

bool WaitFor(const std::function<bool()>& done) {
    for (int i = 0; i < 1000 && !done(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return done();
}

std::atomic<int> g_nFreedArgs{0};
void FreeArg(INT_PTR) {
    ++g_nFreedArgs;
}

}  // namespace

TEST(IdleThreadManager, RotatesOverThreeWorkersAndHonoursExplicitIndexes) {
    CRecordingClient client;
    CIdleThreadManager manager;
    manager.PostJob(0, MakeJob(&client, 0));
    manager.PostJob(1, MakeJob(&client, 1));
    manager.PostJob(2, MakeJob(&client, 2));
    manager.PostJob(-1, MakeJob(&client, 3));  // rotation starts at worker 0
    manager.PostJob(5, MakeJob(&client, 4));   // out of range: rotation, worker 1
    manager.PostJob(-1, MakeJob(&client, 5));  // worker 2
    manager.PostJob(-1, MakeJob(&client, 6));  // wraps to worker 0
    ASSERT_TRUE(WaitFor([&] { return client.RunCount() == 7; }));
    std::map<INT_PTR, DWORD> threadOf;
    for (const auto& run : client.m_lstRuns)
        threadOf[run.arg] = run.thread;
    EXPECT_EQ(threadOf[3], threadOf[0]);
    EXPECT_EQ(threadOf[4], threadOf[1]);
    EXPECT_EQ(threadOf[5], threadOf[2]);
    EXPECT_EQ(threadOf[6], threadOf[0]);
    EXPECT_NE(threadOf[0], threadOf[1]);
    EXPECT_NE(threadOf[1], threadOf[2]);
    EXPECT_NE(threadOf[0], threadOf[2]);
}

TEST(IdleThreadManager, TwelveJobsRunInPassesOfFiveFiveAndTwo) {
    CRecordingClient client;
    CIdleThreadManager manager;
    client.m_pManager = &manager;
    manager.PostJob(0,
                    MakeJob(&client, 0, nullptr, static_cast<IdleProc>(&CRecordingClient::Block)));
    client.WaitBlocking();  // the blocker's pass has been collected
    for (INT_PTR i = 1; i <= 12; ++i)
        manager.PostJob(0, MakeJob(&client, i));
    client.Release();
    ASSERT_TRUE(WaitFor([&] { return client.RunCount() == 12; }));
    std::vector<INT_PTR> order;
    for (const auto& run : client.m_lstRuns)
        order.push_back(run.arg);
    EXPECT_EQ(order, (std::vector<INT_PTR>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    int first = client.m_lstPasses[0];
    std::vector<int> passes;
    for (int pass : client.m_lstPasses)
        passes.push_back(pass - first);
    EXPECT_EQ(passes, (std::vector<int>{0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 2, 2}));
}

TEST(IdleThreadManager, ResultReachesTheWindowAndTheJobTableEmpties) {
    HWND hwnd = MakeWindow();
    CRecordingClient client;
    CIdleThreadManager manager;
    manager.PostJob(-1, MakeJob(&client, 4, hwnd));
    MSG msg{};
    ASSERT_TRUE(NextMessage(msg));
    EXPECT_EQ(msg.hwnd, hwnd);
    EXPECT_EQ(msg.message, UINT(WM_USER + 1000));
    EXPECT_EQ(int(msg.wParam), 5);  // the proc's result
    EXPECT_EQ(msg.lParam, 40);      // what the proc wrote through lparam
    EXPECT_TRUE(WaitFor([&] { return manager.OutstandingJobs() == 0; }));
    DestroyWindow(hwnd);
}

TEST(IdleThreadManager, JobsWithoutWindowClientOrProcPostNothing) {
    HWND hwnd = MakeWindow();
    CRecordingClient client;
    g_nFreedArgs = 0;
    {
        CIdleThreadManager manager;
        manager.PostJob(0, MakeJob(&client, 1));  // no window: runs, posts nothing
        IdleJob noClient = MakeJob(nullptr, 2, hwnd);
        noClient.pfnFreeArg = FreeArg;
        manager.PostJob(0, noClient);
        IdleJob noProc = MakeJob(&client, 3, hwnd, nullptr);
        noProc.pfnFreeArg = FreeArg;
        manager.PostJob(0, noProc);
        manager.PostJob(0, MakeJob(&client, 4, hwnd));  // the marker that ends the wait
        MSG msg{};
        ASSERT_TRUE(NextMessage(msg));
        EXPECT_EQ(msg.lParam, 40);
        EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    }
    EXPECT_EQ(client.RunCount(), 2u);
    EXPECT_EQ(g_nFreedArgs, 2);
    DestroyWindow(hwnd);
}

TEST(IdleThreadManager, ShutdownWaitsForTheRunningJobAndFreesQueuedOnes) {
    HWND hwnd = MakeWindow();
    CRecordingClient client;
    g_nFreedArgs = 0;
    auto* manager = new CIdleThreadManager();
    manager->PostJob(0,
                     MakeJob(&client, 0, nullptr, static_cast<IdleProc>(&CRecordingClient::Block)));
    client.WaitBlocking();
    for (INT_PTR i = 1; i <= 3; ++i) {
        IdleJob job = MakeJob(&client, i, hwnd);
        job.pfnFreeArg = FreeArg;
        manager->PostJob(0, job);
    }
    std::thread releaser([&] {
        WaitFor([&] { return manager->Worker(0)->IsStopping(); });
        client.Release();
    });
    delete manager;
    releaser.join();
    EXPECT_TRUE(client.m_bBlockDone);
    EXPECT_EQ(client.RunCount(), 0u);
    EXPECT_EQ(g_nFreedArgs, 3);
    MSG msg{};
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    DestroyWindow(hwnd);
}

TEST(IdleThreadManager, WithoutAPoolJobsAreDroppedAndFreed) {
    ASSERT_EQ(g_pIdleThreadManager, nullptr);
    g_nFreedArgs = 0;
    IdleJob job;
    job.pfnFreeArg = FreeArg;
    EXPECT_EQ(PostIdleJob(-1, job), 0u);
    EXPECT_EQ(g_nFreedArgs, 1);
}

// An idle worker sleeps until a job comes (no wake-ups, so no CPU while the launcher idles): after
// its first, empty pass and pause it begins no pass until a job arrives, and then runs it.
TEST(IdleThreadManager, AnIdleWorkerSleepsUntilAJobComes) {
    CRecordingClient client;
    CIdleThread worker(nullptr);
    ASSERT_TRUE(worker.Resume());
    ASSERT_TRUE(WaitFor([&] { return worker.PassCount() == 1; }));
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(worker.PassCount(), 1) << "an idle worker woke up";
    worker.AddJob(MakeJob(&client, 1));
    ASSERT_TRUE(WaitFor([&] { return client.RunCount() == 1; }));
    EXPECT_GE(worker.PassCount(), 2);
}
