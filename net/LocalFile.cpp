// Download files on UTF-8 paths: POSIX calls on Linux, wide calls on Windows,
// whose C runtime reads narrow paths in the system code page and whose
// rename() refuses to replace a file.
#include "net/LocalFile.h"

#include <fcntl.h>
#include <sys/stat.h>

#ifdef _WIN32
#include <io.h>
#include <share.h>

#include "platform/kernel.h"
#else
#include <unistd.h>

#include <cstdio>
#endif

#ifdef _WIN32

namespace {

std::wstring Wide(const std::string& path) {
    return platform::Utf8ToWide(path.c_str());
}

}  // namespace

int LocalFileCreateTemp(std::string& strPath) {
    std::wstring wide = Wide(strPath);
    if (_wmktemp_s(wide.data(), wide.size() + 1) != 0)
        return -1;
    int fd = -1;
    if (_wsopen_s(&fd, wide.c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY, _SH_DENYNO,
                  _S_IREAD | _S_IWRITE) != 0)
        return -1;
    int nBytes = WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    strPath.assign(static_cast<size_t>(nBytes > 0 ? nBytes - 1 : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, strPath.data(), nBytes, nullptr, nullptr);
    return fd;
}

bool LocalFileReplace(const std::string& from, const std::string& to) {
    return MoveFileExW(Wide(from).c_str(), Wide(to).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

bool LocalFileRemove(const std::string& path) {
    return _wunlink(Wide(path).c_str()) == 0;
}

bool LocalFileIsDirectory(const std::string& path) {
    DWORD dwAttributes = GetFileAttributesW(Wide(path).c_str());
    return dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

#else

int LocalFileCreateTemp(std::string& strPath) {
    int fd = mkstemp(strPath.data());
    if (fd >= 0)
        fchmod(fd, 0644);
    return fd;
}

bool LocalFileReplace(const std::string& from, const std::string& to) {
    return rename(from.c_str(), to.c_str()) == 0;
}

bool LocalFileRemove(const std::string& path) {
    return unlink(path.c_str()) == 0;
}

bool LocalFileIsDirectory(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

#endif
