// One thread's message queue: posted messages, input, paint requests, the quit flag and timers.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "platform/user.h"
#include "platform/user/input_state.h"
#include "platform/user/native_event.h"

namespace platform::user {

// A posted message and, when it carries a heap payload, how to free it.
struct QueuedMessage {
    MSG msg{};
    void (*pfnFree)(LPARAM) = nullptr;
};

// Input for a window. One made from a native event carries the key table as
// that event left it; retrieving it makes that table the thread's key state.
struct InputMessage {
    MSG msg{};
    std::optional<KeyTable> keys;
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
    // Any thread: input, read after posted messages.
    void PostInput(const InputMessage& message);
    // Any thread: a native event for a window of this queue, translated on
    // the owner thread the next time it reads messages.
    void PostNative(const NativeEvent& event);
    // Owner thread: the quit flag is read once the posted messages are gone.
    void PostQuit(int exitCode);
    // Any thread: the window has (or no longer has) something to repaint
    // and is visible; WM_PAINT is made for it while it stays listed.
    void SetPaintPending(HWND hwnd, bool pending);

    // Any thread: WM_MOUSEHOVER for hwnd once the core clock reaches dueMs,
    // read after input; client is the point it reports.
    void SetHover(HWND hwnd, uint64_t dueMs, POINT client);
    void ClearHover(HWND hwnd);  // null: whichever window
    bool HoverArmed(HWND hwnd);

    // Owner thread: translates the native events other threads handed in.
    void TranslatePendingNative();
    // Owner thread. Takes the next message the filter accepts, in the order
    // posted messages, quit, input, WM_PAINT, due timers. Returns false when
    // there is none. WM_PAINT stays until the window is validated. Removing
    // an input message that carries keys makes them the retrieved key state;
    // a look without removing leaves that state alone.
    bool Take(const MessageFilter& filter, bool remove, MSG& out);
    // Owner thread: what GetKeyState reads.
    BYTE RetrievedKey(int vk);
    void SetRetrievedKeys(const KeyTable& keys);
    // Owner thread: sleeps until something is posted or the next timer the
    // filter accepts is due. On the thread that owns the backend's connection
    // it first hands buffered native events over and returns if there were any.
    void Wait(const MessageFilter& filter);

    UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapseMs, TIMERPROC proc);
    bool KillTimer(HWND hwnd, UINT_PTR id);
    // The window is gone: its timers end and its queued messages are dropped.
    void ForgetWindow(HWND hwnd);

private:
    bool TakePosted(const MessageFilter& filter, bool remove, MSG& out);
    bool TakeQuit(const MessageFilter& filter, bool remove, MSG& out);
    bool TakeInput(const MessageFilter& filter, bool remove, MSG& out);
    bool TakeHover(const MessageFilter& filter, bool remove, MSG& out);
    bool TakePaint(const MessageFilter& filter, MSG& out);
    bool TakeTimer(const MessageFilter& filter, bool remove, MSG& out);
    void Wake();
    int MillisecondsToNextTimer(const MessageFilter& filter);
    void DrainWakeups();

    DWORD m_threadId;
    int m_wakeFd = -1;
    std::mutex m_lock;
    std::deque<QueuedMessage> m_posted;
    std::deque<InputMessage> m_input;
    KeyTable m_retrievedKeys{};
    std::deque<NativeEvent> m_native;
    std::vector<HWND> m_paint;  // in the order they became pending
    struct Hover {
        HWND hwnd = nullptr;
        uint64_t dueMs = 0;
        POINT client{};
    } m_hover;
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
