// Per-thread message queues: posting wakes the owner through an eventfd.
#include "platform/user/thread_queue.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <climits>

#include "platform/kernel.h"
#include "platform/user/backend.h"
#include "platform/user/core_clock.h"
#include "platform/user/input_state.h"
#include "platform/user/window_table.h"

namespace platform::user {

uint64_t NowMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return uint64_t(ts.tv_sec) * 1000u + uint64_t(ts.tv_nsec) / 1000000u;
}

bool MessageFilter::Accepts(HWND target, UINT message) const {
    if (hwnd == reinterpret_cast<HWND>(-1)) {
        if (target != nullptr)
            return false;
    } else if (hwnd != nullptr && target != hwnd) {
        return false;
    }
    if (minMsg == 0 && maxMsg == 0)
        return true;
    return message >= minMsg && message <= maxMsg;
}

ThreadQueue::ThreadQueue(DWORD threadId)
    : m_threadId(threadId), m_wakeFd(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

ThreadQueue::~ThreadQueue() {
    // Messages nobody will read any more still own their payloads.
    for (QueuedMessage& queued : m_posted) {
        if (queued.pfnFree != nullptr)
            queued.pfnFree(queued.msg.lParam);
    }
    if (m_wakeFd >= 0)
        close(m_wakeFd);
}

void ThreadQueue::Wake() {
    uint64_t one = 1;
    ssize_t written = write(m_wakeFd, &one, sizeof one);
    (void)written;  // a full counter already means "awake"
}

void ThreadQueue::Post(const QueuedMessage& message) {
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_posted.push_back(message);
    }
    Wake();
}

void ThreadQueue::PostInput(const InputMessage& message) {
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_input.push_back(message);
    }
    Wake();
}

void ThreadQueue::PostNative(const NativeEvent& event) {
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_native.push_back(event);
    }
    Wake();
}

void ThreadQueue::SetPaintPending(HWND hwnd, bool pending) {
    {
        std::lock_guard<std::mutex> guard(m_lock);
        bool listed = std::find(m_paint.begin(), m_paint.end(), hwnd) != m_paint.end();
        if (pending == listed)
            return;
        if (pending)
            m_paint.push_back(hwnd);
        else
            std::erase(m_paint, hwnd);
    }
    if (pending)
        Wake();
}

void ThreadQueue::TranslatePendingNative() {
    for (;;) {
        NativeEvent event;
        {
            std::lock_guard<std::mutex> guard(m_lock);
            if (m_native.empty())
                return;
            event = m_native.front();
            m_native.pop_front();
        }
        TranslateNativeEvent(event);  // may send messages: outside the lock
    }
}

void ThreadQueue::PostQuit(int exitCode) {
    std::lock_guard<std::mutex> guard(m_lock);
    m_quit = true;
    m_exitCode = exitCode;
}

bool ThreadQueue::Take(const MessageFilter& filter, bool remove, MSG& out) {
    std::lock_guard<std::mutex> guard(m_lock);
    return TakePosted(filter, remove, out) || TakeQuit(filter, remove, out) ||
           TakeInput(filter, remove, out) || TakeHover(filter, remove, out) ||
           TakePaint(filter, out) || TakeTimer(filter, remove, out);
}

void ThreadQueue::SetHover(HWND hwnd, uint64_t dueMs, POINT client) {
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_hover = Hover{hwnd, dueMs, client};
    }
    Wake();  // a sleeping owner must count the new deadline
}

void ThreadQueue::ClearHover(HWND hwnd) {
    std::lock_guard<std::mutex> guard(m_lock);
    if (hwnd == nullptr || m_hover.hwnd == hwnd)
        m_hover = Hover{};
}

bool ThreadQueue::HoverArmed(HWND hwnd) {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_hover.hwnd != nullptr && m_hover.hwnd == hwnd;
}

