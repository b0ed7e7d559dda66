// Writes a screen picture as a PNG file.
#pragma once

#include <string>

#include "tools/xdrive/XDisplay.h"

namespace xdrive {

bool WritePng(const std::string& strPath, const ScreenImage& image, std::string& strError);

}  // namespace xdrive
