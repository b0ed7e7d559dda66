// Whole-file reads for the skin store.
#include "ui/markup/SkinFile.h"

#include <sys/stat.h>

#include <cstdio>

#include "platform/kernel.h"

namespace Orvik {

namespace {

// Windows' C runtime takes narrow paths in the system code page and its
// plain stat has a 32-bit size: wide paths and the 64-bit stat there.
#ifdef _WIN32
using FileStat = struct _stat64;

FILE* OpenForReading(const std::string& strUtf8) {
    return _wfopen(platform::Utf8ToWide(strUtf8.c_str()).c_str(), L"rb");
}

int StatOpenFile(FILE* pFile, FileStat* pStat) {
    return _fstat64(_fileno(pFile), pStat);
}
#else
using FileStat = struct stat;

FILE* OpenForReading(const std::string& strUtf8) {
    return std::fopen(strUtf8.c_str(), "rb");
}

int StatOpenFile(FILE* pFile, FileStat* pStat) {
    return fstat(fileno(pFile), pStat);
}
#endif

}  // namespace

std::string NativeSkinPath(const char* pstrPath) {
    // After the conversion a 0x5C byte can only be a backslash, never the
    // second byte of a double-byte character.
    std::string strPath = platform::AnsiToUtf8(pstrPath ? pstrPath : "");
    for (char& ch : strPath) {
        if (ch == '\\')
            ch = '/';
    }
    return strPath;
}

SkinFileResult ReadSkinFile(const char* pstrPath, CSkinBuffer& data, uint64_t nLimit) {
    data.Release();
    std::string strPath = NativeSkinPath(pstrPath);
    if (strPath.empty())
        return SkinFileResult::OpenFailed;
    FILE* pFile = OpenForReading(strPath);
    if (pFile == nullptr)
        return SkinFileResult::OpenFailed;
    FileStat st;
    SkinFileResult result = SkinFileResult::Ok;
    if (StatOpenFile(pFile, &st) != 0 || !S_ISREG(st.st_mode)) {
        result = SkinFileResult::OpenFailed;  // a folder opens but cannot be read
    } else if (st.st_size == 0) {
        result = SkinFileResult::Empty;
    } else if (static_cast<uint64_t>(st.st_size) > nLimit || st.st_size > 0xFFFFFFFFll) {
        result = SkinFileResult::TooLarge;
    } else if (!data.Allocate(static_cast<DWORD>(st.st_size)) ||
               std::fread(data.GetData(), 1, data.GetSize(), pFile) != data.GetSize()) {
        data.Release();
        result = SkinFileResult::ShortRead;
    }
    std::fclose(pFile);
    return result;
}

}  // namespace Orvik
