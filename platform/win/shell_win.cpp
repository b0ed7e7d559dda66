// ShellExecuteA on Windows: web addresses go to the user's browser, everything else is refused.
#include <string>

#include "platform/kernel.h"
#include "platform/shell.h"
#include "platform/shell/shell_url.h"

namespace {

HINSTANCE ShellResult(INT_PTR nCode) {
    return reinterpret_cast<HINSTANCE>(nCode);
}

}  // namespace

HINSTANCE LumoraShellExecuteA(HWND hwnd, LPCSTR lpOperation, LPCSTR lpFile, LPCSTR /*lpParameters*/,
                              LPCSTR /*lpDirectory*/, INT nShowCmd) {
    if (!platform::shell::AdmitOpen(lpOperation, lpFile))
        return ShellResult(SE_ERR_NOASSOC);
    std::wstring url = platform::AnsiToWide(lpFile);
    HINSTANCE hResult = ShellExecuteW(hwnd, L"open", url.c_str(), nullptr, nullptr, nShowCmd);
    if (reinterpret_cast<INT_PTR>(hResult) <= 32)
        platform::shell::TraceShell("the browser could not be started for", lpFile);
    return hResult;
}
