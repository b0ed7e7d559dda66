// Starting the launcher under test with its own environment, and reading what it traced.
#include "LauncherProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "XServerProcess.h"

namespace x11test {

namespace {

constexpr int REAP_MS = 10000;

// Settings a desktop session would leave behind; xdg-open must see a bare X display.
const char* const DESKTOP_VARIABLES[] = {"XDG_CURRENT_DESKTOP", "DESKTOP_SESSION",
                                         "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID",
                                         "WAYLAND_DISPLAY"};

[[noreturn]] void ExecInChild(const std::string& program, const std::string& display,
                              const std::vector<std::string>& environment,
                              const std::string& tracePath) {
    for (const char* name : DESKTOP_VARIABLES)
        unsetenv(name);
    setenv("DISPLAY", display.c_str(), 1);
    for (const std::string& setting : environment)
        putenv(const_cast<char*>(setting.c_str()));
    int devnull = open("/dev/null", O_RDWR);
    int trace = open(tracePath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    dup2(devnull, STDIN_FILENO);
    dup2(devnull, STDOUT_FILENO);
    dup2(trace >= 0 ? trace : devnull, STDERR_FILENO);
    for (int fd = 3; fd < 256; ++fd)
        close(fd);
    execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    _exit(127);
}

}  // namespace

LauncherProcess::LauncherProcess(const std::string& program, const std::string& display,
                                 const std::vector<std::string>& environment,
                                 const std::string& tracePath) {
    m_pid = fork();
    if (m_pid == 0)
        ExecInChild(program, display, environment, tracePath);
}

LauncherProcess::~LauncherProcess() {
    if (m_pid <= 0)
        return;
    kill(m_pid, SIGTERM);
    if (!WaitFor([&] { return Reaped(); }, REAP_MS)) {
        kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
    }
}

bool LauncherProcess::Reaped() {
    int status = 0;
    if (m_pid <= 0 || waitpid(m_pid, &status, WNOHANG) != m_pid)
        return m_pid <= 0;
    m_pid = -1;
    m_nExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return true;
}

bool LauncherProcess::Running() {
    return !Reaped();
}

int LauncherProcess::WaitExit(int timeoutMs) {
    return WaitFor([&] { return Reaped(); }, timeoutMs) ? m_nExitCode : -1;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool LastSpeedTestCount(const std::string& trace, int& count, int& total) {
    static const std::string MARK = "m_nSpeedTestFinishCount=";
    size_t at = trace.rfind(MARK);
    if (at == std::string::npos)
        return false;
    return std::sscanf(trace.c_str() + at + MARK.size(), "%d total=%d", &count, &total) == 2;
}

}  // namespace x11test
