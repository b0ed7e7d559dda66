// The worker pool: three workers in rotation and the manager's notice queue.
#pragma once

#include <condition_variable>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

#include "app/pool/IdleJob.h"
#include "app/pool/IdleThread.h"
#include "app/pool/Thread.h"
#include "platform/user.h"

class CIdleThreadManager : public Thread {
public:
    static constexpr int WORKER_COUNT = 3;
    static constexpr UINT NOTICE_QUIT = WM_QUIT;
    static constexpr UINT NOTICE_JOB_DONE = WM_USER + 1;

    CIdleThreadManager();
    // Stops the manager, then each worker after its running job; queued
    // jobs are freed unrun and post nothing.
    ~CIdleThreadManager() override;

    unsigned PostJob(int nIndex, IdleJob job);
    bool PostNotice(UINT uMessage, WPARAM wFirst);
    bool PeekNotice(MSG& out);

    CIdleThread* Worker(int nIndex) { return m_lstWorkers[size_t(nIndex)].get(); }
    // Jobs queued and not yet reported done.
    size_t OutstandingJobs();

protected:
    void Run() override;

private:
    std::mutex m_csQueue;
    std::condition_variable m_cvQueue;
    std::deque<MSG> m_lstNotices;
    std::vector<std::unique_ptr<CIdleThread>> m_lstWorkers;
    std::map<unsigned, int> m_mapOutstanding;  // job id -> worker index
    int m_nNextWorker = 0;
};

// The single worker pool; null before start-up and after shutdown.
extern CIdleThreadManager* g_pIdleThreadManager;
