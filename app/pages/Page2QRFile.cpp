// The QR images in the temporary folder: only a download that decodes replaces the one there.
#include "app/pages/Page2QRFile.h"

#include "net/HttpClient.h"
#include "net/LocalFile.h"
#include "platform/kernel.h"
#include "ui/markup/SkinFile.h"
#include "ui/render/ImageDecoder.h"

namespace {

void RemoveFile(const std::string& strPath) {
    LocalFileRemove(platform::AnsiToUtf8(strPath.c_str()));
}

}  // namespace

bool IsImageFile(const std::string& strPath) {
    // The skin reader opens wide paths on Windows, whose C runtime would read
    // a converted narrow path in the system code page.
    Orvik::CSkinBuffer bytes;
    if (Orvik::ReadSkinFile(strPath.c_str(), bytes, HTTP_MAX_BODY_BYTES) !=
        Orvik::SkinFileResult::Ok)
        return false;
    Orvik::RgbaImage image;
    return Orvik::DecodeImageData(bytes.GetData(), bytes.GetSize(), image);
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
