// The worker loop: collect up to five jobs, run them, pause, repeat.
#include "app/pool/IdleThread.h"

#include <chrono>
#include <ctime>

#include "app/pool/IdleThreadManager.h"
#include "platform/user.h"

namespace {
std::atomic<unsigned> g_nJobSequence{0};
}

CIdleThread::CIdleThread(CIdleThreadManager* pManager) : m_pManager(pManager) {}

CIdleThread::~CIdleThread() {
    {
        std::lock_guard<std::mutex> guard(m_csPause);
        m_bStop = true;
    }
    m_cvPause.notify_all();
    Join();
    FreeUnrun(m_lstRun);
    FreeUnrun(m_lstIntake);
}

unsigned CIdleThread::AddJob(IdleJob job) {
    job.id = unsigned(std::time(nullptr)) + g_nJobSequence++;
    unsigned id = job.id;
    auto copy = std::make_unique<IdleJob>(std::move(job));
    {
        std::lock_guard<std::mutex> guard(m_csIntake);
        m_lstIntake.push_back(std::move(copy));
    }
    {
        std::lock_guard<std::mutex> guard(m_csPause);
        m_bJobWaiting = true;
    }
    m_cvPause.notify_all();
    return id;
}

void CIdleThread::Run() {
    while (!m_bStop) {
        bool bCollected = CollectPass();
        // Stopping between jobs leaves the rest of the pass to be freed
        // unrun, so shutdown waits for one job, not for a whole pass.
        while (!m_lstRun.empty() && !m_bStop) {
            std::lock_guard<std::mutex> guard(m_csRun);
            std::unique_ptr<IdleJob> job = std::move(m_lstRun.front());
            m_lstRun.pop_front();
            RunJob(*job);
        }
        PauseBetweenPasses();
        if (!bCollected)
            WaitForWork();
    }
}

bool CIdleThread::CollectPass() {
    std::lock_guard<std::mutex> guard(m_csIntake);
    while (!m_lstIntake.empty() && int(m_lstRun.size()) < MAX_JOBS_PER_PASS) {
        m_lstRun.push_back(std::move(m_lstIntake.front()));
        m_lstIntake.pop_front();
    }
    if (m_lstIntake.empty()) {
        std::lock_guard<std::mutex> pause(m_csPause);
        m_bJobWaiting = false;
    }
    ++m_nPasses;
    return !m_lstRun.empty();
}

void CIdleThread::RunJob(IdleJob& job) {
    if (job.client == nullptr || job.proc == nullptr) {
        if (job.pfnFreeArg != nullptr)
            job.pfnFreeArg(job.arg);
        return;
    }
    int nResult = (job.client->*job.proc)(job.arg, &job.lparam);
    if (job.window == nullptr) {
        // Nobody receives the result, so whatever it carries is freed here.
        if (job.pfnFreeResult != nullptr && job.lparam != 0)
            job.pfnFreeResult(job.lparam);
        return;
    }
    platform::PostMessageOwning(job.window, job.msg, WPARAM(nResult), job.lparam,
                                job.pfnFreeResult);
    if (m_pManager != nullptr)
        m_pManager->PostNotice(CIdleThreadManager::NOTICE_JOB_DONE, job.id);
}

void CIdleThread::PauseBetweenPasses() {
    std::unique_lock<std::mutex> lock(m_csPause);
    m_cvPause.wait_for(lock, std::chrono::milliseconds(PASS_PAUSE_MS),
                       [this] { return m_bStop.load(); });
}

// An idle worker sleeps until a job comes instead of waking every pause, then waits for the
// next beat of its pause cadence, so jobs start and group just as a polling worker's would.
void CIdleThread::WaitForWork() {
    std::unique_lock<std::mutex> lock(m_csPause);
    if (m_bJobWaiting || m_bStop)
        return;  // there at this beat
    auto since = std::chrono::steady_clock::now();
    m_cvPause.wait(lock, [this] { return m_bJobWaiting || m_bStop.load(); });
    auto beat = std::chrono::milliseconds(PASS_PAUSE_MS);
    auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - since);
    auto rest = beat - waited % beat;
    m_cvPause.wait_for(lock, rest, [this] { return m_bStop.load(); });
}

void CIdleThread::FreeUnrun(std::deque<std::unique_ptr<IdleJob>>& jobs) {
    for (std::unique_ptr<IdleJob>& job : jobs) {
        if (job->pfnFreeArg != nullptr)
            job->pfnFreeArg(job->arg);
    }
    jobs.clear();
}
