// Where the skin puts a control, read from orvik-view's headless layout of a skin document.
#pragma once

#include <string>

namespace x11test {

struct Bounds {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool Empty() const { return right <= left || bottom <= top; }
    int CentreX() const { return (left + right) / 2; }
    int CentreY() const { return (top + bottom) / 2; }
};

// The control named name in document laid out at its own size (or width x height when given),
// in the document's client pixels; empty when there is no such visible control.
Bounds ControlBounds(const std::string& skinDir, const std::string& document,
                     const std::string& name, int width = 0, int height = 0);

// A copy of skinDir in dir whose document has attribute text before replaced by after (for
// laying out a state the document does not start in).
bool PatchedSkin(const std::string& skinDir, const std::string& dir, const std::string& document,
                 const std::string& before, const std::string& after);

}  // namespace x11test
