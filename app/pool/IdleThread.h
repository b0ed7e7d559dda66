// One worker of the pool: runs its queued jobs in passes of at most five.
#pragma once

#include <atomic>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>

#include "app/pool/IdleJob.h"
#include "app/pool/Thread.h"

class CIdleThreadManager;

class CIdleThread : public Thread {
public:
    static constexpr int MAX_JOBS_PER_PASS = 5;
    static constexpr int PASS_PAUSE_MS = 50;

    explicit CIdleThread(CIdleThreadManager* pManager);
    // Waits for the job in progress, then frees the queued jobs unrun.
    ~CIdleThread() override;

    unsigned AddJob(IdleJob job);
    // Passes begun so far; lets tests see how jobs were grouped.
    int PassCount() const { return m_nPasses; }
    bool IsStopping() const { return m_bStop; }

protected:
    void Run() override;

private:
    bool CollectPass();  // false when there was nothing to collect
    void RunJob(IdleJob& job);
    void PauseBetweenPasses();
    void WaitForWork();
    static void FreeUnrun(std::deque<std::unique_ptr<IdleJob>>& jobs);

    CIdleThreadManager* m_pManager;
    std::atomic<bool> m_bStop{false};
    std::atomic<int> m_nPasses{0};
    std::deque<std::unique_ptr<IdleJob>> m_lstIntake;
    std::deque<std::unique_ptr<IdleJob>> m_lstRun;
    std::mutex m_csIntake;
    std::mutex m_csRun;
    std::mutex m_csPause;
    std::condition_variable m_cvPause;
    bool m_bJobWaiting = false;  // a job was added since the intake was last emptied; m_csPause
};
