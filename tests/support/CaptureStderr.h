// Captures what the code under test writes to standard error.
#pragma once

#include <stdio.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace testsupport {

// Redirects file descriptor 2 into a temporary file for the object's lifetime;
// Text() returns everything written so far. Not for concurrent captures.
class CCaptureStderr {
public:
    CCaptureStderr() {
        char name[] = "/tmp/lumora-stderr-XXXXXX";
        m_nFile = mkstemp(name);
        m_strPath = name;
        fflush(stderr);
        m_nSaved = dup(STDERR_FILENO);
        dup2(m_nFile, STDERR_FILENO);
    }
    ~CCaptureStderr() {
        Restore();
        close(m_nFile);
        unlink(m_strPath.c_str());
    }
    CCaptureStderr(const CCaptureStderr&) = delete;
    CCaptureStderr& operator=(const CCaptureStderr&) = delete;

    std::string Text() {
        fflush(stderr);
        std::ifstream in(m_strPath, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    void Restore() {
        if (m_nSaved < 0)
            return;
        fflush(stderr);
        dup2(m_nSaved, STDERR_FILENO);
        close(m_nSaved);
        m_nSaved = -1;
    }

private:
    int m_nFile = -1;
    int m_nSaved = -1;
    std::string m_strPath;
};

}  // namespace testsupport
