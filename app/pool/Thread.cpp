// Start gate, priority and join of the pool's threads.
#include "app/pool/Thread.h"

#include <atomic>
#include <system_error>

#include "platform/kernel.h"

Thread::~Thread() {
    if (m_thread.joinable())
        m_thread.detach();
    m_dwThreadId = 0;
    m_bSuspended = true;
}

bool Thread::Resume() {
    if (!m_bSuspended)
        return true;
    try {
        m_thread = std::thread([this] {
            m_dwThreadId = GetCurrentThreadId();
            m_dwThreadId.notify_all();
            Run();
        });
    } catch (const std::system_error&) {
        return false;
    }
    m_bSuspended = false;
    return true;
}

DWORD Thread::ThreadId() const {
    if (!m_bSuspended)
        m_dwThreadId.wait(0);
    return m_dwThreadId;
}

bool Thread::SetPriority(int nPriority) {
    // Threads of one process share the scheduler's default class here; the
    // value is kept so callers read back what they set.
    m_nPriority = nPriority;
    return true;
}

void Thread::Join() {
    if (m_thread.joinable())
        m_thread.join();
}
