// _access: whether a path exists, and may be read or written.
#include <errno.h>
#include <unistd.h>

#include <string>

#include "platform/kernel.h"

int _access(const char* pstrPath, int nMode) {
    int nWanted;
    switch (nMode) {
        case 0:
            nWanted = F_OK;
            break;
        case 2:
            nWanted = W_OK;
            break;
        case 4:
            nWanted = R_OK;
            break;
        case 6:
            nWanted = R_OK | W_OK;
            break;
        default:
            errno = EINVAL;
            return -1;
    }
    if (pstrPath == nullptr) {
        errno = EINVAL;
        return -1;
    }
    std::string strPath = platform::AnsiToUtf8(pstrPath);
    return access(strPath.c_str(), nWanted) == 0 ? 0 : -1;
}
