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
        auto stopped = [this] { return m_bStopped; };
        if (ms < 0)
            m_cv.wait(lock, stopped);
        else
            m_cv.wait_for(lock, std::chrono::milliseconds(ms), stopped);
        return !m_bStopped;
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
};
