// Debug output: each call becomes one write of UTF-8 text to standard error.
#include <errno.h>
#include <unistd.h>

#include <string>

#include "platform/kernel.h"

void OutputDebugStringA(LPCSTR lpOutputString) {
    if (lpOutputString == nullptr)
        return;
    std::string text = platform::AnsiToUtf8(lpOutputString);
    const char* p = text.data();
    size_t left = text.size();
    while (left > 0) {
        ssize_t n = write(STDERR_FILENO, p, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        p += n;
        left -= size_t(n);
    }
}
