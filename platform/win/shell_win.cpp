// ShellExecuteA on Windows: web addresses go to the user's browser, everything else is refused.
#include <string>

#include "platform/kernel.h"
#include "platform/shell.h"
#include "platform/shell/shell_url.h"

namespace {

HINSTANCE ShellResult(INT_PTR nCode) {
    return reinterpret_cast<HINSTANCE>(nCode);
}

void TraceShell(const char* pstrWhat, const char* pstrFile) {
    std::string line = std::string("ShellExecuteA: ") + pstrWhat + " [" +
                       (pstrFile != nullptr ? pstrFile : "(null)") + "]\n";
    OutputDebugStringA(line.c_str());
}

}  // namespace

HINSTANCE LumoraShellExecuteA(HWND hwnd, LPCSTR lpOperation, LPCSTR lpFile, LPCSTR /*lpParameters*/,
                              LPCSTR /*lpDirectory*/, INT nShowCmd) {
    if (!platform::shell::IsOpenVerb(lpOperation)) {
        TraceShell("refused verb", lpOperation);
        return ShellResult(SE_ERR_NOASSOC);
    }
    if (!platform::shell::IsOpenableUrl(lpFile)) {
        TraceShell("refused, not a web address", lpFile);
        return ShellResult(SE_ERR_NOASSOC);
    }
    std::wstring url = platform::AnsiToWide(lpFile);
    HINSTANCE hResult = ShellExecuteW(hwnd, L"open", url.c_str(), nullptr, nullptr, nShowCmd);
    if (reinterpret_cast<INT_PTR>(hResult) <= 32)
        TraceShell("the browser could not be started for", lpFile);
    return hResult;
}
