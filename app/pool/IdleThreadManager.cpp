// The pool's manager: owns the workers, assigns jobs, keeps the job table.
#include "app/pool/IdleThreadManager.h"

CIdleThreadManager::CIdleThreadManager() {
    for (int i = 0; i < WORKER_COUNT; ++i) {
        m_lstWorkers.push_back(std::make_unique<CIdleThread>(this));
        m_lstWorkers.back()->Resume();
    }
    Resume();
}

CIdleThreadManager::~CIdleThreadManager() {
    PostNotice(NOTICE_QUIT, 0);
    m_lstWorkers.clear();
    Join();
}

unsigned CIdleThreadManager::PostJob(int nIndex, IdleJob job) {
    if (nIndex < 0 || nIndex >= WORKER_COUNT) {
        nIndex = m_nNextWorker;
        m_nNextWorker = (m_nNextWorker + 1) % WORKER_COUNT;
    }
    unsigned id = m_lstWorkers[size_t(nIndex)]->AddJob(std::move(job));
    std::lock_guard<std::mutex> guard(m_csQueue);
    m_mapOutstanding[id] = nIndex;
    return id;
}

bool CIdleThreadManager::PostNotice(UINT uMessage, WPARAM wFirst) {
    {
        std::lock_guard<std::mutex> guard(m_csQueue);
        m_lstNotices.push_back(MSG{nullptr, uMessage, wFirst, 0, 0, {0, 0}});
    }
    m_cvQueue.notify_one();
    return true;
}

bool CIdleThreadManager::PeekNotice(MSG& out) {
    std::lock_guard<std::mutex> guard(m_csQueue);
    if (m_lstNotices.empty())
        return false;
    out = m_lstNotices.front();
    m_lstNotices.pop_front();
    return true;
}

size_t CIdleThreadManager::OutstandingJobs() {
    std::lock_guard<std::mutex> guard(m_csQueue);
    return m_mapOutstanding.size();
}

void CIdleThreadManager::Run() {
    for (;;) {
        MSG notice{};
        if (!PeekNotice(notice)) {
            // Sleeps until a notice arrives instead of polling.
            std::unique_lock<std::mutex> lock(m_csQueue);
            m_cvQueue.wait(lock, [this] { return !m_lstNotices.empty(); });
            continue;
        }
        if (notice.message == NOTICE_QUIT)
            return;
        if (notice.message == NOTICE_JOB_DONE) {
            std::lock_guard<std::mutex> guard(m_csQueue);
            m_mapOutstanding.erase(unsigned(notice.wParam));
        }
    }
}

CIdleThreadManager* g_pIdleThreadManager = nullptr;

unsigned PostIdleJob(int nIndex, IdleJob job) {
    if (g_pIdleThreadManager == nullptr) {
        if (job.pfnFreeArg != nullptr)
            job.pfnFreeArg(job.arg);
        return 0;
    }
    return g_pIdleThreadManager->PostJob(nIndex, std::move(job));
}
