// The QR images in the temporary folder: only a download that decodes replaces the one there.
#pragma once

#include <string>

// A download that completed but holds no image (a web page, a cut-off file).
constexpr int QR_RESULT_NOT_AN_IMAGE = -2;

// True when the file at strPath (active code page) decodes as an image.
bool IsImageFile(const std::string& strPath);

// Moves strFrom over strTo in one step, so a reader sees the old file or the
// new one, never neither; false leaves both as they were.
bool ReplaceFileAtomically(const std::string& strFrom, const std::string& strTo);

// Downloads strUrl into a file beside strPath and moves it to strPath only
// when it decodes as an image; on any failure strPath keeps what it held.
// Returns HttpDownload's result, or QR_RESULT_NOT_AN_IMAGE.
int DownloadQRImage(const std::string& strUrl, const std::string& strPath);
