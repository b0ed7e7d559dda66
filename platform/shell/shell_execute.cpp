// ShellExecuteA: web addresses go to the desktop's opener, everything else is refused.
#include <cerrno>
#include <mutex>
#include <string>

#include "platform/kernel.h"
#include "platform/shell.h"
#include "platform/shell/detached_process.h"
#include "platform/shell/shell_url.h"
#include "platform/testing/platform_seam.h"

namespace {

const char DEFAULT_OPENER[] = "xdg-open";

std::mutex g_csOpener;
std::string g_strOpener = DEFAULT_OPENER;

std::string OpenerProgram() {
    std::lock_guard<std::mutex> guard(g_csOpener);
    return g_strOpener;
}

HINSTANCE ShellResult(INT_PTR nCode) {
    return reinterpret_cast<HINSTANCE>(nCode);
}

}  // namespace

void platform::seam::SetShellOpenProgram(const char* pstrPath) {
    std::lock_guard<std::mutex> guard(g_csOpener);
    g_strOpener = pstrPath != nullptr ? pstrPath : DEFAULT_OPENER;
}

void platform::seam::ResetShellOpenProgram() {
    SetShellOpenProgram(nullptr);
}

HINSTANCE ShellExecuteA(HWND /*hwnd*/, LPCSTR lpOperation, LPCSTR lpFile, LPCSTR /*lpParameters*/,
                        LPCSTR /*lpDirectory*/, INT /*nShowCmd*/) {
    if (!platform::shell::AdmitOpen(lpOperation, lpFile))
        return ShellResult(SE_ERR_NOASSOC);
    std::string strUrl = platform::AnsiToUtf8(lpFile);
    std::string strProgram = OpenerProgram();
    int nErr = platform::shell::SpawnDetached(strProgram.c_str(), strUrl.c_str());
    if (nErr != 0) {
        platform::shell::TraceShell("the opener could not be started for", lpFile);
        return ShellResult(nErr == ENOMEM || nErr == EAGAIN ? SE_ERR_OOM : SE_ERR_FNF);
    }
    return ShellResult(42);
}
