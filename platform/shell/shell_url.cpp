// Which texts the shell agrees to open: web addresses only.
#include "platform/shell/shell_url.h"

#include <strings.h>

#include <cstring>
#include <initializer_list>
#include <string>

#include "platform/kernel.h"

namespace platform::shell {

namespace {

bool HasControlByte(const char* pstr) {
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(pstr); *p != 0; ++p) {
        if (*p < 0x20 || *p == 0x7F)
            return true;
    }
    return false;
}

// Length of the scheme prefix when the text starts with one we open, else 0.
size_t WebSchemeLength(const char* pstrUrl) {
    for (const char* pstrScheme : {"http://", "https://"}) {
        size_t n = std::strlen(pstrScheme);
        if (strncasecmp(pstrUrl, pstrScheme, n) == 0)
            return n;
    }
    return 0;
}

}  // namespace

bool IsOpenableUrl(const char* pstrUrl) {
    if (pstrUrl == nullptr)
        return false;
    size_t nScheme = WebSchemeLength(pstrUrl);
    // A newline or escape sequence has no place in an address and would
    // garble the opener's own command lines.
    return nScheme != 0 && pstrUrl[nScheme] != '\0' && !HasControlByte(pstrUrl);
}

bool IsOpenVerb(const char* pstrVerb) {
    return pstrVerb == nullptr || std::strcmp(pstrVerb, "open") == 0;
}

void TraceShell(const char* pstrWhat, const char* pstrFile) {
    std::string line = std::string("ShellExecuteA: ") + pstrWhat + " [" +
                       (pstrFile != nullptr ? pstrFile : "(null)") + "]\n";
    OutputDebugStringA(line.c_str());
}

bool AdmitOpen(const char* pstrVerb, const char* pstrFile) {
    if (!IsOpenVerb(pstrVerb)) {
        TraceShell("refused verb", pstrVerb);
        return false;
    }
    if (!IsOpenableUrl(pstrFile)) {
        TraceShell("refused, not a web address", pstrFile);
        return false;
    }
    return true;
}

}  // namespace platform::shell
