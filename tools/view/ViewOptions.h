// Command line of orvik-view: skin, document and the switches.
#pragma once

#include <string>

namespace orvikview {

struct ViewOptions {
    std::string strSkin;
    std::string strDocument;
    std::string strOut;
    int nWidth = 0;  // 0: the document's "size"
    int nHeight = 0;
    bool bTree = false;
    // Event script ("-": standard input); empty: just render.
    std::string strEvents;
    bool bNotifications = false;
    bool bX11 = false;
};

// False with a message for standard error on a bad command line.
bool ParseViewOptions(int argc, char** argv, ViewOptions& options, std::string& strError);

// False with a one-line message for options that cannot work together.
bool CheckViewOptions(const ViewOptions& options, std::string& strError);

// The Windows form has no headless backend to script and its window is the
// default: false with a one-line message for the switches it lacks.
bool CheckWindowsViewOptions(const ViewOptions& options, std::string& strError);

const char* ViewUsage();

}  // namespace orvikview