// The pointer rested long enough: one WM_MOUSEHOVER, then tracking must be re-armed.
bool ThreadQueue::TakeHover(const MessageFilter& filter, bool remove, MSG& out) {
    if (m_hover.hwnd == nullptr || m_hover.dueMs > CoreNowMs() ||
        !filter.Accepts(m_hover.hwnd, WM_MOUSEHOVER)) {
        return false;
    }
    POINT p = m_hover.client;
    out = MSG{m_hover.hwnd,         WM_MOUSEHOVER, MouseKeyFlags(),
              MAKELPARAM(p.x, p.y), CoreTicks(),   {0, 0}};
    if (remove)
        m_hover = Hover{};
    return true;
}

bool ThreadQueue::TakeInput(const MessageFilter& filter, bool remove, MSG& out) {
    for (auto it = m_input.begin(); it != m_input.end(); ++it) {
        if (!filter.Accepts(it->msg.hwnd, it->msg.message))
            continue;
        out = it->msg;
        if (remove) {
            if (it->keys)
                m_retrievedKeys = *it->keys;
            m_input.erase(it);
        }
        return true;
    }
    return false;
}

BYTE ThreadQueue::RetrievedKey(int vk) {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_retrievedKeys[vk & 0xFF];
}

void ThreadQueue::SetRetrievedKeys(const KeyTable& keys) {
    std::lock_guard<std::mutex> guard(m_lock);
    m_retrievedKeys = keys;
}

bool ThreadQueue::TakePaint(const MessageFilter& filter, MSG& out) {
    for (HWND hwnd : m_paint) {
        if (filter.Accepts(hwnd, WM_PAINT)) {
            out = MSG{hwnd, WM_PAINT, 0, 0, CoreTicks(), {0, 0}};
            return true;
        }
    }
    return false;
}

bool ThreadQueue::TakePosted(const MessageFilter& filter, bool remove, MSG& out) {
    for (auto it = m_posted.begin(); it != m_posted.end(); ++it) {
        if (!filter.Accepts(it->msg.hwnd, it->msg.message))
            continue;
        out = it->msg;
        if (remove)
            m_posted.erase(it);
        return true;
    }
    return false;
}

bool ThreadQueue::TakeQuit(const MessageFilter& filter, bool remove, MSG& out) {
    // Quit is a thread message: a filter for one window never sees it.
    if (!m_quit || (filter.hwnd != nullptr && filter.hwnd != reinterpret_cast<HWND>(-1))) {
        return false;
    }
    if (!MessageFilter{nullptr, filter.minMsg, filter.maxMsg}.Accepts(nullptr, WM_QUIT)) {
        return false;
    }
    out = MSG{nullptr, WM_QUIT, WPARAM(m_exitCode), 0, CoreTicks(), {0, 0}};
    if (remove)
        m_quit = false;
    return true;
}

bool ThreadQueue::TakeTimer(const MessageFilter& filter, bool remove, MSG& out) {
    uint64_t now = CoreNowMs();
    Timer* best = nullptr;
    for (Timer& timer : m_timers) {
        if (timer.dueMs > now || !filter.Accepts(timer.hwnd, WM_TIMER))
            continue;
        if (best == nullptr || timer.dueMs < best->dueMs ||
            (timer.dueMs == best->dueMs && timer.order < best->order)) {
            best = &timer;
        }
    }
    if (best == nullptr)
        return false;
    out = MSG{best->hwnd,  WM_TIMER, WPARAM(best->id), reinterpret_cast<LPARAM>(best->proc),
              CoreTicks(), {0, 0}};
    // A late timer fires once and counts its next period from now.
    if (remove)
        best->dueMs = now + best->periodMs;
    return true;
}

int ThreadQueue::MillisecondsToNextTimer(const MessageFilter& filter) {
    // Posted messages need no timeout: every post also wakes the descriptor.
    std::lock_guard<std::mutex> guard(m_lock);
    uint64_t next = UINT64_MAX;
    for (const Timer& timer : m_timers) {
        if (filter.Accepts(timer.hwnd, WM_TIMER))
            next = std::min(next, timer.dueMs);
    }
    // A waiting hover is due at its time too, with no event to wake the sleeper.
    if (m_hover.hwnd != nullptr && filter.Accepts(m_hover.hwnd, WM_MOUSEHOVER))
        next = std::min(next, m_hover.dueMs);
    if (next == UINT64_MAX)
        return -1;
    uint64_t now = CoreNowMs();
    if (next <= now)
        return 0;
    return int(std::min<uint64_t>(next - now, INT_MAX));
}

