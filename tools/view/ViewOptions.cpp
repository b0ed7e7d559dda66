// Parses orvik-view's command line: two positional arguments and a table of switches.
#include "tools/view/ViewOptions.h"

#include <cstdlib>
#include <cstring>

namespace orvikview {

namespace {

// "W,H" with both at least 1 and at most 16384.
bool ParseSize(const char* pstrValue, int& cx, int& cy) {
    char* pEnd = nullptr;
    long w = std::strtol(pstrValue, &pEnd, 10);
    if (pEnd == pstrValue || *pEnd != ',')
        return false;
    const char* pSecond = pEnd + 1;
    long h = std::strtol(pSecond, &pEnd, 10);
    if (pEnd == pSecond || *pEnd != '\0' || w < 1 || h < 1 || w > 16384 || h > 16384)
        return false;
    cx = static_cast<int>(w);
    cy = static_cast<int>(h);
    return true;
}

struct Flag {
    const char* pstrName;
    bool ViewOptions::*pField;
};

const Flag FLAGS[] = {
    {"--tree", &ViewOptions::bTree},
    {"--notifications", &ViewOptions::bNotifications},
    {"--x11", &ViewOptions::bX11},
};

}  // namespace

const char* ViewUsage() {
    return "usage: orvik-view SKIN DOCUMENT [--out FILE.png] [--size W,H] [--tree]"
           " [--events FILE|-] [--notifications] [--x11]";
}

bool ParseViewOptions(int argc, char** argv, ViewOptions& options, std::string& strError) {
    int nPositional = 0;
    for (int i = 1; i < argc; ++i) {
        const char* pstrArg = argv[i];
        bool bFlag = false;
        for (const Flag& flag : FLAGS)
            if (std::strcmp(pstrArg, flag.pstrName) == 0) {
                options.*flag.pField = true;
                bFlag = true;
            }
        if (bFlag)
            continue;
        if (std::strcmp(pstrArg, "--out") == 0 || std::strcmp(pstrArg, "--size") == 0 ||
            std::strcmp(pstrArg, "--events") == 0) {
            if (i + 1 >= argc) {
                strError = std::string(pstrArg) + " needs a value";
                return false;
            }
            const char* pstrValue = argv[++i];
            if (pstrArg[2] == 'o') {
                options.strOut = pstrValue;
            } else if (pstrArg[2] == 'e') {
                options.strEvents = pstrValue;
            } else if (!ParseSize(pstrValue, options.nWidth, options.nHeight)) {
                strError = std::string("--size wants W,H, not '") + pstrValue + "'";
                return false;
            }
        } else if (pstrArg[0] == '-' && pstrArg[1] == '-') {
            strError = std::string("unknown option ") + pstrArg;
            return false;
        } else if (nPositional == 0) {
            options.strSkin = pstrArg;
            ++nPositional;
        } else if (nPositional == 1) {
            options.strDocument = pstrArg;
            ++nPositional;
        } else {
            strError = std::string("unexpected argument ") + pstrArg;
            return false;
        }
    }
    if (nPositional < 2) {
        strError = "a skin and a document are needed";
        return false;
    }
    return true;
}

// The display window takes real input and ends when it is closed: a script,
// a tree or a picture at the end has nothing to run on.
bool CheckViewOptions(const ViewOptions& options, std::string& strError) {
    if (!options.bX11)
        return true;
    const char* pstrOther = nullptr;
    if (!options.strEvents.empty())
        pstrOther = "--events";
    else if (options.bTree)
        pstrOther = "--tree";
    else if (!options.strOut.empty())
        pstrOther = "--out";
    if (pstrOther == nullptr)
        return true;
    strError = std::string(pstrOther) + " cannot be used with --x11 (a headless run only)";
    return false;
}

bool CheckWindowsViewOptions(const ViewOptions& options, std::string& strError) {
    const char* pstrOther = nullptr;
    if (!options.strEvents.empty())
        pstrOther = "--events";
    else if (options.bNotifications)
        pstrOther = "--notifications";
    else if (options.bX11)
        pstrOther = "--x11";
    if (pstrOther == nullptr)
        return true;
    strError = std::string(pstrOther) + " cannot be used on Windows (Linux only)";
    return false;
}

}  // namespace orvikview
