// A stand-in for the desktop's URL opener that records every call it gets.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/shell.h"
#include "platform/testing/platform_seam.h"

namespace testsupport {

// While alive, ShellExecuteA runs a script that appends "argc|first argument"
// to a log and then pokes a FIFO, so a test waits for the detached opener
// with a bounded poll instead of sleeping.
class CShellRecorder {
public:
    // pstrBefore: a shell line the opener runs first ("$0" is the script,
    // beside the log).
    explicit CShellRecorder(const char* pstrBefore = "") {
        char dir[] = "/tmp/lumora-shell-XXXXXX";
        m_strDir = mkdtemp(dir) != nullptr ? dir : "";
        m_strLog = m_strDir + "/calls.log";
        std::string fifo = m_strDir + "/poke";
        mkfifo(fifo.c_str(), 0600);
        // Our own writer keeps the FIFO from reporting a hang-up between pokes.
        m_fdRead = open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
        m_fdKeep = open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
        m_strScript = m_strDir + "/opener.sh";
        std::ofstream(m_strScript) << "#!/bin/sh\n"
                                   << pstrBefore << "\nprintf '%s|%s\\n' \"$#\" \"$1\" >> '"
                                   << m_strLog << "'\nprintf x 1<> '" << fifo << "'\n";
        chmod(m_strScript.c_str(), 0700);
        platform::seam::SetShellOpenProgram(m_strScript.c_str());
    }
    ~CShellRecorder() {
        platform::seam::ResetShellOpenProgram();
        close(m_fdRead);
        close(m_fdKeep);
        std::error_code ignored;
        std::filesystem::remove_all(m_strDir, ignored);
    }
    CShellRecorder(const CShellRecorder&) = delete;
    CShellRecorder& operator=(const CShellRecorder&) = delete;

    bool Ready() const { return !m_strDir.empty() && m_fdRead >= 0 && m_fdKeep >= 0; }
    const std::string& Dir() const { return m_strDir; }

    // The calls recorded so far, as "argc|argument".
    std::vector<std::string> Calls() const {
        std::vector<std::string> lines;
        std::ifstream in(m_strLog);
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }
    // Waits until at least nCount calls are recorded or the time is up.
    std::vector<std::string> WaitForCalls(size_t nCount, int nTimeoutMs = 10000) {
        auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(nTimeoutMs);
        while (Calls().size() < nCount) {
            auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0)
                break;
            pollfd pfd = {m_fdRead, POLLIN, 0};
            if (poll(&pfd, 1, static_cast<int>(left.count())) > 0) {
                char buf[64];
                while (read(m_fdRead, buf, sizeof buf) > 0) {
                }
            }
        }
        return Calls();
    }

private:
    std::string m_strDir, m_strLog, m_strScript;
    int m_fdRead = -1;
    int m_fdKeep = -1;
};

}  // namespace testsupport
