// Whole-file reads for the skin store.
#include "ui/markup/SkinFile.h"

#include <sys/stat.h>

#include <cstdio>

#include "platform/kernel.h"

namespace Orvik {

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
    FILE* pFile = std::fopen(strPath.c_str(), "rb");
    if (pFile == nullptr)
        return SkinFileResult::OpenFailed;
    struct stat st;
    SkinFileResult result = SkinFileResult::Ok;
    if (fstat(fileno(pFile), &st) != 0 || !S_ISREG(st.st_mode)) {
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
