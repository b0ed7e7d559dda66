// The process-wide source of skin documents and images.
#pragma once

#include <string>

#include "platform/win32_types.h"

namespace Orvik {

class CSkinStore {
public:
    static void SetProgramModule(HINSTANCE hInstance);
    static HINSTANCE GetProgramModule();
    // A non-empty path not ending in "/" or "\" gets "/" appended.
    static void SetSkinPath(const char* pstrPath);
    static const std::string& GetSkinPath();
};

}  // namespace Orvik
