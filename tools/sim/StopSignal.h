// A flag that wakes every waiting handler when the simulator stops.
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

class CStopSignal {
public:
    // Waits up to ms milliseconds (forever when ms < 0); false when stopped.
    bool WaitFor(int ms) {
        std::unique_lock<std::mutex> lock(m_mutex);
        ++m_nWaiting;
        m_cv.notify_all();  // for WaitForWaiters
        auto stopped = [this] { return m_bStopped; };
        if (ms < 0)
            m_cv.wait(lock, stopped);
        else
            m_cv.wait_for(lock, std::chrono::milliseconds(ms), stopped);
        --m_nWaiting;
        return !m_bStopped;
    }
    // Waits up to ms milliseconds until `count` handlers are inside WaitFor,
    // so a test can stop the simulator with requests surely in flight.
    bool WaitForWaiters(int count, int ms) {
        std::unique_lock<std::mutex> lock(m_mutex);
        return m_cv.wait_for(lock, std::chrono::milliseconds(ms),
                             [&] { return m_nWaiting >= count; });
    }
    void Stop() {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_bStopped = true;
        }
        m_cv.notify_all();
    }
    void Reset() {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_bStopped = false;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_cv;
    bool m_bStopped = false;
    int m_nWaiting = 0;
};
