// The QR images in the temporary folder: only a download that decodes replaces the one there.
#include "app/pages/Page2QRFile.h"

#include <cstdint>
#include <cstdio>
#include <vector>

#include "net/HttpClient.h"
#include "net/LocalFile.h"
#include "platform/kernel.h"
#include "ui/render/ImageDecoder.h"

namespace {

// False for a file that cannot be read or holds more than nLimit bytes.
bool ReadFileBytes(const std::string& strPath, size_t nLimit, std::vector<uint8_t>& bytes) {
    std::FILE* pFile = std::fopen(platform::AnsiToUtf8(strPath.c_str()).c_str(), "rb");
    if (pFile == nullptr)
        return false;
    uint8_t chunk[16 * 1024];
    size_t nRead = 0;
    while (bytes.size() <= nLimit && (nRead = std::fread(chunk, 1, sizeof chunk, pFile)) > 0)
        bytes.insert(bytes.end(), chunk, chunk + nRead);
    bool bError = std::ferror(pFile) != 0;
    std::fclose(pFile);
    return !bError && bytes.size() <= nLimit;
}

void RemoveFile(const std::string& strPath) {
    LocalFileRemove(platform::AnsiToUtf8(strPath.c_str()));
}

}  // namespace

bool IsImageFile(const std::string& strPath) {
    std::vector<uint8_t> bytes;
    if (!ReadFileBytes(strPath, HTTP_MAX_BODY_BYTES, bytes) || bytes.empty())
        return false;
    Orvik::RgbaImage image;
    return Orvik::DecodeImageData(bytes.data(), bytes.size(), image);
}

// One step on both platforms (rename(2), MoveFileEx with replace): a reader
// sees the old picture or the new one, never neither.
bool ReplaceFileAtomically(const std::string& strFrom, const std::string& strTo) {
    return LocalFileReplace(platform::AnsiToUtf8(strFrom.c_str()),
                            platform::AnsiToUtf8(strTo.c_str()));
}

int DownloadQRImage(const std::string& strUrl, const std::string& strPath) {
    if (strPath.empty())
        return -1;
    // Beside the target, so the final move stays on one file system; the
    // thread id keeps two launchers (or two jobs) apart.
    std::string strPart = strPath + "." + std::to_string(GetCurrentThreadId()) + ".part";
    int nResult = HttpDownload(strUrl.c_str(), strPart.c_str());
    if (nResult == 0 && !IsImageFile(strPart))
        nResult = QR_RESULT_NOT_AN_IMAGE;
    if (nResult == 0 && !ReplaceFileAtomically(strPart, strPath))
        nResult = -1;
    if (nResult != 0)
        RemoveFile(strPart);
    return nResult;
}
