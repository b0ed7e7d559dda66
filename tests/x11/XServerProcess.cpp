// Starting and ending the X11 tests' child processes, every wait bounded.
#include "XServerProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>

namespace x11test {

namespace {

constexpr int SERVER_START_MS = 15000;
constexpr int REAP_MS = 3000;

pid_t Spawn(const std::vector<std::string>& argv, const std::string& display, int keepFd) {
    pid_t pid = fork();
    if (pid != 0)
        return pid;
    if (!display.empty())
        setenv("DISPLAY", display.c_str(), 1);
    int devnull = open("/dev/null", O_RDWR);
    dup2(devnull, STDIN_FILENO);
    dup2(devnull, STDOUT_FILENO);
    dup2(devnull, STDERR_FILENO);
    for (int fd = 3; fd < 256; ++fd) {
        if (fd != keepFd)
            close(fd);
    }
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    execvp(args[0], args.data());
    _exit(127);
}

void Stop(pid_t pid) {
    if (pid <= 0)
        return;
    kill(pid, SIGTERM);
    bool gone = WaitFor([&] { return waitpid(pid, nullptr, WNOHANG) == pid; }, REAP_MS);
    if (!gone) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
}

}  // namespace

bool WaitFor(const std::function<bool()>& check, int timeoutMs) {
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!check()) {
        if (std::chrono::steady_clock::now() >= end)
            return false;
        poll(nullptr, 0, 5);
    }
    return true;
}

ChildProcess::ChildProcess(const std::vector<std::string>& argv, const std::string& display)
    : m_pid(Spawn(argv, display, -1)) {}

int ChildProcess::WaitExit(int timeoutMs) {
    int status = 0;
    bool ended =
        m_pid > 0 && WaitFor([&] { return waitpid(m_pid, &status, WNOHANG) == m_pid; }, timeoutMs);
    if (!ended)
        return -1;
    m_pid = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

ChildProcess::~ChildProcess() {
    Stop(m_pid);
}

Xvfb::Xvfb() {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        return;
    // The child keeps the write end across exec: it is not close-on-exec there.
    int writeFd = dup(fds[1]);
    m_pid = Spawn({"Xvfb", "-displayfd", std::to_string(writeFd), "-screen", "0", "1280x800x24",
                   "+extension", "Composite", "+extension", "RANDR", "-nolisten", "tcp"},
                  "", writeFd);
    close(writeFd);
    close(fds[1]);
    std::string number;
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(SERVER_START_MS);
    while (m_pid > 0 && std::chrono::steady_clock::now() < end) {
        pollfd pfd{fds[0], POLLIN, 0};
        if (poll(&pfd, 1, 100) <= 0)
            continue;
        char c = 0;
        if (read(fds[0], &c, 1) != 1)
            break;
        if (c == '\n') {
            m_display = ":" + number;
            break;
        }
        number += c;
    }
    close(fds[0]);
}

Xvfb::~Xvfb() {
    Stop(m_pid);
}

}  // namespace x11test