void ThreadQueue::DrainWakeups() {
    uint64_t count = 0;
    ssize_t got = read(m_wakeFd, &count, sizeof count);
    (void)got;  // EAGAIN: nothing was pending
}

void ThreadQueue::Wait(const MessageFilter& filter) {
    int timeout = MillisecondsToNextTimer(filter);
    if (timeout == 0)
        return;
    Backend& backend = ActiveBackend();
    // Only the connection's owner reads native events; Xlib may already hold
    // some in its buffer, which the descriptor would never signal.
    bool owner = BackendOwnerThread() == m_threadId;
    if (owner && backend.DispatchNativeEvents() > 0)
        return;
    pollfd fds[2] = {{m_wakeFd, POLLIN, 0}, {owner ? backend.EventFd() : -1, POLLIN, 0}};
    nfds_t count = fds[1].fd >= 0 ? 2 : 1;
    int ready = poll(fds, count, timeout);
    if (ready <= 0)
        return;
    if (fds[0].revents != 0)
        DrainWakeups();
    if (count == 2 && fds[1].revents != 0)
        backend.DispatchNativeEvents();
}

UINT_PTR ThreadQueue::SetTimer(HWND hwnd, UINT_PTR id, UINT elapseMs, TIMERPROC proc) {
    std::lock_guard<std::mutex> guard(m_lock);
    if (hwnd == nullptr)
        id = m_nextThreadTimerId++;
    uint64_t period = std::max<UINT>(elapseMs, 10);  // the shortest period the API allows
    for (Timer& timer : m_timers) {
        if (timer.hwnd == hwnd && timer.id == id) {
            timer = Timer{hwnd, id, period, CoreNowMs() + period, timer.order, proc};
            return hwnd == nullptr ? id : 1;
        }
    }
    m_timers.push_back(Timer{hwnd, id, period, CoreNowMs() + period, m_timerOrder++, proc});
    return hwnd == nullptr ? id : 1;
}

bool ThreadQueue::KillTimer(HWND hwnd, UINT_PTR id) {
    std::lock_guard<std::mutex> guard(m_lock);
    auto it = std::find_if(m_timers.begin(), m_timers.end(),
                           [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
    if (it == m_timers.end())
        return false;
    m_timers.erase(it);
    return true;
}

void ThreadQueue::ForgetWindow(HWND hwnd) {
    std::vector<QueuedMessage> dropped;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        std::erase_if(m_timers, [&](const Timer& t) { return t.hwnd == hwnd; });
        std::erase_if(m_input, [&](const InputMessage& m) { return m.msg.hwnd == hwnd; });
        std::erase_if(m_native, [&](const NativeEvent& e) { return e.hwnd == hwnd; });
        std::erase(m_paint, hwnd);
        if (m_hover.hwnd == hwnd)
            m_hover = Hover{};
        auto keep =
            std::stable_partition(m_posted.begin(), m_posted.end(),
                                  [&](const QueuedMessage& q) { return q.msg.hwnd != hwnd; });
        dropped.assign(keep, m_posted.end());
        m_posted.erase(keep, m_posted.end());
    }
    // Payloads are freed outside the lock: a deleter may post again.
    for (QueuedMessage& queued : dropped) {
        if (queued.pfnFree != nullptr)
            queued.pfnFree(queued.msg.lParam);
    }
}

namespace {

// When the thread ends, its windows are destroyed (they could never be
// served again); what is left in the queue then frees its payloads.
struct QueueSlot {
    std::shared_ptr<ThreadQueue> queue;
    ~QueueSlot() {
        if (!queue)
            return;
        for (HWND hwnd : WindowTable::Instance().OwnedBy(queue->ThreadId())) {
            if (IsWindow(hwnd))
                DestroyWindow(hwnd);
        }
    }
};

thread_local QueueSlot t_slot;

}  // namespace

std::shared_ptr<ThreadQueue> CurrentQueue() {
    if (!t_slot.queue) {
        t_slot.queue = std::make_shared<ThreadQueue>(GetCurrentThreadId());
    }
    return t_slot.queue;
}

}  // namespace platform::user
