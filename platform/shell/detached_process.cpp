// Double fork with a close-on-exec pipe: the caller learns whether exec worked.
#include "platform/shell/detached_process.h"

#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace platform::shell {

namespace {

// Only async-signal-safe calls from here on: the parent may run other threads.
[[noreturn]] void ReportAndExit(int fdReport, int nErr) {
    ssize_t n = write(fdReport, &nErr, sizeof nErr);
    (void)n;
    _exit(127);
}

[[noreturn]] void RunGrandchild(char* const argv[], int fdReport) {
    setsid();
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
    int fdNull = open("/dev/null", O_RDONLY);
    if (fdNull >= 0) {
        dup2(fdNull, STDIN_FILENO);
        if (fdNull != STDIN_FILENO)
            close(fdNull);
    }
    // The browser must not inherit the launcher's sockets and files; the
    // report pipe is close-on-exec already, so it still reports a failure.
    close_range(STDERR_FILENO + 1, ~0U, CLOSE_RANGE_CLOEXEC);
    execvp(argv[0], argv);
    ReportAndExit(fdReport, errno);
}

[[noreturn]] void RunIntermediate(char* const argv[], int fdReport) {
    pid_t grandchild = fork();
    if (grandchild < 0)
        ReportAndExit(fdReport, errno);
    if (grandchild == 0)
        RunGrandchild(argv, fdReport);
    _exit(0);
}

void ReapChild(pid_t child) {
    int nStatus = 0;
    while (waitpid(child, &nStatus, 0) < 0 && errno == EINTR) {
    }
}

// The exec failure's errno, or 0 when the pipe closed on a successful exec.
int ReadReport(int fdRead) {
    int nErr = 0;
    ssize_t n;
    do {
        n = read(fdRead, &nErr, sizeof nErr);
    } while (n < 0 && errno == EINTR);
    return n == static_cast<ssize_t>(sizeof nErr) ? nErr : 0;
}

}  // namespace

int SpawnDetached(const char* pstrProgram, const char* pstrArg) {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        return errno;
    char* const argv[] = {const_cast<char*>(pstrProgram), const_cast<char*>(pstrArg), nullptr};
    pid_t child = fork();
    if (child < 0) {
        int nErr = errno;
        close(fds[0]);
        close(fds[1]);
        return nErr;
    }
    if (child == 0) {
        close(fds[0]);
        RunIntermediate(argv, fds[1]);
    }
    close(fds[1]);
    ReapChild(child);
    // The read ends when the grandchild's exec closes its copy, or it reports.
    int nErr = ReadReport(fds[0]);
    close(fds[0]);
    return nErr;
}

}  // namespace platform::shell
