// Generates the simulator's QR images with libqrencode and stb_image_write, and a fixed installer
// body.
#include "tools/sim/SimAssets.h"

#include <stb/stb_image_write.h>

#include "tools/sim/SimQrCode.h"

namespace {

const int QR_SIZE = 87;       // the skin's QR button size
const int JPEG_QUALITY = 95;  // crisp enough for a scanner at 2 to 3 pixels a module
const size_t INSTALLER_BYTES = 64 * 1024;

void AppendBytes(void* context, void* data, int size) {
    static_cast<std::string*>(context)->append(static_cast<const char*>(data), size_t(size));
}

std::string DownloadPage(const char* pstrTitle, const std::string& url) {
    return std::string("<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>") + pstrTitle +
           "</title></head><body><p>" + pstrTitle + ": " + url + "</p></body></html>\n";
}

}  // namespace

SimAssets SimAssets::Make(const std::string& mobileUrl, const std::string& mobileGjUrl) {
    SimAssets assets;
    SimQrImage first = MakeSimQrImage(mobileUrl, QR_SIZE);
    if (first.nSize > 0)
        stbi_write_jpg_to_func(AppendBytes, &assets.qrJpeg, first.nSize, first.nSize, 1,
                               first.grey.data(), JPEG_QUALITY);
    SimQrImage second = MakeSimQrImage(mobileGjUrl, QR_SIZE);
    if (second.nSize > 0)
        stbi_write_png_to_func(AppendBytes, &assets.qrPng, second.nSize, second.nSize, 1,
                               second.grey.data(), second.nSize);
    assets.mobilePage = DownloadPage("mobile client", mobileUrl);
    assets.mobileGjPage = DownloadPage("mobile trading client", mobileGjUrl);
    assets.installer.resize(INSTALLER_BYTES);
    for (size_t i = 0; i < INSTALLER_BYTES; ++i)
        assets.installer[i] = char((i * 131 + 7) & 0xFF);
    assets.installer[0] = 'M';
    assets.installer[1] = 'Z';
    return assets;
}
