// The real launcher program as a child of an X11 test: its display, environment and trace file.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace x11test {

class LauncherProcess {
public:
    // Runs program on display with extra "NAME=value" settings; standard error goes to tracePath.
    LauncherProcess(const std::string& program, const std::string& display,
                    const std::vector<std::string>& environment, const std::string& tracePath);
    ~LauncherProcess();
    LauncherProcess(const LauncherProcess&) = delete;
    LauncherProcess& operator=(const LauncherProcess&) = delete;

    bool Started() const { return m_pid > 0; }
    pid_t Pid() const { return m_pid; }
    bool Running();
    // The exit code once the process has ended (within timeoutMs); -1 otherwise or on a signal.
    int WaitExit(int timeoutMs);

private:
    bool Reaped();  // true once the process has ended and its exit code is kept

    pid_t m_pid = -1;
    int m_nExitCode = -1;
};

// The whole text of a file, or empty when it cannot be read.
std::string ReadFile(const std::string& path);

// Finish count and total of the last speed-test trace line; false when there is none yet.
bool LastSpeedTestCount(const std::string& trace, int& count, int& total);

}  // namespace x11test
