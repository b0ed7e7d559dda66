// One thread's message queue: posted messages, the quit flag and the thread's timers.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/user.h"

namespace platform::user {

// A posted message and, when it carries a heap payload, how to free it.
struct QueuedMessage {
    MSG msg{};
    void (*pfnFree)(LPARAM) = nullptr;
};

struct Timer {
    HWND hwnd = nullptr;
    UINT_PTR id = 0;
    uint64_t periodMs = 0;
    uint64_t dueMs = 0;
    uint64_t order = 0;  // creation order breaks ties between equal due times
    TIMERPROC proc = nullptr;
};

// Which messages a Get/PeekMessage call accepts.
struct MessageFilter {
    HWND hwnd = nullptr;  // null: any; (HWND)-1: thread messages only
    UINT minMsg = 0;
    UINT maxMsg = 0;
    bool Accepts(HWND target, UINT message) const;
};

class ThreadQueue {
public:
    explicit ThreadQueue(DWORD threadId);
    ~ThreadQueue();
    ThreadQueue(const ThreadQueue&) = delete;
    ThreadQueue& operator=(const ThreadQueue&) = delete;

    DWORD ThreadId() const { return m_threadId; }

    // Any thread: appends and wakes the owner.
    void Post(const QueuedMessage& message);
    // Owner thread: the quit flag is read once the posted messages are gone.
    void PostQuit(int exitCode);

    // Owner thread. Takes the next message the filter accepts, in the order
    // posted messages, quit, due timers. Returns false when there is none.
    bool Take(const MessageFilter& filter, bool remove, MSG& out);
    // Owner thread: sleeps until something is posted or the next timer the
    // filter accepts is due.
    void Wait(const MessageFilter& filter);

    UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapseMs, TIMERPROC proc);
    bool KillTimer(HWND hwnd, UINT_PTR id);
    // The window is gone: its timers end and its queued messages are dropped.
    void ForgetWindow(HWND hwnd);

private:
    bool TakePosted(const MessageFilter& filter, bool remove, MSG& out);
    bool TakeQuit(const MessageFilter& filter, bool remove, MSG& out);
    bool TakeTimer(const MessageFilter& filter, bool remove, MSG& out);
    int MillisecondsToNextTimer(const MessageFilter& filter);
    void DrainWakeups();

    DWORD m_threadId;
    int m_wakeFd = -1;
    std::mutex m_lock;
    std::deque<QueuedMessage> m_posted;
    bool m_quit = false;
    int m_exitCode = 0;
    std::vector<Timer> m_timers;
    uint64_t m_timerOrder = 0;
    UINT_PTR m_nextThreadTimerId = 1;
};

// The calling thread's queue, made on first use and ended with the thread.
std::shared_ptr<ThreadQueue> CurrentQueue();
// Milliseconds on the monotonic clock, not truncated.
uint64_t NowMs();

}  // namespace platform::user
