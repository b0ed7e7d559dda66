// QR codes through libqrencode, drawn with a quiet zone so phone scanners find them.
#include "tools/sim/SimQrCode.h"

#include <qrencode.h>

#include <algorithm>
#include <memory>

namespace {

// A scanner needs at least 2 pixels a module; the standard quiet zone is 4
// modules, and 2 still reads when it buys a bigger module.
const int MIN_MODULE_PIXELS = 2;
const int QUIET_MODULES = 4;
const int SHORT_QUIET_MODULES = 2;

struct Layout {
    int nModulePixels;
    int nQuietModules;
};

Layout ChooseLayout(int nModules, int nSize) {
    Layout wide{nSize / (nModules + 2 * QUIET_MODULES), QUIET_MODULES};
    Layout tight{nSize / (nModules + 2 * SHORT_QUIET_MODULES), SHORT_QUIET_MODULES};
    Layout best = tight.nModulePixels > wide.nModulePixels ? tight : wide;
    best.nModulePixels = std::max(best.nModulePixels, MIN_MODULE_PIXELS);
    return best;
}

}  // namespace

SimQrImage MakeSimQrImage(const std::string& text, int nSize) {
    std::unique_ptr<QRcode, void (*)(QRcode*)> code(
        QRcode_encodeString8bit(text.c_str(), 0, QR_ECLEVEL_L), QRcode_free);
    SimQrImage image;
    if (code == nullptr || text.empty())
        return image;
    int nModules = code->width;
    Layout layout = ChooseLayout(nModules, nSize);
    int nDrawn = (nModules + 2 * layout.nQuietModules) * layout.nModulePixels;
    image.nSize = std::max(nSize, nDrawn);
    image.grey.assign(size_t(image.nSize) * size_t(image.nSize), 255);
    int nOrigin = (image.nSize - nModules * layout.nModulePixels) / 2;
    for (int y = 0; y < nModules * layout.nModulePixels; ++y)
        for (int x = 0; x < nModules * layout.nModulePixels; ++x) {
            // Bit 0 of each libqrencode byte says dark.
            unsigned char module =
                code->data[(y / layout.nModulePixels) * nModules + x / layout.nModulePixels];
            if ((module & 1) != 0)
                image.grey[size_t(nOrigin + y) * size_t(image.nSize) + size_t(nOrigin + x)] = 0;
        }
    return image;
}
