// A thread object that starts suspended and runs its Run once resumed.
#pragma once

#include <thread>

#include "platform/win32_types.h"

class Thread {
public:
    Thread() = default;
    // Closes the handle only; a derived class that must wait joins first.
    virtual ~Thread();
    Thread(const Thread&) = delete;
    Thread& operator=(const Thread&) = delete;

    // Starts Run on a new thread. The derived constructor calls it last, so
    // Run never sees a half-built object. False leaves the thread suspended.
    bool Resume();
    bool SetPriority(int nPriority);
    bool IsSuspended() const { return m_bSuspended; }
    DWORD ThreadId() const { return m_dwThreadId; }

protected:
    virtual void Run() = 0;
    // Waits for Run to return; nothing to wait for when never resumed.
    void Join();

private:
    bool m_bSuspended = true;
    int m_nPriority = 0;
    DWORD m_dwThreadId = 0;
    std::thread m_thread;
};
