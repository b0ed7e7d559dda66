// Child processes of the X11 tests: a private Xvfb, a window manager, a compositor.
#pragma once

#include <sys/types.h>

#include <functional>
#include <string>
#include <vector>

namespace x11test {

// Runs argv with DISPLAY set (when display is not empty); killed and reaped on destruction.
class ChildProcess {
public:
    ChildProcess(const std::vector<std::string>& argv, const std::string& display);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    bool Started() const { return m_pid > 0; }
    // The exit code once the process ended by itself within timeoutMs; -1 otherwise.
    int WaitExit(int timeoutMs);

private:
    pid_t m_pid = -1;
};

// Xvfb on a display number it picks itself (-displayfd), so parallel tests never collide.
class Xvfb {
public:
    Xvfb();
    ~Xvfb();
    Xvfb(const Xvfb&) = delete;
    Xvfb& operator=(const Xvfb&) = delete;
    // ":N", or empty when the server did not come up within the bound.
    const std::string& Display() const { return m_display; }

private:
    pid_t m_pid = -1;
    std::string m_display;
};

// Polls check every few milliseconds until it holds or timeoutMs passes.
bool WaitFor(const std::function<bool()>& check, int timeoutMs);

}  // namespace x11test
