// Skin store state: the program module and the skin folder.
#include "ui/markup/SkinStore.h"

namespace Orvik {

namespace {
HINSTANCE g_hProgramModule = nullptr;
std::string g_strSkinPath;
}  // namespace

void CSkinStore::SetProgramModule(HINSTANCE hInstance) {
    g_hProgramModule = hInstance;
}

HINSTANCE CSkinStore::GetProgramModule() {
    return g_hProgramModule;
}

void CSkinStore::SetSkinPath(const char* pstrPath) {
    g_strSkinPath = pstrPath ? pstrPath : "";
    if (!g_strSkinPath.empty() && g_strSkinPath.back() != '/' && g_strSkinPath.back() != '\\')
        g_strSkinPath += '/';
}

const std::string& CSkinStore::GetSkinPath() {
    return g_strSkinPath;
}

}  // namespace Orvik
