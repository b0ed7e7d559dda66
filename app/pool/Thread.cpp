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
    std::atomic<DWORD> started{0};
    try {
        m_thread = std::thread([this, &started] {
            started = GetCurrentThreadId();
            started.notify_one();
            Run();
        });
    } catch (const std::system_error&) {
        return false;
    }
    started.wait(0);
    m_dwThreadId = started;
    m_bSuspended = false;
    return true;
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
