// A thread object that starts suspended and runs its Run once resumed.
#pragma once

#include <atomic>
#include <thread>

#include "platform/win32_types.h"

class Thread {
public:
    Thread() = default;
    // Closes the handle only; a derived class that must wait joins first.
    virtual ~Thread();
    Thread(const Thread&) = delete;
    Thread& operator=(const Thread&) = delete;

    // Starts Run on a new thread without waiting for it to be scheduled. The
    // derived constructor calls it last, so Run never sees a half-built
    // object. False leaves the thread suspended.
    bool Resume();
    bool SetPriority(int nPriority);
    bool IsSuspended() const { return m_bSuspended; }
    // The running thread's id; waits for the thread to have started.
    DWORD ThreadId() const;

protected:
    virtual void Run() = 0;
    // Waits for Run to return; nothing to wait for when never resumed.
    void Join();

private:
    bool m_bSuspended = true;
    int m_nPriority = 0;
    std::atomic<DWORD> m_dwThreadId{0};  // written by the thread itself
    std::thread m_thread;
};
