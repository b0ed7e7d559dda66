// Whole-file reads for the skin store, with paths converted at the platform edge.
#pragma once

#include <cstdint>
#include <string>

#include "ui/markup/SkinBuffer.h"

namespace Orvik {

enum class SkinFileResult { Ok, OpenFailed, Empty, TooLarge, ShortRead };

// The file-system path for a narrow path: UTF-8, with backslashes (which
// skins use as separators) turned into slashes.
std::string NativeSkinPath(const char* pstrPath);

// Reads the file whole. Files larger than nLimit bytes are refused unread.
SkinFileResult ReadSkinFile(const char* pstrPath, CSkinBuffer& data, uint64_t nLimit);

}  // namespace Orvik
