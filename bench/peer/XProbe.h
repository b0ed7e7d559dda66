// The measuring side's X connection: sees windows map, reads their presented pixels and drives
// the pointer through XTest, with timings taken on this side of the wire.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

struct _XDisplay;

namespace peer {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start);

struct Area {
    int x = 0;
    int y = 0;
    int width = 1;
    int height = 1;
};

class CXProbe {
public:
    CXProbe() = default;
    ~CXProbe();
    CXProbe(const CXProbe&) = delete;
    CXProbe& operator=(const CXProbe&) = delete;

    bool Open(std::string& strError);
    // Starts watching top-level windows; call before the program is started.
    void WatchNewWindows();
    // Waits for a window of the class to map; its id, or 0 after timeoutMs.
    unsigned long WaitMapped(const std::string& strClass, int nTimeoutMs);
    // Waits until the window's pixel at (x, y) is rgb (0xRRGGBB); false after timeoutMs.
    bool WaitPixel(unsigned long xid, int x, int y, uint32_t rgb, int nTimeoutMs);
    // The window's pixels in the area, or empty when they cannot be read.
    std::vector<uint32_t> Pixels(unsigned long xid, const Area& area);
    // Busy-reads the area until it differs from (or, with equal, matches) the reference; the
    // milliseconds since start, or -1 after timeoutMs.
    double WaitArea(unsigned long xid, const Area& area, const std::vector<uint32_t>& reference,
                    bool equal, Clock::time_point start, int nTimeoutMs);
    void MoveTo(unsigned long xid, int x, int y);
    void Click();  // button 1 press and release where the pointer is
    void MoveOutside();
    bool RequestClose(unsigned long xid);

private:
    _XDisplay* m_pDisplay = nullptr;
};

}  // namespace peer
